// Damaged values read through the generic property access and the effect interfaces: every
// stored value of a file built in code cut short, grown or altered in turn, and everything the
// interfaces offer read from the root down. Nothing may crash, and no call may answer with a
// positive result code.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/include/AAF.h"
#include "support/GenericPropertyFixture.h"
#include "support/InterfaceWalk.h"
#include "support/TestSupport.h"

namespace {

using testsupport::Query;
using testsupport::Ref;

class ReadEverything {
public:
    std::size_t objects = 0, values = 0;
    std::vector<std::string> positive;

    void Object(IUnknown* o, int depth)
    {
        if (depth > 32)
            return;
        ++objects;
        Effects(o);
        Ref<IAAFObject> object;
        Ref<IEnumAAFProperties> properties;
        aafUInt32 count = 0;
        if (Check(Query(o, IID_IAAFObject, &object), "QI IAAFObject") != 0 ||
            Check(object->CountProperties(&count), "CountProperties") != 0 ||
            Check(object->GetProperties(properties.out()), "GetProperties") != 0)
            return;
        Ref<IAAFProperty> property;
        while (Check(properties->NextOne(property.out()), "NextOne property") == 0) {
            Ref<IAAFPropertyDef> definition;
            Ref<IAAFPropertyValue> value;
            Ref<IAAFTypeDef> type;
            if (Check(property->GetDefinition(definition.out()), "GetDefinition") == 0)
                Meta(definition.get());
            if (Check(property->GetValue(value.out()), "GetValue") == 0 &&
                Check(value->GetType(type.out()), "GetType") == 0)
                Value(value.get(), type.get(), depth);
        }
    }

private:
    HRESULT Check(HRESULT hr, const char* what)
    {
        if (hr > 0)
            positive.push_back(what);
        return hr;
    }

    void Meta(IUnknown* definition)
    {
        Ref<IAAFMetaDefinition> meta;
        aafUID_t id{};
        aafUInt32 bytes = 0;
        if (Check(Query(definition, IID_IAAFMetaDefinition, &meta), "QI meta") != 0)
            return;
        Check(meta->GetAUID(&id), "GetAUID");
        if (Check(meta->GetNameBufLen(&bytes), "GetNameBufLen") == 0 && bytes < 1 << 20) {
            std::u16string name(bytes / 2 + 1, u'\0');
            Check(meta->GetName(name.data(), bytes), "GetName");
        }
    }

    template <class Holder>
    void IndirectValue(Holder* holder)
    {
        Ref<IAAFTypeDef> type;
        aafUInt32 size = 0, read = 0;
        if (Check(holder->GetTypeDefinition(type.out()), "GetTypeDefinition") == 0)
            Meta(type.get());
        if (Check(holder->GetValueBufLen(&size), "GetValueBufLen") == 0 && size < 1 << 20) {
            std::vector<aafUInt8> buffer(size + 1);
            Check(holder->GetValue(size, buffer.data(), &read), "GetValue");
        }
    }

    void Definition(IUnknown* definition)
    {
        Ref<IAAFDefObject> d;
        aafUID_t id{};
        aafUInt32 bytes = 0;
        if (Check(Query(definition, IID_IAAFDefObject, &d), "QI def") != 0)
            return;
        Check(d->GetAUID(&id), "GetAUID");
        if (Check(d->GetDescriptionBufLen(&bytes), "GetDescriptionBufLen") == 0 && bytes < 1 << 20) {
            std::u16string text(bytes / 2 + 1, u'\0');
            Check(d->GetDescription(text.data(), bytes), "GetDescription");
        }
    }

    void Effects(IUnknown* o)
    {
        Ref<IAAFOperationGroup> group;
        Ref<IAAFParameter> parameter;
        Ref<IAAFTaggedValue> tagged;
        Ref<IAAFControlPoint> point;
        aafUInt32 n = 0;
        aafBoolean_t flag = 0;
        if (Query(o, IID_IAAFOperationGroup, &group) == 0) {
            Ref<IAAFOperationDef> op;
            Ref<IEnumAAFParameters> parameters;
            Check(group->CountSourceSegments(&n), "CountSourceSegments");
            Check(group->IsATimeWarp(&flag), "IsATimeWarp");
            Check(group->GetBypassOverride(&n), "GetBypassOverride");
            Check(group->IsValidTranOperation(&flag), "IsValidTranOperation");
            Check(group->CountParameters(&n), "CountParameters");
            if (Check(group->GetParameters(parameters.out()), "GetParameters") == 0)
                while (Check(parameters->NextOne(parameter.out()), "NextOne parameter") == 0) {
                }
            if (Check(group->GetOperationDefinition(op.out()), "GetOperationDefinition") == 0) {
                aafInt32 i = 0;
                aafUID_t category{};
                Ref<IAAFDataDef> data;
                Definition(op.get());
                Check(op->CountDegradeToOperations(&i), "CountDegradeToOperations");
                Check(op->GetCategory(&category), "GetCategory");
                Check(op->GetBypass(&n), "GetBypass");
                Check(op->GetNumberInputs(&i), "GetNumberInputs");
                Check(op->GetDataDef(data.out()), "GetDataDef");
            }
        }
        if (Query(o, IID_IAAFParameter, &parameter) == 0) {
            Ref<IAAFParameterDef> def;
            Ref<IAAFConstantValue> constant;
            Ref<IAAFVaryingValue> varying;
            if (Check(parameter->GetParameterDefinition(def.out()), "GetParameterDefinition") == 0) {
                Definition(def.get());
                Check(def->GetDisplayUnitsBufLen(&n), "GetDisplayUnitsBufLen");
            }
            if (Query(o, IID_IAAFConstantValue, &constant) == 0)
                IndirectValue(constant.get());
            if (Query(o, IID_IAAFVaryingValue, &varying) == 0) {
                Ref<IAAFInterpolationDef> interpolation;
                if (Check(varying->GetInterpolationDefinition(interpolation.out()), "GetInterpolationDefinition") == 0)
                    Definition(interpolation.get());
                Check(varying->CountControlPoints(&n), "CountControlPoints");
            }
        }
        if (Query(o, IID_IAAFControlPoint, &point) == 0) {
            aafRational_t time{};
            aafEditHint_t hint = 0;
            Check(point->GetTime(&time), "GetTime");
            Check(point->GetEditHint(&hint), "GetEditHint");
            IndirectValue(point.get());
        }
        if (Query(o, IID_IAAFTaggedValue, &tagged) == 0)
            IndirectValue(tagged.get());
    }

    void Value(IAAFPropertyValue* value, IAAFTypeDef* type, int depth)
    {
        ++values;
        Ref<IAAFTypeDefInt> integer;
        Ref<IAAFTypeDefString> string;
        Ref<IAAFTypeDefSet> set;
        Ref<IAAFTypeDefRecord> record;
        Ref<IAAFTypeDefVariableArray> array;
        Ref<IAAFTypeDefObjectRef> reference;
        aafUInt32 count = 0, size = 0;
        Meta(type);
        if (Query(type, IID_IAAFTypeDefInt, &integer) == 0) {
            aafUInt8 bytes[8] = {};
            Check(integer->GetSize(&size), "GetSize");
            Check(integer->GetInteger(value, bytes, sizeof bytes), "GetInteger");
        } else if (Query(type, IID_IAAFTypeDefString, &string) == 0) {
            if (Check(string->GetCount(value, &count), "GetCount string") == 0 && count < 1 << 20) {
                std::u16string text(count + 1, u'\0');
                Check(string->GetElements(value, text.data(), count * 2), "GetElements string");
            }
        } else if (Query(type, IID_IAAFTypeDefSet, &set) == 0) {
            Ref<IEnumAAFPropertyValues> elements;
            Check(set->GetCount(value, &count), "GetCount set");
            if (Check(set->GetElements(value, elements.out()), "GetElements set") == 0) {
                Ref<IAAFPropertyValue> element;
                while (Check(elements->NextOne(element.out()), "NextOne value") == 0) {
                    Ref<IAAFTypeDef> elementType;
                    if (Check(element->GetType(elementType.out()), "GetType element") == 0)
                        Value(element.get(), elementType.get(), depth);
                }
            }
        } else if (Query(type, IID_IAAFTypeDefRecord, &record) == 0) {
            Check(record->GetCount(&count), "GetCount record");
            for (aafUInt32 i = 0; i < count && i < 64; ++i) {
                Ref<IAAFTypeDef> memberType;
                Ref<IAAFPropertyValue> member;
                Check(record->GetMemberNameBufLen(i, &size), "GetMemberNameBufLen");
                if (Check(record->GetMemberType(i, memberType.out()), "GetMemberType") == 0 &&
                    Check(record->GetValue(value, i, member.out()), "GetValue member") == 0)
                    Value(member.get(), memberType.get(), depth);
            }
        } else if (Query(type, IID_IAAFTypeDefVariableArray, &array) == 0) {
            Ref<IAAFTypeDef> elementType;
            if (Check(array->GetType(elementType.out()), "GetType array") != 0 ||
                Check(array->GetCount(value, &count), "GetCount array") != 0)
                return;
            for (aafUInt32 i = 0; i < count; ++i) {
                Ref<IAAFPropertyValue> element;
                if (Check(array->GetElementValue(value, i, element.out()), "GetElementValue") == 0)
                    Value(element.get(), elementType.get(), depth);
            }
        } else if (Query(type, IID_IAAFTypeDefObjectRef, &reference) == 0) {
            // Owned objects are walked; weak references lead to objects walked where they are owned.
            Ref<IUnknown> object;
            eAAFTypeCategory_t category = kAAFTypeCatUnknown;
            if (Check(reference->GetObject(value, IID_IUnknown, object.out()), "GetObject") == 0 &&
                Check(type->GetTypeCategory(&category), "GetTypeCategory") == 0 && category == kAAFTypeCatStrongObjRef)
                Object(object.get(), depth + 1);
        }
    }
};

// Everything from the header down, and the count of what was read.
ReadEverything ReadFile(const std::filesystem::path& path)
{
    ReadEverything r;
    testsupport::OpenedFile file;
    if (file.Open(path) == 0)
        r.Object(file.header.get(), 0);
    return r;
}

TEST(ComDamagedValues, EveryValueCutShortGrownOrAlteredReadsSafely)
{
    testsupport::TempDir dir;
    const auto path = dir / "file.aaf";
    testsupport::generic::GenericPropertyFile base;
    aafsdk::fixture::SaveBytes(path, aafsdk::fixture::WriteAaf(base.f.graph()).bytes);
    // Undamaged, every object below the header is reached through its owners' properties.
    const ReadEverything whole = ReadFile(path);
    std::size_t belowHeader = 0;
    for (aafsdk::ObjectId id = 0; id < base.f.graph().objects.size(); ++id)
        belowHeader += base.f.graph().Path(id).rfind("/Header-2", 0) == 0;
    EXPECT_EQ(whole.objects, belowHeader);
    EXPECT_GT(whole.values, 250u);
    EXPECT_EQ(whole.positive, std::vector<std::string>{});

    std::size_t variants = 0;
    const aafsdk::StoredGraph& graph = base.f.graph();
    for (aafsdk::ObjectId id = 1; id < graph.objects.size(); ++id) {
        for (std::size_t p = 0; p < graph.object(id).properties.size(); ++p) {
            if (graph.object(id).properties[p].form() != aafsdk::StoredForm::Data)
                continue;
            for (int variant = 0; variant < 3; ++variant) {
                testsupport::generic::GenericPropertyFile damaged;
                std::vector<std::uint8_t>& v = damaged.f.graph().objects[id].properties[p].value.Edit();
                if (variant == 0 && !v.empty())
                    v.pop_back();
                else if (variant == 1)
                    v.insert(v.end(), {0xff, 0x7f, 0x80});
                else if (!v.empty())
                    v[0] ^= 0xff;
                aafsdk::fixture::SaveBytes(path, aafsdk::fixture::WriteAaf(damaged.f.graph()).bytes);
                const ReadEverything r = ReadFile(path);
                EXPECT_EQ(r.positive, std::vector<std::string>{}) << graph.Path(id) << " property " << p;
                ++variants;
            }
        }
    }
    EXPECT_GT(variants, 400u);
}

}  // namespace

namespace {

// Every sample read whole through the generic access: each object below the header is reached
// through its owners' properties, and no call answers with a positive result.
TEST(ComDamagedValues, EverySampleReadsWholeThroughGenericAccess)
{
    REQUIRE_SHARED_DIR();
    std::size_t objects = 0, values = 0;
    testsupport::ForEachSample(testsupport::SharedDir() / "aaf-samples", [&](const std::filesystem::path& path) {
        SCOPED_TRACE(path.filename().string());
        std::unique_ptr<aafsdk::StoredGraph> graph;
        ASSERT_TRUE(aafsdk::Succeeded(aafsdk::ReadStoredGraph(path, &graph)));
        std::size_t belowHeader = 0;
        for (aafsdk::ObjectId id = 0; id < graph->objects.size(); ++id)
            belowHeader += graph->Path(id).rfind("/Header-2", 0) == 0;
        const ReadEverything r = ReadFile(path);
        EXPECT_EQ(r.objects, belowHeader);
        EXPECT_EQ(r.positive, std::vector<std::string>{});
        objects += r.objects;
        values += r.values;
    });
    EXPECT_GT(objects, 39000u);
    EXPECT_GT(values, 700000u);
}

}  // namespace
