// The value model's property reader over the project's AAF layer: files built in code and the
// sample files, read through the generic property interfaces alone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "aaf/Auid.h"
#include "aaf/DefinitionT.h"
#include "aaf/ObjectT.h"
#include "aaf/PropertyValues.h"
#include "aaf/ReferencedParameterReader.h"
#include "aaf/ValueMakers.h"
#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/com/ComObject.h"
#include "aafsdk/com/StoredValues.h"
#include "aafsdk/fixture/AafWriter.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/ItemSlot.h"
#include "records/ParameterRecord.h"
#include "support/GenericPropertyFixture.h"
#include "support/InterfaceWalk.h"
#include "support/TestSupport.h"
#include "support/ValueText.h"

namespace {

using namespace aafsdk::literals;
using testsupport::Describe;
using testsupport::OpenedFile;
using testsupport::Query;
using testsupport::Ref;
namespace generic = testsupport::generic;
using Texts = std::vector<std::string>;

Auid ToFcpAuid(const aafsdk::Auid& a)
{
    return ToAuid(aafsdk::com::UidFromAuid(a));
}

// The values the reader appends for one property of an object, as texts.
Texts Collect(IUnknown* object, const aafsdk::Auid& property)
{
    ObjectT head;
    if (GetInterface(&head.object, IID_IAAFObject, "IID_IAAFObject", object) < 0)
        return {"(no IAAFObject)"};
    head.CountProperties();
    PropertyValueList list;
    EXPECT_GE(head.CollectPropertyValues(list, ToFcpAuid(property)), 0);
    return Describe(list);
}

// Reads a referenced parameter as its definition's AUID and the byte count of its constant value.
class ByteCountReader final : public ReferencedParameterReader {
public:
    void Read(IAAFTypeDefObjectRef* type, IAAFPropertyValue* value, Auid& definition, ParameterRecord& record) override
    {
        Ref<IUnknown> object;
        if (type->GetObject(value, IID_IAAFParameter, object.out()) != 0)
            return;
        Ref<IAAFParameterDef> parameterDefinition;
        Ref<IAAFDefObject> defObject;
        Ref<IAAFConstantValue> constant;
        aafUID_t id{};
        auto* parameter = static_cast<IAAFParameter*>(object.get());
        if (parameter->GetParameterDefinition(parameterDefinition.out()) == 0 &&
            Query(parameterDefinition.get(), IID_IAAFDefObject, &defObject) == 0 && defObject->GetAUID(&id) == 0)
            definition = ToAuid(id);
        aafUInt32 bytes = 0;
        if (Query(object.get(), IID_IAAFConstantValue, &constant) == 0 && constant->GetValueBufLen(&bytes) == 0) {
            ValueBase* made = nullptr;
            MakeIntValue(static_cast<int>(bytes), &made);
            record.constantValues.push_back(made);
        }
    }
};

struct Built {
    generic::GenericPropertyFile g;
    testsupport::TempDir dir;
    OpenedFile file;
    Ref<IAAFMob> mob;
    Ref<IUnknown> clip, warp, marker;
    Ref<IAAFParameter> ratio, level;
    Ref<IAAFControlPoint> point;

    void Open()
    {
        const auto path = dir / "generic.aaf";
        aafsdk::fixture::SaveBytes(path, aafsdk::fixture::WriteAaf(g.f.graph()).bytes);
        ASSERT_EQ(file.Open(path), 0);
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            Ref<IAAFMob> m;
            Ref<IAAFSourceClip> c;
            Ref<IAAFOperationGroup> group;
            Ref<IAAFCommentMarker> cm;
            if (!mob && Query(o, IID_IAAFMob, &m) == 0)
                (void)Query(o, IID_IAAFMob, &mob);
            else if (!clip && Query(o, IID_IAAFSourceClip, &c) == 0)
                (void)Query(o, IID_IUnknown, &clip);
            else if (!warp && Query(o, IID_IAAFOperationGroup, &group) == 0)
                (void)Query(o, IID_IUnknown, &warp);
            else if (!marker && Query(o, IID_IAAFCommentMarker, &cm) == 0)
                (void)Query(o, IID_IUnknown, &marker);
        });
        ASSERT_TRUE(mob && clip && warp && marker);
        Ref<IAAFOperationGroup> group;
        ASSERT_EQ(Query(warp.get(), IID_IAAFOperationGroup, &group), 0);
        Ref<IEnumAAFParameters> parameters;
        ASSERT_EQ(group->GetParameters(parameters.out()), 0);
        ASSERT_EQ(parameters->NextOne(ratio.out()), 0);
        ASSERT_EQ(parameters->NextOne(level.out()), 0);
        Ref<IAAFVaryingValue> varying;
        ASSERT_EQ(Query(level.get(), IID_IAAFVaryingValue, &varying), 0);
        ASSERT_EQ(varying->GetControlPointAt(0, point.out()), 0);
    }
};

TEST(PropertyValuesOnFiles, TheGenericPropertiesOfABuiltFileReadAsTheValueModelDescribes)
{
    Built b;
    b.Open();
    ByteCountReader reader;
    SetReferencedParameterReader(&reader);
    const auto data1 = [](const aafsdk::Auid& a) { return std::to_string(ToFcpAuid(a).Data1); };
    const struct {
        const char* what;
        IUnknown* object;
        aafsdk::Auid property;
        Texts expected;
    } cases[] = {
        {"mob attributes", b.mob.get(), generic::kMobAttributes, {"tagged SEQUENCE_FORMAT_TYPE=int 5"}},
        {"component attributes",
         b.clip.get(),
         generic::kComponentAttributes,
         {"tagged _COMMENT=text Check focus \xc3\xa9", "tagged Comments=text not an item comment",
          "tagged _MFX_GRAPH_ENABLED=int 1", "tagged _FLAG=null"}},
        {"marker name", b.marker.get(), generic::kMarkerName, {"text Gr\xc3\xbc\xc3\x9f" "e \xe6\x97\xa5\xe6\x9c\xac"}},
        {"marker colour", b.marker.get(), generic::kMarkerColour, {"vector red=int 1 green=int 2 blue=int 65535"}},
        {"described slots", b.marker.get(), generic::kDescribedSlots, {"int 1", "int 3"}},
        {"speed offset ratio", b.warp.get(), generic::kSpeedOffsetRatio, {"vector Numerator=int 3 Denominator=int 2"}},
        {"control point handles",
         b.point.get(),
         generic::kPointHandles,
         {"parameter " + data1(generic::kHandleInX) + "=int 8", "parameter " + data1(generic::kHandleMode) + "=int 4"}},
        {"a property the object lacks", b.mob.get(), generic::kComponentAttributes, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Collect(c.object, c.property), c.expected) << c.what;
    SetReferencedParameterReader(nullptr);
}

TEST(PropertyValuesOnFiles, DefinitionsOfABuiltFileReadByTheirReaders)
{
    Built b;
    b.Open();
    Ref<IAAFOperationGroup> group;
    Ref<IAAFOperationDef> operation;
    ASSERT_EQ(Query(b.warp.get(), IID_IAAFOperationGroup, &group), 0);
    ASSERT_EQ(group->GetOperationDefinition(operation.out()), 0);
    DefinitionT op;
    EXPECT_EQ(op.ReadDefObject(operation.get()), 0);
    EXPECT_EQ(op.name, "Motion Control");
    EXPECT_EQ(op.description, "");
    EXPECT_EQ(op.idText, AuidToText(ToFcpAuid(aafsdk::fixture::AuidOf(generic::kSpeedControl))));

    Ref<IAAFVaryingValue> varying;
    Ref<IAAFInterpolationDef> interpolation;
    ASSERT_EQ(Query(b.level.get(), IID_IAAFVaryingValue, &varying), 0);
    ASSERT_EQ(varying->GetInterpolationDefinition(interpolation.out()), 0);
    DefinitionT bezier;
    EXPECT_EQ(bezier.ReadDefObject(interpolation.get()), 0);
    EXPECT_EQ(bezier.name, "AvidBezierInterpolator");
    EXPECT_EQ(bezier.description, "Bezier keyframes");
    EXPECT_TRUE(AuidEquals(bezier.id, ToFcpAuid(generic::kBezier)));

    Ref<IAAFConstantValue> constant;
    Ref<IAAFTypeDef> type;
    ASSERT_EQ(Query(b.ratio.get(), IID_IAAFConstantValue, &constant), 0);
    ASSERT_EQ(constant->GetTypeDefinition(type.out()), 0);
    DefinitionT rational;
    EXPECT_EQ(rational.ReadMetaDefinition(type.get()), 0);
    EXPECT_EQ(rational.name, "Rational");
    EXPECT_TRUE(AuidEquals(rational.id, ToFcpAuid(generic::kRational)));
    EXPECT_LT(rational.ReadDefObject(type.get()), 0) << "a type is no Dictionary definition";
}

TEST(PropertyValuesOnFiles, CommentTagsOfABuiltFileBecomeClipComments)
{
    Built b;
    b.Open();
    ItemSlot slot;
    NewClipItemCopy(slot, FCPClipItemTag("shot"));
    ObjectT head;
    ASSERT_EQ(GetInterface(&head.object, IID_IAAFObject, "IID_IAAFObject", b.clip.get()), 0);
    head.CountProperties();
    head.AddCommentsToCurrentItem(&slot);
    auto* item = dynamic_cast<FCPClipItemTag*>(slot.get());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->comments.clipcommenta, "Check focus \xc3\xa9");
}

}  // namespace

namespace {

// What the reader must append for a property, worked out from the layer's object model instead of
// its interfaces: integers narrowed as the reader narrows them, sets flattened, tagged-value lists
// by name with their text or Int32 value, records by their integer members.
class Expectation {
public:
    explicit Expectation(const aafsdk::FileModel& model) : model_(model) {}

    Texts For(aafsdk::ObjectId object, const aafsdk::StoredProperty& property) const
    {
        aafsdk::Value v;
        Texts out;
        if (model_.Decode(object, property, &v, nullptr))
            Append(v, out, 0);
        return out;
    }

private:
    static std::string Narrowed(const aafsdk::Value& v, std::uint32_t size)
    {
        const std::uint64_t bits = v.bits;
        const std::int32_t n = size == 1   ? std::int32_t(bits & 0xff)
                               : size == 2 ? std::int32_t(bits & 0xffff)
                                           : std::int32_t(std::uint32_t(bits));
        return "int " + std::to_string(n);
    }

    static std::string Text(std::u16string text)
    {
        const auto nul = text.find(u'\0');
        if (nul != std::u16string::npos)
            text.resize(nul);
        return aafsdk::Utf16ToUtf8(text);
    }

    std::string Tagged(aafsdk::ObjectId tagged) const
    {
        const aafsdk::StoredObject& o = model_.graph().object(tagged);
        std::u16string name;
        for (const auto& p : o.properties) {
            aafsdk::Value v;
            if (p.pid == 0x5001 && model_.Decode(tagged, p, &v, nullptr))
                name = v.text;
        }
        std::string value = "null";
        const aafsdk::StoredProperty* stored = o.Find(0x5003);
        aafsdk::Value v;
        if (stored && model_.Decode(tagged, *stored, &v, nullptr) && v.elements.size() == 1) {
            const aafsdk::Value& actual = v.elements[0];
            if (actual.type->id == generic::kString && !Text(actual.text).empty())
                value = "text " + Text(actual.text);
            else if (actual.type->id == generic::kInt32)
                value = Narrowed(actual, 4);
        }
        return "tagged " + Text(name) + "=" + value;
    }

    void Append(const aafsdk::Value& v, Texts& out, int depth) const
    {
        const aafsdk::TypeDef* t = v.type;
        if (!t || depth > 8)
            return;
        switch (t->category) {
        case aafsdk::TypeCategory::Integer:
            out.push_back(Narrowed(v, t->size));
            break;
        case aafsdk::TypeCategory::String:
            out.push_back("text " + Text(v.text));
            break;
        case aafsdk::TypeCategory::Set:
            for (std::size_t i = 0; i < v.count; ++i) {
                aafsdk::Value e;
                if (aafsdk::ElementAt(v, i, &e))
                    Append(e, out, depth + 1);
            }
            break;
        case aafsdk::TypeCategory::VariableArray:
            if (t->element && t->element->id == "05021a00-0000-0000-060e-2b3401040101"_auid)
                for (aafsdk::ObjectId tagged : v.objects)
                    out.push_back(Tagged(tagged));
            break;
        case aafsdk::TypeCategory::Record: {
            std::string text = "vector";
            for (std::size_t i = 0; i < t->members.size() && i < v.elements.size(); ++i)
                if (t->members[i].type->category == aafsdk::TypeCategory::Integer)
                    text += " " + t->members[i].name + "=" + Narrowed(v.elements[i], t->members[i].type->size);
            out.push_back(text);
            break;
        }
        default:
            break;
        }
    }

    const aafsdk::FileModel& model_;
};

// Over every sample: each comment marker property by property, each component's and each mob's
// attribute list, read through the interfaces, against the object model's own reading.
TEST(PropertyValuesOnFiles, SampleMarkersAndAttributeListsReadAsTheirModel)
{
    REQUIRE_SHARED_DIR();
    std::size_t markers = 0, lists = 0, values = 0;
    testsupport::ForEachSample(testsupport::SharedDir() / "aaf-samples", [&](const std::filesystem::path& path) {
        SCOPED_TRACE(path.filename().string());
        OpenedFile file;
        ASSERT_EQ(file.Open(path), 0);
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            Ref<IUnknown> identity;
            ASSERT_EQ(Query(o, IID_IUnknown, &identity), 0);
            auto* object = dynamic_cast<aafsdk::com::ModelObject*>(identity.get());
            ASSERT_NE(object, nullptr);
            const Expectation expect(object->model());
            Ref<IAAFCommentMarker> marker;
            std::vector<const aafsdk::StoredProperty*> properties;
            if (Query(o, IID_IAAFCommentMarker, &marker) == 0) {
                ++markers;
                for (const auto& p : object->stored()->properties)
                    properties.push_back(&p);
            }
            for (const aafsdk::Auid& list : {generic::kComponentAttributes, generic::kMobAttributes})
                if (const auto* p = object->model().FindProperty(object->object(), list)) {
                    ++lists;
                    if (!marker)
                        properties.push_back(p);
                }
            for (const aafsdk::StoredProperty* p : properties) {
                const aafsdk::PropertyDef* def = object->model().DefinitionOf(object->object(), *p);
                if (!def)
                    continue;  // no definition to find it by
                const Texts expected = expect.For(object->object(), *p);
                values += expected.size();
                EXPECT_EQ(Collect(o, def->id), expected) << def->name << " of " << object->graph().Path(object->object());
            }
        });
    });
    // What the samples hold, so that a walk that finds nothing cannot pass.
    EXPECT_EQ(markers, 49u);
    EXPECT_EQ(lists, 1350u);
    EXPECT_EQ(values, 4217u);
}

TEST(PropertyValuesOnFiles, SampleValuesWhoseReadingIsKnown)
{
    REQUIRE_SHARED_DIR();
    const auto sample = [](const char* name) { return testsupport::SharedDir() / "aaf-samples" / name; };
    // The first comment marker, the first time warp and the first mob of a file.
    const auto first = [](const std::filesystem::path& path, REFIID iid, Ref<IUnknown>* out) {
        OpenedFile file;
        ASSERT_EQ(file.Open(path), 0);
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            Ref<IUnknown> typed;
            Ref<IAAFOperationGroup> group;
            aafBoolean_t warp = kAAFTrue;
            if (*out || Query(o, iid, &typed) != 0)
                return;
            if (iid == IID_IAAFOperationGroup &&
                (Query(o, IID_IAAFOperationGroup, &group) != 0 || group->IsATimeWarp(&warp) != 0 || !warp))
                return;
            (void)Query(o, IID_IUnknown, out);
        });
        ASSERT_TRUE(*out) << path;
    };
    const aafsdk::Auid mobName = "01030302-0100-0000-060e-2b3401010101"_auid;
    const aafsdk::Auid userComments = "03020102-0c00-0000-060e-2b3401010102"_auid;
    const struct {
        const char* file;
        const IID* holder;
        aafsdk::Auid property;
        Texts expected;
    } cases[] = {
        {"one_marker.aaf", &IID_IAAFCommentMarker, generic::kMarkerName, {"text marker1"}},
        {"one_marker.aaf", &IID_IAAFCommentMarker, generic::kMarkerColour, {"vector red=int 58981 green=int 58981 blue=int 6553"}},
        {"one_marker.aaf", &IID_IAAFCommentMarker, generic::kDescribedSlots, {"int 9"}},
        {"retime_linear02.aaf", &IID_IAAFOperationGroup, generic::kSpeedOffsetRatio, {"vector Numerator=int 2 Denominator=int 1"}},
        {"linear_speed_effects.aaf",
         &IID_IAAFOperationGroup,
         generic::kComponentAttributes,
         {"tagged _SFX_RENDER=int -1", "tagged _MFX_INPUT_FORMAT=int 2", "tagged _MFX_VIEW_SPD_TOP=int 300",
          "tagged _MFX_VIEW_SPD_BOTTOM=int -100", "tagged _MFX_OUTPUT_FORMAT=int 2"}},
    };
    for (const auto& c : cases) {
        Ref<IUnknown> holder;
        first(sample(c.file), *c.holder, &holder);
        if (holder) {
            EXPECT_EQ(Collect(holder.get(), c.property), c.expected) << c.file;
        }
    }

    // A dissolve's control point keeps its Bezier handles as parameters.
    {
        ByteCountReader reader;
        SetReferencedParameterReader(&reader);
        OpenedFile file;
        ASSERT_EQ(file.Open(sample("transitions.aaf")), 0);
        Ref<IAAFControlPoint> point;
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            Ref<IAAFOperationGroup> group;
            Ref<IEnumAAFParameters> parameters;
            Ref<IAAFParameter> p;
            Ref<IAAFVaryingValue> varying;
            if (point || Query(o, IID_IAAFOperationGroup, &group) != 0 || group->GetParameters(parameters.out()) != 0)
                return;
            while (!point && parameters->NextOne(p.out()) == 0)
                if (Query(p.get(), IID_IAAFVaryingValue, &varying) == 0)
                    (void)varying->GetControlPointAt(0, point.out());
        });
        ASSERT_TRUE(point);
        Texts handles;
        for (const char* id : {"8d56830e", "8d56830f", "8d568310", "8d568311"})
            handles.push_back("parameter " + std::to_string(std::stoul(id, nullptr, 16)) + "=int 8");
        handles.push_back("parameter " + std::to_string(0x8d568312ul) + "=int 4");
        EXPECT_EQ(Collect(point.get(), generic::kPointHandles), handles);
        SetReferencedParameterReader(nullptr);
    }

    // Accented and non-Latin names come through whole.
    const struct {
        const char* file;
        aafsdk::Auid property;
        std::string expected;
    } names[] = {
        {"PT_lang_de.aaf", mobName, "text Samplegenaue Bearbeitung"},
        {"PT_lang_ja.aaf", mobName, "text \xe3\x82\xb5\xe3\x83\xb3\xe3\x83\x97\xe3\x83\xab\xe7\xb2\xbe\xe5\xba\xa6\xe7\xb7\xa8\xe9\x9b\x86"},
        {"PT_lang_zh_CN.aaf", mobName, "text \xe7\xb2\xbe\xe7\xa1\xae\xe9\x87\x87\xe6\xa0\xb7\xe7\xbc\x96\xe8\xbe\x91"},
        {"utf8.aaf", mobName, "text Clip_ABCXYZ\xc3\xb1\xc3\xa7\xc3\xaa\xc5\x93\xe2\x80\xa2\xe2\x88\x91\xc2\xb4\xc2\xae\xe2\x80\xa0\xc2\xa5\xc2\xa8\xcb\x86\xc3\xb8\xcf\x80\xe2\x80\x9c\xe2\x80\x98\xc3\xa5\xc3\x9f\xe2\x88\x82\xc6\x92\xc2\xa9\xcb\x99\xe2\x88\x86\xcb\x9a\xc2\xac\xe2\x80\xa6\xc3\xa6\xce\xa9\xe2\x89\x88\xc3\xa7\xe2\x88\x9a\xe2\x88\xab\xcb\x9c\xc2\xb5\xe2\x89\xa4\xe2\x89\xa5\xc3\xb7"},
        {"utf8.aaf", userComments, "tagged Comments=text Comments_ABCXYZ\xc3\xb1\xc3\xa7\xc3\xaa\xc5\x93\xe2\x80\xa2\xe2\x88\x91\xc2\xb4\xc2\xae\xe2\x80\xa0\xc2\xa5\xc2\xa8\xcb\x86\xc3\xb8\xcf\x80\xe2\x80\x9c\xe2\x80\x98\xc3\xa5\xc3\x9f\xe2\x88\x82\xc6\x92\xc2\xa9\xcb\x99\xe2\x88\x86\xcb\x9a\xc2\xac\xe2\x80\xa6\xc3\xa6\xce\xa9\xe2\x89\x88\xc3\xa7\xe2\x88\x9a\xe2\x88\xab\xcb\x9c\xc2\xb5\xe2\x89\xa4\xe2\x89\xa5\xc3\xb7"},
    };
    for (const auto& n : names) {
        OpenedFile file;
        ASSERT_EQ(file.Open(sample(n.file)), 0);
        bool found = false;
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            Ref<IAAFMob> mob;
            if (Query(o, IID_IAAFMob, &mob) != 0)
                return;
            for (const std::string& text : Collect(o, n.property))
                found = found || text == n.expected;
        });
        EXPECT_TRUE(found) << n.file << ": " << n.expected;
    }
}

}  // namespace
