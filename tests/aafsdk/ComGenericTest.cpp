// Generic property access and the effect interfaces over files built in code (every method's
// failure paths: absent optional values, short buffers, values of another type) and over the
// samples, where every property of every comment marker and every attribute list reads through
// the interfaces as the dump tool shows it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/com/ComObject.h"
#include "aafsdk/com/StoredValues.h"
#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/include/AAF.h"
#include "aafsdk/model/ModelDump.h"
#include "support/GenericPropertyFixture.h"
#include "support/InterfaceWalk.h"
#include "support/TestSupport.h"

namespace {

using namespace aafsdk::literals;
using testsupport::OpenedFile;
using testsupport::Query;
using testsupport::Ref;
namespace generic = testsupport::generic;

template <class Getter>
std::string WideText(aafUInt32 bytes, Getter get)
{
    std::u16string text(bytes / 2, u'\0');
    if (get(text.data(), bytes) != 0)
        return "(failed)";
    if (!text.empty())
        text.pop_back();
    return aafsdk::Utf16ToUtf8(text);
}


constexpr aafsdk::Auid kTaggedReference = "05021a00-0000-0000-060e-2b3401040101"_auid;

std::string MetaIdText(const aafUID_t& id)
{
    return aafsdk::com::AuidFromUid(id).ToString();
}

aafUID_t UidOf(IUnknown* definition)
{
    Ref<IAAFDefObject> def;
    aafUID_t id{};
    if (Query(definition, IID_IAAFDefObject, &def) == 0)
        (void)def->GetAUID(&id);
    return id;
}

aafsdk::Auid MetaId(IUnknown* definition)
{
    Ref<IAAFMetaDefinition> meta;
    aafUID_t id{};
    if (Query(definition, IID_IAAFMetaDefinition, &meta) != 0 || meta->GetAUID(&id) != 0)
        return {};
    return aafsdk::com::AuidFromUid(id);
}

// The category's name as the object model names it.
std::string CategoryName(eAAFTypeCategory_t c)
{
    switch (c) {
    case kAAFTypeCatInt: return "Integer";
    case kAAFTypeCatCharacter: return "Character";
    case kAAFTypeCatString: return "String";
    case kAAFTypeCatRecord: return "Record";
    case kAAFTypeCatEnum: return "Enumeration";
    case kAAFTypeCatExtEnum: return "ExtendibleEnumeration";
    case kAAFTypeCatFixedArray: return "FixedArray";
    case kAAFTypeCatVariableArray: return "VariableArray";
    case kAAFTypeCatSet: return "Set";
    case kAAFTypeCatStrongObjRef: return "StrongObjectReference";
    case kAAFTypeCatWeakObjRef: return "WeakObjectReference";
    case kAAFTypeCatRename: return "Rename";
    case kAAFTypeCatIndirect: return "Indirect";
    case kAAFTypeCatOpaque: return "Opaque";
    case kAAFTypeCatStream: return "Stream";
    default: return "Unknown";
    }
}

std::string MetaName(IUnknown* definition)
{
    Ref<IAAFMetaDefinition> meta;
    aafUInt32 bytes = 0;
    if (Query(definition, IID_IAAFMetaDefinition, &meta) != 0 || meta->GetNameBufLen(&bytes) != 0)
        return "(no name)";
    return WideText(bytes, [&](aafCharacter* t, aafUInt32 n) { return meta->GetName(t, n); });
}

// A tagged value as the dump shows its value: the type's name, then the text or the Int32.
std::string TaggedText(IAAFTaggedValue* tagged)
{
    aafUInt32 bytes = 0;
    EXPECT_EQ(tagged->GetNameBufLen(&bytes), 0);
    const std::string name = WideText(bytes, [&](aafCharacter* t, aafUInt32 n) { return tagged->GetName(t, n); });
    Ref<IAAFTypeDef> type;
    if (tagged->GetTypeDefinition(type.out()) != 0)
        return name + "=(no type)";
    const std::string typeName = MetaName(type.get());
    aafUInt32 size = 0, read = 0;
    EXPECT_EQ(tagged->GetValueBufLen(&size), 0);
    std::vector<aafUInt8> value(size);
    EXPECT_EQ(tagged->GetValue(size, value.data(), &read), 0);
    EXPECT_EQ(read, size);
    if (typeName == "String") {
        std::u16string text(size / 2, u'\0');
        std::memcpy(text.data(), value.data(), text.size() * 2);
        if (!text.empty() && text.back() == 0)
            text.pop_back();
        return name + "=String " + aafsdk::QuotedText(text);
    }
    if (typeName == "Int32" && size == 4) {
        std::int32_t v = 0;
        std::memcpy(&v, value.data(), 4);
        return name + "=Int32 " + std::to_string(v);
    }
    return name + "=" + typeName;
}

// A property value as the dump shows it, for the types the generic interfaces read; empty for
// the others. Tagged values an attribute list refers to are appended to tagged.
std::string Render(IAAFPropertyValue* value, IAAFTypeDef* type, std::vector<std::string>* tagged, int depth = 0)
{
    if (depth > 8)
        return "(too deep)";
    Ref<IAAFTypeDefInt> integer;
    Ref<IAAFTypeDefString> string;
    Ref<IAAFTypeDefSet> set;
    Ref<IAAFTypeDefRecord> record;
    Ref<IAAFTypeDefVariableArray> array;
    if (Query(type, IID_IAAFTypeDefInt, &integer) == 0) {
        std::int64_t v = 0;
        EXPECT_EQ(integer->GetInteger(value, reinterpret_cast<aafMemPtr_t>(&v), sizeof v), 0);
        return std::to_string(v);
    }
    if (Query(type, IID_IAAFTypeDefString, &string) == 0) {
        aafUInt32 count = 0;
        EXPECT_EQ(string->GetCount(value, &count), 0);
        return aafsdk::QuotedText(aafsdk::Utf8ToUtf16(
            WideText(count * 2, [&](aafCharacter* t, aafUInt32 n) { return string->GetElements(value, t, n); })));
    }
    if (Query(type, IID_IAAFTypeDefSet, &set) == 0) {
        aafUInt32 count = 0;
        Ref<IEnumAAFPropertyValues> elements;
        EXPECT_EQ(set->GetCount(value, &count), 0);
        EXPECT_EQ(set->GetElements(value, elements.out()), 0);
        std::string text = "[";
        Ref<IAAFPropertyValue> element;
        for (aafUInt32 i = 0; i < count && elements->NextOne(element.out()) == 0; ++i) {
            Ref<IAAFTypeDef> elementType;
            EXPECT_EQ(element->GetType(elementType.out()), 0);
            text += (i ? ", " : "") + Render(element.get(), elementType.get(), tagged, depth + 1);
        }
        EXPECT_EQ(elements->NextOne(element.out()), AAFRESULT_NO_MORE_OBJECTS);
        return text + "]";
    }
    if (Query(type, IID_IAAFTypeDefRecord, &record) == 0) {
        aafUInt32 count = 0, bytes = 0;
        EXPECT_EQ(record->GetCount(&count), 0);
        // Records of integers only (AUIDs and MobIDs the dump shows in their own forms).
        for (aafUInt32 i = 0; i < count; ++i) {
            Ref<IAAFTypeDef> memberType;
            Ref<IAAFTypeDefInt> memberInteger;
            EXPECT_EQ(record->GetMemberType(i, memberType.out()), 0);
            if (Query(memberType.get(), IID_IAAFTypeDefInt, &memberInteger) != 0)
                return "";
        }
        std::string text = "{";
        for (aafUInt32 i = 0; i < count; ++i) {
            Ref<IAAFTypeDef> memberType;
            Ref<IAAFPropertyValue> member;
            EXPECT_EQ(record->GetMemberNameBufLen(i, &bytes), 0);
            EXPECT_EQ(record->GetMemberType(i, memberType.out()), 0);
            EXPECT_EQ(record->GetValue(value, i, member.out()), 0);
            text += (i ? ", " : "") +
                    WideText(bytes, [&](aafCharacter* t, aafUInt32 n) { return record->GetMemberName(i, t, n); }) +
                    ": " + Render(member.get(), memberType.get(), tagged, depth + 1);
        }
        return text + "}";
    }
    if (Query(type, IID_IAAFTypeDefVariableArray, &array) == 0) {
        Ref<IAAFTypeDef> elementType;
        Ref<IAAFTypeDefStrongObjRef> strong;
        Ref<IAAFTypeDefObjectRef> reference;
        EXPECT_EQ(array->GetType(elementType.out()), 0);
        if (MetaId(elementType.get()) != kTaggedReference ||
            Query(elementType.get(), IID_IAAFTypeDefStrongObjRef, &strong) != 0 ||
            Query(strong.get(), IID_IAAFTypeDefObjectRef, &reference) != 0)
            return "";
        aafUInt32 count = 0;
        EXPECT_EQ(array->GetCount(value, &count), 0);
        std::string text = "-> [";
        for (aafUInt32 i = 0; i < count; ++i) {
            Ref<IAAFPropertyValue> element;
            Ref<IUnknown> object;
            EXPECT_EQ(array->GetElementValue(value, i, element.out()), 0);
            EXPECT_EQ(reference->GetObject(element.get(), IID_IAAFTaggedValue, object.out()), 0);
            text += std::string(i ? ", " : "") + "TaggedValue";
            if (object)
                tagged->push_back(TaggedText(static_cast<IAAFTaggedValue*>(object.get())));
        }
        Ref<IAAFPropertyValue> beyond;
        EXPECT_EQ(array->GetElementValue(value, count, beyond.out()), AAFRESULT_BADINDEX);
        return text + "]";
    }
    return "";
}

// Every property of an object through IAAFObject: "name: value" with the value as the dump shows
// it (types the generic interfaces do not read show their category), and the tagged values of its
// attribute lists.
struct Walked {
    std::vector<std::string> properties;
    std::vector<std::string> tagged;
};

Walked WalkProperties(IUnknown* holder)
{
    Walked w;
    Ref<IAAFObject> object;
    EXPECT_EQ(Query(holder, IID_IAAFObject, &object), 0);
    aafUInt32 count = 0;
    Ref<IEnumAAFProperties> properties;
    EXPECT_EQ(object->CountProperties(&count), 0);
    EXPECT_EQ(object->GetProperties(properties.out()), 0);
    for (aafUInt32 i = 0; i < count; ++i) {
        Ref<IAAFProperty> property;
        Ref<IAAFPropertyDef> definition;
        Ref<IAAFPropertyValue> value;
        Ref<IAAFTypeDef> type;
        aafBoolean_t defined = kAAFFalse;
        eAAFTypeCategory_t category = kAAFTypeCatUnknown;
        EXPECT_EQ(properties->NextOne(property.out()), 0);
        EXPECT_EQ(property->GetDefinition(definition.out()), 0);
        EXPECT_EQ(property->GetValue(value.out()), 0);
        EXPECT_EQ(value->IsDefinedType(&defined), 0);
        EXPECT_EQ(defined, kAAFTrue);
        EXPECT_EQ(value->GetType(type.out()), 0);
        EXPECT_EQ(type->GetTypeCategory(&category), 0);
        const std::string shown = Render(value.get(), type.get(), &w.tagged);
        w.properties.push_back(MetaName(definition.get()) + ": " +
                               (shown.empty() ? CategoryName(category) : shown));
        // The same value looked up by its definition's AUID.
        Ref<IAAFPropertyValue> direct;
        Ref<IAAFTypeDef> directType;
        std::vector<std::string> unused;
        EXPECT_EQ(object->LookupPropertyValue(aafsdk::com::UidFromAuid(MetaId(definition.get())), direct.out()), 0);
        EXPECT_EQ(direct->GetType(directType.out()), 0);
        EXPECT_EQ(Render(direct.get(), directType.get(), &unused), shown);
    }
    Ref<IAAFPropertyValue> absent;
    EXPECT_EQ(object->LookupPropertyValue(aafUID_t{0x0D0E0A0D, 0, 0, {}}, absent.out()), AAFRESULT_PROP_NOT_PRESENT);
    EXPECT_EQ(absent.get(), nullptr);
    EXPECT_EQ(object->LookupPropertyValue(aafUID_t{}, nullptr), AAFRESULT_NULL_PARAM);
    Ref<IAAFProperty> beyond;
    EXPECT_EQ(properties->NextOne(beyond.out()), AAFRESULT_NO_MORE_OBJECTS);
    return w;
}

// The same from the object model with the dump tool's formatting.
Walked DumpProperties(IUnknown* holder)
{
    Walked w;
    Ref<IUnknown> identity;
    EXPECT_EQ(Query(holder, IID_IUnknown, &identity), 0);
    const auto* object = dynamic_cast<aafsdk::com::ModelObject*>(identity.get());
    const aafsdk::FileModel& model = object->model();
    for (const auto& p : object->stored()->properties) {
        const aafsdk::PropertyDef* def = model.DefinitionOf(object->object(), p);
        aafsdk::Value v;
        if (!def || !model.Decode(object->object(), p, &v, nullptr))
            continue;
        const aafsdk::TypeCategory c = def->type->category;
        bool integers = true;
        for (const auto& m : def->type->members)
            integers = integers && m.type->category == aafsdk::TypeCategory::Integer;
        const bool readable = c == aafsdk::TypeCategory::Integer || c == aafsdk::TypeCategory::String ||
                              c == aafsdk::TypeCategory::Set || (c == aafsdk::TypeCategory::Record && integers) ||
                              (c == aafsdk::TypeCategory::VariableArray && def->type->element->id == kTaggedReference);
        w.properties.push_back(def->name + ": " +
                               (readable ? aafsdk::FormatValue(model, v) : aafsdk::TypeCategoryName(c)));
        if (!readable || v.kind != aafsdk::ValueKind::StrongReferenceVector)
            continue;
        for (aafsdk::ObjectId tagged : v.objects) {
            const auto& o = model.graph().object(tagged);
            aafsdk::Value name, value;
            if (model.Decode(tagged, *o.Find(0x5001), &name, nullptr) &&
                model.Decode(tagged, *o.Find(0x5003), &value, nullptr))
                w.tagged.push_back(aafsdk::Utf16ToUtf8(name.text) + "=" + aafsdk::FormatValue(model, value));
        }
    }
    return w;
}

TEST(ComGenericSamples, EveryPropertyOfMarkersAndAttributeListsAsTheDumpShowsIt)
{
    REQUIRE_SHARED_DIR();
    std::size_t markers = 0, lists = 0;
    testsupport::ForEachSample(testsupport::SharedDir() / "aaf-samples", [&](const std::filesystem::path& path) {
        SCOPED_TRACE(path.filename().string());
        OpenedFile file;
        ASSERT_EQ(file.Open(path), 0);
        testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
            Ref<IAAFCommentMarker> marker;
            Ref<IAAFComponent> component;
            if (Query(o, IID_IAAFCommentMarker, &marker) == 0)
                ++markers;
            else if (Query(o, IID_IAAFComponent, &component) != 0)
                return;
            const Walked expected = DumpProperties(o);
            bool hasList = false;
            for (const auto& p : expected.properties)
                hasList = hasList || p.rfind("ComponentAttributeList: ", 0) == 0;
            if (!marker && !hasList)
                return;
            lists += hasList;
            const Walked walked = WalkProperties(o);
            EXPECT_EQ(walked.properties, expected.properties);
            EXPECT_EQ(walked.tagged, expected.tagged);
        });
    });
    EXPECT_EQ(markers, 49u);
    EXPECT_GT(lists, 500u);
}

TEST(ComGenericSamples, AMarkerAsTheDumpListsIt)
{
    REQUIRE_SHARED_DIR();
    OpenedFile file;
    ASSERT_EQ(file.Open(testsupport::SharedDir() / "aaf-samples" / "one_marker.aaf"), 0);
    Walked walked;
    testsupport::ForEachObject(file.header.get(), [&](IUnknown* o) {
        Ref<IAAFCommentMarker> marker;
        if (walked.properties.empty() && Query(o, IID_IAAFCommentMarker, &marker) == 0)
            walked = WalkProperties(o);
    });
    const std::vector<std::string> properties = {
        // As the dump lists them; the generic interfaces read no renames and no weak references.
        "CommentMarkerTime: \"17:43\"",
        "CommentMarkerDate: \"02/15/2019\"",
        "CommentMarkerUSer: \"marker1\"",
        "CommentMarkerColor: {red: 58981, green: 58981, blue: 6553}",
        "CommentMarkerAttributeList: -> [TaggedValue, TaggedValue, TaggedValue, TaggedValue, TaggedValue, "
        "TaggedValue, TaggedValue, TaggedValue]",
        "DescribedSlots: [9]",
        "Comment: \"This is a comment.\"",
        "Position: Rename",
        "UserComments: -> [TaggedValue, TaggedValue]",
        "DataDefinition: WeakObjectReference",
    };
    EXPECT_EQ(walked.properties, properties);
    ASSERT_EQ(walked.tagged.size(), 10u);
    EXPECT_EQ(walked.tagged[0], "_ATN_CRM_LONG_CREATE_DATE=Int32 1550281391");
    EXPECT_EQ(walked.tagged[4], "_ATN_CRM_COLOR=String \"Yellow\"");
    EXPECT_EQ(walked.tagged[8], "Comment=String \"This is a comment.\"");
}

}  // namespace

namespace {

// The file built in code, opened, with the objects the tests look at.
class ComGenericFixture : public ::testing::Test {
protected:
    void SetUp() override { Open(g_); }

    // The file g written and opened in place of the one open.
    void Open(const generic::GenericPropertyFile& g)
    {
        clip_.Reset();
        marker_.Reset();
        warp_.Reset();
        bare_.Reset();
        const auto path = dir_ / "generic.aaf";
        aafsdk::fixture::SaveBytes(path, aafsdk::fixture::WriteAaf(g.f.graph()).bytes);
        ASSERT_EQ(file_.Open(path), 0);
        testsupport::ForEachObject(file_.header.get(), [&](IUnknown* o) {
            Ref<IAAFSourceClip> clip;
            Ref<IAAFOperationGroup> group;
            Ref<IAAFCommentMarker> marker;
            if (!clip_ && Query(o, IID_IAAFSourceClip, &clip) == 0)
                (void)Query(o, IID_IUnknown, &clip_);
            else if (Query(o, IID_IAAFOperationGroup, &group) == 0)
                (void)Query(o, IID_IAAFOperationGroup, warp_ ? &bare_ : &warp_);
            else if (Query(o, IID_IAAFCommentMarker, &marker) == 0)
                (void)Query(o, IID_IUnknown, &marker_);
        });
        ASSERT_TRUE(clip_ && warp_ && bare_ && marker_);
    }

    // An object's property found by its definition's name.
    void FindProperty(IUnknown* holder, const std::string& name, Ref<IAAFProperty>* out)
    {
        Ref<IAAFObject> object;
        Ref<IEnumAAFProperties> properties;
        ASSERT_EQ(Query(holder, IID_IAAFObject, &object), 0);
        ASSERT_EQ(object->GetProperties(properties.out()), 0);
        while (properties->NextOne(out->out()) == 0) {
            Ref<IAAFPropertyDef> definition;
            ASSERT_EQ((*out)->GetDefinition(definition.out()), 0);
            if (MetaName(definition.get()) == name)
                return;
        }
        FAIL() << "no property " << name;
    }

    // The value of an object's property found by its definition's name, with its type.
    void Property(IUnknown* holder, const std::string& name, Ref<IAAFPropertyValue>* value, Ref<IAAFTypeDef>* type)
    {
        Ref<IAAFProperty> p;
        ASSERT_NO_FATAL_FAILURE(FindProperty(holder, name, &p));
        ASSERT_EQ(p->GetValue(value->out()), 0);
        ASSERT_EQ((*value)->GetType(type->out()), 0);
    }

    void Parameter(aafUInt32 index, Ref<IAAFParameter>* out)
    {
        Ref<IEnumAAFParameters> parameters;
        ASSERT_EQ(warp_->GetParameters(parameters.out()), 0);
        for (aafUInt32 i = 0; i <= index; ++i)
            ASSERT_EQ(parameters->NextOne(out->out()), 0);
    }

    // What the effect tests call on, as far as the file lets them reach it.
    struct Reached {
        Ref<IAAFParameter> ratio, level;
        Ref<IAAFVaryingValue> varying;
        Ref<IAAFControlPoint> point;
        Ref<IAAFOperationDef> op;
    };

    void Reach(Reached* r)
    {
        Ref<IEnumAAFParameters> parameters;
        if (warp_->GetParameters(parameters.out()) == 0 && parameters->NextOne(r->ratio.out()) == 0 &&
            parameters->NextOne(r->level.out()) == 0 && Query(r->level.get(), IID_IAAFVaryingValue, &r->varying) == 0)
            (void)r->varying->GetControlPointAt(0, r->point.out());
        (void)warp_->GetOperationDefinition(r->op.out());
    }

    generic::GenericPropertyFile g_;
    testsupport::TempDir dir_;
    OpenedFile file_;
    Ref<IUnknown> clip_, marker_;
    Ref<IAAFOperationGroup> warp_, bare_;
};

TEST_F(ComGenericFixture, AnEffectWithoutOptionalValuesOrAStoredDefinition)
{
    aafUInt32 n = 99, bypass = 0;
    aafBoolean_t flag = kAAFTrue;
    EXPECT_EQ(bare_->CountSourceSegments(&n), 0);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(bare_->CountParameters(&n), 0);
    EXPECT_EQ(n, 0u);
    Ref<IEnumAAFParameters> parameters;
    Ref<IAAFParameter> none;
    ASSERT_EQ(bare_->GetParameters(parameters.out()), 0);
    EXPECT_EQ(parameters->NextOne(none.out()), AAFRESULT_NO_MORE_OBJECTS);
    Ref<IAAFSegment> input;
    EXPECT_EQ(bare_->GetInputSegmentAt(0, input.out()), AAFRESULT_BADINDEX);
    EXPECT_EQ(bare_->GetBypassOverride(&bypass), AAFRESULT_PROP_NOT_PRESENT);
    EXPECT_EQ(bare_->IsATimeWarp(&flag), 0);
    EXPECT_EQ(flag, kAAFFalse);
    flag = kAAFTrue;
    EXPECT_EQ(bare_->IsValidTranOperation(&flag), 0);
    EXPECT_EQ(flag, kAAFFalse);
    EXPECT_EQ(bare_->CountParameters(nullptr), AAFRESULT_NULL_PARAM);
    EXPECT_EQ(bare_->IsATimeWarp(nullptr), AAFRESULT_NULL_PARAM);

    // The definition the file does not store answers by its AUID, with the built-in name.
    Ref<IAAFOperationDef> op;
    ASSERT_EQ(bare_->GetOperationDefinition(op.out()), 0);
    Ref<IAAFDefObject> def;
    ASSERT_EQ(Query(op.get(), IID_IAAFDefObject, &def), 0);
    aafUID_t id{};
    aafUInt32 bytes = 0;
    ASSERT_EQ(def->GetAUID(&id), 0);
    EXPECT_EQ(MetaIdText(id), generic::kVideoDissolve);
    ASSERT_EQ(def->GetNameBufLen(&bytes), 0);
    EXPECT_EQ(WideText(bytes, [&](aafCharacter* t, aafUInt32 b) { return def->GetName(t, b); }),
              "OperationDef_VideoDissolve");
    EXPECT_EQ(def->GetDescriptionBufLen(&bytes), AAFRESULT_PROP_NOT_PRESENT);
    aafInt32 inputs = 0, degrade = -1;
    aafUID_t category{};
    Ref<IAAFDataDef> data;
    EXPECT_EQ(op->GetNumberInputs(&inputs), AAFRESULT_PROP_NOT_PRESENT);
    EXPECT_EQ(op->GetBypass(&bypass), AAFRESULT_PROP_NOT_PRESENT);
    EXPECT_EQ(op->GetCategory(&category), AAFRESULT_PROP_NOT_PRESENT);
    EXPECT_EQ(op->GetDataDef(data.out()), AAFRESULT_PROP_NOT_PRESENT);
    EXPECT_EQ(op->CountDegradeToOperations(&degrade), 0);
    EXPECT_EQ(degrade, 0);
    Ref<IAAFObject> notStored;
    EXPECT_EQ(Query(op.get(), IID_IAAFObject, &notStored), E_NOINTERFACE);
}

TEST_F(ComGenericFixture, ParametersValuesAndControlPoints)
{
    aafBoolean_t warp = kAAFFalse;
    aafUInt32 bypass = 0, n = 0, size = 0, read = 0, bytes = 0;
    EXPECT_EQ(warp_->IsATimeWarp(&warp), 0);
    EXPECT_EQ(warp, kAAFTrue);
    EXPECT_EQ(warp_->GetBypassOverride(&bypass), 0);
    EXPECT_EQ(bypass, 1u);
    EXPECT_EQ(warp_->CountParameters(&n), 0);
    EXPECT_EQ(n, 4u);

    // A constant: its value whole, or nothing into a short buffer.
    Ref<IAAFParameter> ratio;
    Parameter(0, &ratio);
    Ref<IAAFConstantValue> constant;
    ASSERT_EQ(Query(ratio.get(), IID_IAAFConstantValue, &constant), 0);
    aafRational_t r{};
    ASSERT_EQ(constant->GetValueBufLen(&size), 0);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(constant->GetValue(7, reinterpret_cast<aafDataBuffer_t>(&r), &read), AAFRESULT_SMALLBUF);
    EXPECT_EQ(constant->GetValue(8, nullptr, &read), AAFRESULT_NULL_PARAM);
    ASSERT_EQ(constant->GetValue(8, reinterpret_cast<aafDataBuffer_t>(&r), &read), 0);
    EXPECT_EQ(read, 8u);
    EXPECT_EQ(r.numerator, 2);
    EXPECT_EQ(r.denominator, 1);
    Ref<IAAFParameterDef> ratioDef;
    ASSERT_EQ(ratio->GetParameterDefinition(ratioDef.out()), 0);
    ASSERT_EQ(ratioDef->GetDisplayUnitsBufLen(&bytes), 0);
    EXPECT_EQ(bytes, 12u);
    aafCharacter units[6];
    EXPECT_EQ(ratioDef->GetDisplayUnits(units, 10), AAFRESULT_SMALLBUF);
    ASSERT_EQ(ratioDef->GetDisplayUnits(units, sizeof units), 0);
    EXPECT_EQ(std::u16string(units), u"ratio");

    // A varying value: its interpolation, its points, their optional edit hints.
    Ref<IAAFParameter> level;
    Parameter(1, &level);
    Ref<IAAFVaryingValue> varying;
    Ref<IAAFConstantValue> notConstant;
    ASSERT_EQ(Query(level.get(), IID_IAAFVaryingValue, &varying), 0);
    EXPECT_LT(Query(level.get(), IID_IAAFConstantValue, &notConstant), 0);
    Ref<IAAFParameterDef> levelDef;
    ASSERT_EQ(level->GetParameterDefinition(levelDef.out()), 0);
    EXPECT_EQ(levelDef->GetDisplayUnitsBufLen(&bytes), AAFRESULT_PROP_NOT_PRESENT);
    Ref<IAAFInterpolationDef> interpolation;
    ASSERT_EQ(varying->GetInterpolationDefinition(interpolation.out()), 0);
    Ref<IAAFDefObject> interpolationDef;
    ASSERT_EQ(Query(interpolation.get(), IID_IAAFDefObject, &interpolationDef), 0);
    ASSERT_EQ(interpolationDef->GetDescriptionBufLen(&bytes), 0);
    EXPECT_EQ(WideText(bytes, [&](aafCharacter* t, aafUInt32 b) { return interpolationDef->GetDescription(t, b); }),
              "Bezier keyframes");
    ASSERT_EQ(varying->CountControlPoints(&n), 0);
    EXPECT_EQ(n, 2u);
    Ref<IAAFControlPoint> first, second, beyond;
    ASSERT_EQ(varying->GetControlPointAt(0, first.out()), 0);
    ASSERT_EQ(varying->GetControlPointAt(1, second.out()), 0);
    EXPECT_EQ(varying->GetControlPointAt(2, beyond.out()), AAFRESULT_BADINDEX);
    aafEditHint_t hint = -1;
    aafRational_t time{};
    EXPECT_EQ(first->GetEditHint(&hint), 0);
    EXPECT_EQ(hint, kAAFProportional);
    EXPECT_EQ(second->GetEditHint(&hint), AAFRESULT_PROP_NOT_PRESENT);
    ASSERT_EQ(second->GetTime(&time), 0);
    EXPECT_EQ(time.numerator, 1);
    ASSERT_EQ(second->GetValueBufLen(&size), 0);
    EXPECT_EQ(second->GetValue(4, reinterpret_cast<aafDataBuffer_t>(&r), &read), AAFRESULT_SMALLBUF);

    // A parameter no Dictionary defines, of a type the file does not define; a value cut short.
    Ref<IAAFParameter> unknown, cut;
    Parameter(2, &unknown);
    Parameter(3, &cut);
    Ref<IAAFParameterDef> noDefinition;
    EXPECT_EQ(unknown->GetParameterDefinition(noDefinition.out()), AAFRESULT_PARAMETER_NOT_FOUND);
    Ref<IAAFConstantValue> unknownValue, cutValue;
    ASSERT_EQ(Query(unknown.get(), IID_IAAFConstantValue, &unknownValue), 0);
    ASSERT_EQ(Query(cut.get(), IID_IAAFConstantValue, &cutValue), 0);
    Ref<IAAFTypeDef> noType, rational;
    EXPECT_EQ(unknownValue->GetTypeDefinition(noType.out()), AAFRESULT_TYPE_NOT_FOUND);
    EXPECT_EQ(unknownValue->GetValueBufLen(&size), AAFRESULT_TYPE_NOT_FOUND);
    EXPECT_EQ(cutValue->GetTypeDefinition(rational.out()), 0);
    EXPECT_EQ(cutValue->GetValueBufLen(&size), AAFRESULT_BAD_PROP);
    EXPECT_EQ(cutValue->GetValue(8, reinterpret_cast<aafDataBuffer_t>(&r), &read), AAFRESULT_BAD_PROP);
}

TEST_F(ComGenericFixture, TaggedValuesGiveTheirValuesInMemoryForm)
{
    Ref<IAAFPropertyValue> list;
    Ref<IAAFTypeDef> listType;
    Property(clip_.get(), "ComponentAttributeList", &list, &listType);
    Ref<IAAFTypeDefVariableArray> array;
    ASSERT_EQ(Query(listType.get(), IID_IAAFTypeDefVariableArray, &array), 0);
    Ref<IAAFTypeDef> elementType;
    Ref<IAAFTypeDefObjectRef> reference;
    ASSERT_EQ(array->GetType(elementType.out()), 0);
    ASSERT_EQ(Query(elementType.get(), IID_IAAFTypeDefObjectRef, &reference), 0);
    aafUInt32 count = 0, size = 0, read = 0;
    ASSERT_EQ(array->GetCount(list.get(), &count), 0);
    ASSERT_EQ(count, 4u);
    Ref<IAAFPropertyValue> flag, beyond;
    ASSERT_EQ(array->GetElementValue(list.get(), 3, flag.out()), 0);
    EXPECT_EQ(array->GetElementValue(list.get(), 4, beyond.out()), AAFRESULT_BADINDEX);
    Ref<IUnknown> object, notAMob, wrongValue;
    EXPECT_EQ(reference->GetObject(flag.get(), IID_IAAFMob, notAMob.out()), E_NOINTERFACE);
    EXPECT_EQ(reference->GetObject(list.get(), IID_IAAFTaggedValue, wrongValue.out()), AAFRESULT_BAD_TYPE);
    ASSERT_EQ(reference->GetObject(flag.get(), IID_IAAFTaggedValue, object.out()), 0);
    // A Boolean is 4 bytes in memory, though 1 in the file.
    auto* tagged = static_cast<IAAFTaggedValue*>(object.get());
    ASSERT_EQ(tagged->GetValueBufLen(&size), 0);
    EXPECT_EQ(size, 4u);
    aafBoolean_t b = 0;
    EXPECT_EQ(tagged->GetValue(3, reinterpret_cast<aafDataBuffer_t>(&b), &read), AAFRESULT_SMALLBUF);
    ASSERT_EQ(tagged->GetValue(4, reinterpret_cast<aafDataBuffer_t>(&b), &read), 0);
    EXPECT_EQ(b, kAAFTrue);
}

TEST_F(ComGenericFixture, TypeDefinitionsRefuseValuesOfOtherTypesAndShortBuffers)
{
    Ref<IAAFPropertyValue> name, colour, slots;
    Ref<IAAFTypeDef> nameType, colourType, slotsType;
    Property(marker_.get(), "CommentMarkerUSer", &name, &nameType);
    Property(marker_.get(), "CommentMarkerColor", &colour, &colourType);
    Property(marker_.get(), "DescribedSlots", &slots, &slotsType);

    Ref<IAAFTypeDefString> text;
    ASSERT_EQ(Query(nameType.get(), IID_IAAFTypeDefString, &text), 0);
    aafUInt32 count = 0;
    ASSERT_EQ(text->GetCount(name.get(), &count), 0);
    EXPECT_EQ(count, 9u) << "characters with the terminator";
    std::vector<aafCharacter> buffer(count);
    EXPECT_EQ(text->GetElements(name.get(), buffer.data(), (count - 1) * 2), AAFRESULT_SMALLBUF);
    EXPECT_EQ(text->GetCount(colour.get(), &count), AAFRESULT_BAD_TYPE);
    EXPECT_EQ(text->GetCount(nullptr, &count), AAFRESULT_NULL_PARAM);

    Ref<IAAFTypeDefRecord> record;
    ASSERT_EQ(Query(colourType.get(), IID_IAAFTypeDefRecord, &record), 0);
    aafUInt32 members = 0, bytes = 0;
    ASSERT_EQ(record->GetCount(&members), 0);
    EXPECT_EQ(members, 3u);
    aafCharacter shortName[2];
    Ref<IAAFTypeDef> noType, memberType;
    Ref<IAAFPropertyValue> noValue, blue;
    EXPECT_EQ(record->GetMemberNameBufLen(3, &bytes), AAFRESULT_BADINDEX);
    EXPECT_EQ(record->GetMemberName(2, shortName, sizeof shortName), AAFRESULT_SMALLBUF);
    EXPECT_EQ(record->GetMemberType(3, noType.out()), AAFRESULT_BADINDEX);
    EXPECT_EQ(record->GetValue(colour.get(), 3, noValue.out()), AAFRESULT_BADINDEX);
    EXPECT_EQ(record->GetValue(name.get(), 0, noValue.out()), AAFRESULT_BAD_TYPE);
    ASSERT_EQ(record->GetMemberType(2, memberType.out()), 0);
    ASSERT_EQ(record->GetValue(colour.get(), 2, blue.out()), 0);
    EXPECT_EQ(MetaName(memberType.get()), "UInt16");
    Ref<IAAFMetaDefinition> builtIn;
    ASSERT_EQ(Query(memberType.get(), IID_IAAFMetaDefinition, &builtIn), 0);
    EXPECT_EQ(builtIn->GetDescriptionBufLen(&bytes), AAFRESULT_PROP_NOT_PRESENT);

    Ref<IAAFTypeDefInt> integer;
    ASSERT_EQ(Query(memberType.get(), IID_IAAFTypeDefInt, &integer), 0);
    aafUInt32 size = 0;
    std::int64_t v = 0;
    ASSERT_EQ(integer->GetSize(&size), 0);
    EXPECT_EQ(size, 2u);
    auto* out = reinterpret_cast<aafMemPtr_t>(&v);
    EXPECT_EQ(integer->GetInteger(blue.get(), out, 1), AAFRESULT_SMALLBUF);
    EXPECT_EQ(integer->GetInteger(blue.get(), out, 3), AAFRESULT_BAD_SIZE);
    EXPECT_EQ(integer->GetInteger(name.get(), out, 2), AAFRESULT_BAD_TYPE);
    EXPECT_EQ(integer->GetInteger(nullptr, out, 2), AAFRESULT_NULL_PARAM);
    ASSERT_EQ(integer->GetInteger(blue.get(), out, 8), 0);
    EXPECT_EQ(v, 65535) << "an unsigned member widens without sign";

    Ref<IAAFTypeDefSet> set;
    ASSERT_EQ(Query(slotsType.get(), IID_IAAFTypeDefSet, &set), 0);
    ASSERT_EQ(set->GetCount(slots.get(), &count), 0);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(set->GetCount(name.get(), &count), AAFRESULT_BAD_TYPE);
    Ref<IEnumAAFPropertyValues> elements, none;
    EXPECT_EQ(set->GetElements(colour.get(), none.out()), AAFRESULT_BAD_TYPE);
    ASSERT_EQ(set->GetElements(slots.get(), elements.out()), 0);
    Ref<IAAFPropertyValue> element;
    ASSERT_EQ(elements->NextOne(element.out()), 0);
    ASSERT_EQ(elements->NextOne(element.out()), 0);
    EXPECT_EQ(elements->NextOne(element.out()), AAFRESULT_NO_MORE_OBJECTS);

    // A type answers only its own category's interface.
    Ref<IAAFTypeDefInt> notInteger;
    Ref<IAAFTypeDefObjectRef> notReference;
    EXPECT_LT(Query(nameType.get(), IID_IAAFTypeDefInt, &notInteger), 0);
    EXPECT_LT(Query(slotsType.get(), IID_IAAFTypeDefObjectRef, &notReference), 0);
    aafBoolean_t defined = kAAFFalse;
    EXPECT_EQ(name->IsDefinedType(nullptr), AAFRESULT_NULL_PARAM);
    EXPECT_EQ(name->IsDefinedType(&defined), 0);
}

TEST_F(ComGenericFixture, VariableArraysAndReferencesRefuseValuesOfOtherTypes)
{
    Reached r;
    Reach(&r);
    ASSERT_TRUE(r.point);
    Ref<IAAFPropertyValue> list, handles, name, interpolation;
    Ref<IAAFTypeDef> listType, handlesType, nameType, weakType;
    Property(clip_.get(), "ComponentAttributeList", &list, &listType);
    Property(r.point.get(), "ControlPointPointProperties", &handles, &handlesType);
    Property(marker_.get(), "CommentMarkerUSer", &name, &nameType);
    Property(r.level.get(), "Interpolation", &interpolation, &weakType);
    Ref<IAAFTypeDefVariableArray> array, handlesArray;
    Ref<IAAFTypeDef> elementType;
    Ref<IAAFTypeDefObjectRef> reference, weak;
    Ref<IAAFPropertyValue> handle;
    ASSERT_EQ(Query(listType.get(), IID_IAAFTypeDefVariableArray, &array), 0);
    ASSERT_EQ(array->GetType(elementType.out()), 0);
    ASSERT_EQ(Query(elementType.get(), IID_IAAFTypeDefObjectRef, &reference), 0);
    ASSERT_EQ(Query(handlesType.get(), IID_IAAFTypeDefVariableArray, &handlesArray), 0);
    ASSERT_EQ(handlesArray->GetElementValue(handles.get(), 0, handle.out()), 0);

    // An array of parameters, a string, and a reference to a parameter are no tagged-value lists
    // nor references to tagged values.
    for (IAAFPropertyValue* other : {handles.get(), name.get(), handle.get()}) {
        aafUInt32 count = 99;
        Ref<IAAFPropertyValue> element;
        Ref<IUnknown> object;
        EXPECT_EQ(array->GetCount(other, &count), AAFRESULT_BAD_TYPE);
        EXPECT_EQ(count, 99u);
        EXPECT_EQ(array->GetElementValue(other, 0, element.out()), AAFRESULT_BAD_TYPE);
        EXPECT_FALSE(element);
        EXPECT_EQ(reference->GetObject(other, IID_IUnknown, object.out()), AAFRESULT_BAD_TYPE);
    }
    aafUInt32 count = 0;
    Ref<IAAFPropertyValue> element;
    EXPECT_EQ(array->GetType(nullptr), AAFRESULT_NULL_PARAM);
    EXPECT_EQ(array->GetCount(nullptr, &count), AAFRESULT_NULL_PARAM);
    EXPECT_EQ(array->GetCount(list.get(), nullptr), AAFRESULT_NULL_PARAM);
    EXPECT_EQ(array->GetElementValue(nullptr, 0, element.out()), AAFRESULT_NULL_PARAM);
    EXPECT_EQ(array->GetElementValue(list.get(), 0, nullptr), AAFRESULT_NULL_PARAM);

    // A weak reference leads to the definition the file stores.
    Ref<IUnknown> definition;
    ASSERT_EQ(Query(weakType.get(), IID_IAAFTypeDefObjectRef, &weak), 0);
    ASSERT_EQ(weak->GetObject(interpolation.get(), IID_IAAFDefObject, definition.out()), 0);
    EXPECT_EQ(MetaIdText(UidOf(definition.get())), generic::kBezier.ToString());
}

// The name and description getters IAAFDefObject and IAAFMetaDefinition share: nothing into a
// buffer one character short, null arguments refused.
template <class I>
void ExpectTextsRefuseShortBuffers(I* d, bool described)
{
    using BufLen = HRESULT (I::*)(aafUInt32*);
    using Get = HRESULT (I::*)(aafCharacter*, aafUInt32);
    const struct {
        const char* what;
        BufLen bufLen;
        Get get;
        bool present;
    } texts[] = {
        {"name", &I::GetNameBufLen, &I::GetName, true},
        {"description", &I::GetDescriptionBufLen, &I::GetDescription, described},
    };
    EXPECT_EQ(d->GetAUID(nullptr), AAFRESULT_NULL_PARAM);
    for (const auto& t : texts) {
        SCOPED_TRACE(t.what);
        aafUInt32 bytes = 0;
        EXPECT_EQ((d->*t.bufLen)(nullptr), AAFRESULT_NULL_PARAM);
        if (!t.present) {
            EXPECT_EQ((d->*t.bufLen)(&bytes), AAFRESULT_PROP_NOT_PRESENT);
            continue;
        }
        ASSERT_EQ((d->*t.bufLen)(&bytes), 0);
        ASSERT_GE(bytes, 4u);
        std::u16string text(bytes / 2, u'x');
        EXPECT_EQ((d->*t.get)(text.data(), bytes - 2), AAFRESULT_SMALLBUF);
        EXPECT_EQ(text, std::u16string(bytes / 2, u'x')) << "nothing written";
        EXPECT_EQ((d->*t.get)(text.data(), 0), AAFRESULT_SMALLBUF);
        EXPECT_EQ((d->*t.get)(nullptr, bytes), AAFRESULT_NULL_PARAM);
        ASSERT_EQ((d->*t.get)(text.data(), bytes), 0);
        EXPECT_EQ(text.back(), u'\0');
    }
}

TEST_F(ComGenericFixture, DefinitionTextsRefuseShortBuffersAndNullArguments)
{
    Reached r;
    Reach(&r);
    Ref<IAAFInterpolationDef> interpolation;
    Ref<IAAFOperationDef> dissolve;
    ASSERT_EQ(r.varying->GetInterpolationDefinition(interpolation.out()), 0);
    ASSERT_EQ(bare_->GetOperationDefinition(dissolve.out()), 0);
    const struct {
        const char* what;
        IUnknown* definition;
        bool described;
    } definitions[] = {
        {"stored", interpolation.get(), true},
        {"built in", dissolve.get(), false},
    };
    for (const auto& d : definitions) {
        SCOPED_TRACE(d.what);
        Ref<IAAFDefObject> def;
        ASSERT_EQ(Query(d.definition, IID_IAAFDefObject, &def), 0);
        ExpectTextsRefuseShortBuffers(def.get(), d.described);
    }

    // A property and a type the file defines, a baseline type.
    Ref<IAAFPropertyValue> colour;
    Ref<IAAFTypeDef> colourType, uint16;
    Ref<IAAFProperty> property;
    Ref<IAAFPropertyDef> propertyDef;
    Ref<IAAFTypeDefRecord> record;
    Property(marker_.get(), "CommentMarkerColor", &colour, &colourType);
    FindProperty(marker_.get(), "CommentMarkerUSer", &property);
    ASSERT_EQ(property->GetDefinition(propertyDef.out()), 0);
    ASSERT_EQ(Query(colourType.get(), IID_IAAFTypeDefRecord, &record), 0);
    ASSERT_EQ(record->GetMemberType(0, uint16.out()), 0);
    const struct {
        const char* what;
        IUnknown* definition;
        bool described;
    } metas[] = {
        {"property", propertyDef.get(), false},
        {"record", colourType.get(), true},
        {"baseline type", uint16.get(), false},
    };
    for (const auto& m : metas) {
        SCOPED_TRACE(m.what);
        Ref<IAAFMetaDefinition> meta;
        ASSERT_EQ(Query(m.definition, IID_IAAFMetaDefinition, &meta), 0);
        ExpectTextsRefuseShortBuffers(meta.get(), m.described);
    }
}

TEST_F(ComGenericFixture, EffectGettersRefuseNullArguments)
{
    Reached r;
    Reach(&r);
    ASSERT_TRUE(r.point && r.op);
    Ref<IAAFParameterDef> ratioDef;
    Ref<IAAFOperationDef> dissolve;
    ASSERT_EQ(r.ratio->GetParameterDefinition(ratioDef.out()), 0);
    ASSERT_EQ(bare_->GetOperationDefinition(dissolve.out()), 0);
    const std::pair<const char*, HRESULT> calls[] = {
        {"GetOperationDefinition", warp_->GetOperationDefinition(nullptr)},
        {"IsValidTranOperation", warp_->IsValidTranOperation(nullptr)},
        {"IsValidTranOperation, not stored", bare_->IsValidTranOperation(nullptr)},
        {"GetBypassOverride", warp_->GetBypassOverride(nullptr)},
        {"GetInterpolationDefinition", r.varying->GetInterpolationDefinition(nullptr)},
        {"CountControlPoints", r.varying->CountControlPoints(nullptr)},
        {"GetControlPointAt", r.varying->GetControlPointAt(0, nullptr)},
        {"GetTime", r.point->GetTime(nullptr)},
        {"GetEditHint", r.point->GetEditHint(nullptr)},
        {"GetParameterDefinition", r.ratio->GetParameterDefinition(nullptr)},
        {"GetDisplayUnitsBufLen", ratioDef->GetDisplayUnitsBufLen(nullptr)},
        {"GetCategory", r.op->GetCategory(nullptr)},
        {"GetBypass", r.op->GetBypass(nullptr)},
        {"GetNumberInputs", r.op->GetNumberInputs(nullptr)},
        {"GetDataDef", r.op->GetDataDef(nullptr)},
        {"CountDegradeToOperations", r.op->CountDegradeToOperations(nullptr)},
        {"GetCategory, not stored", dissolve->GetCategory(nullptr)},
        {"GetDataDef, not stored", dissolve->GetDataDef(nullptr)},
    };
    for (const auto& [what, hr] : calls)
        EXPECT_EQ(hr, AAFRESULT_NULL_PARAM) << what;
}

// Values of the effect missing from the file or stored damaged: each getter gives the code that
// says which, and a definition the file lacks answers by what the Dictionary knows of it.
TEST_F(ComGenericFixture, EffectValuesMissingOrDamagedInTheFile)
{
    using G = generic::GenericPropertyFile;
    // What a call answers when the damage left its object out of reach.
    constexpr HRESULT kNotReached = -1;
    using Damage = std::function<void(G&)>;
    const auto drop = [](aafsdk::ObjectId G::*object, std::vector<std::uint16_t> pids) -> Damage {
        return [=](G& g) {
            for (std::uint16_t pid : pids)
                std::erase_if(g.f.graph().objects[g.*object].properties,
                              [&](const aafsdk::StoredProperty& p) { return p.pid == pid; });
        };
    };
    const auto asData = [](aafsdk::ObjectId G::*object, std::uint16_t pid) -> Damage {
        return [=](G& g) {
            g.f.builder().property(g.*object, pid).storedForm = std::uint16_t(aafsdk::StoredForm::Data);
        };
    };
    const auto cut = [](aafsdk::ObjectId G::*object, std::uint16_t pid) -> Damage {
        return [=](G& g) { g.f.builder().property(g.*object, pid).value.pop_back(); };
    };
    // The weak reference's key, after its tag, key pid and key size.
    const Damage unknownInterpolation = [](G& g) {
        auto& value = g.f.builder().property(g.level, 0x4e01).value.Edit();
        std::copy(generic::kUnknown.bytes.begin(), generic::kUnknown.bytes.end(), value.begin() + 5);
    };
    const Damage builtInParameter = [](G& g) {
        const auto wipe = "e4962323-2267-11d3-8a4c-0050040ef7d2"_auid;
        g.f.builder().property(g.ratio, 0x4c01).value.assign(wipe.bytes.begin(), wipe.bytes.end());
    };
    const Damage bareDefinition = drop(&G::speed, {0x1e01, 0x1e02, 0x1e07, 0x1e08});
    aafUInt32 n = 0;
    aafBoolean_t flag = kAAFFalse;
    aafRational_t time{};
    aafInt32 inputs = 0;
    aafUID_t id{};
    const struct {
        const char* what;
        Damage damage;
        std::function<HRESULT(Reached&)> call;
        HRESULT expected;
    } cases[] = {
        {"interpolation absent", drop(&G::level, {0x4e01}),
         [](Reached& r) {
             Ref<IAAFInterpolationDef> d;
             return r.varying->GetInterpolationDefinition(d.out());
         },
         AAFRESULT_PROP_NOT_PRESENT},
        {"interpolation no reference", asData(&G::level, 0x4e01),
         [](Reached& r) {
             Ref<IAAFInterpolationDef> d;
             return r.varying->GetInterpolationDefinition(d.out());
         },
         AAFRESULT_BAD_PROP},
        {"interpolation no Dictionary holds: known by its AUID alone", unknownInterpolation,
         [&](Reached& r) {
             Ref<IAAFInterpolationDef> d;
             Ref<IAAFDefObject> def;
             if (r.varying->GetInterpolationDefinition(d.out()) != 0 || Query(d.get(), IID_IAAFDefObject, &def) != 0 ||
                 def->GetAUID(&id) != 0 || MetaIdText(id) != generic::kUnknown.ToString())
                 return kNotReached;
             return def->GetNameBufLen(&n);
         },
         AAFRESULT_PROP_NOT_PRESENT},
        {"interpolation no Dictionary holds, through the reference", unknownInterpolation,
         [&](Reached& r) {
             Ref<IAAFPropertyValue> value;
             Ref<IAAFTypeDef> type;
             Ref<IAAFTypeDefObjectRef> weak;
             Ref<IUnknown> object;
             Property(r.level.get(), "Interpolation", &value, &type);
             if (!type || Query(type.get(), IID_IAAFTypeDefObjectRef, &weak) != 0)
                 return kNotReached;
             return weak->GetObject(value.get(), IID_IUnknown, object.out());
         },
         AAFRESULT_INVALID_OBJ},
        {"point list absent", drop(&G::level, {0x4e02}), [&](Reached& r) { return r.varying->CountControlPoints(&n); },
         AAFRESULT_PROP_NOT_PRESENT},
        {"point list absent, a point", drop(&G::level, {0x4e02}),
         [](Reached& r) {
             Ref<IAAFControlPoint> p;
             return r.varying->GetControlPointAt(0, p.out());
         },
         AAFRESULT_BADINDEX},
        {"point list no collection", asData(&G::level, 0x4e02),
         [&](Reached& r) { return r.varying->CountControlPoints(&n); }, AAFRESULT_BAD_PROP},
        {"point list no collection, a point", asData(&G::level, 0x4e02),
         [](Reached& r) {
             Ref<IAAFControlPoint> p;
             return r.varying->GetControlPointAt(0, p.out());
         },
         AAFRESULT_BAD_PROP},
        {"time absent", drop(&G::firstPoint, {0x1a03}),
         [&](Reached& r) { return r.point ? r.point->GetTime(&time) : kNotReached; }, AAFRESULT_PROP_NOT_PRESENT},
        {"time cut short", cut(&G::firstPoint, 0x1a03),
         [&](Reached& r) { return r.point ? r.point->GetTime(&time) : kNotReached; }, AAFRESULT_BAD_PROP},
        {"operation no reference", asData(&G::warp, 0x0b01),
         [this](Reached&) {
             Ref<IAAFOperationDef> op;
             return warp_->GetOperationDefinition(op.out());
         },
         AAFRESULT_BAD_PROP},
        {"operation no reference, time warp", asData(&G::warp, 0x0b01),
         [&](Reached&) { return warp_->IsATimeWarp(&flag); }, AAFRESULT_BAD_PROP},
        {"definition without its values, category", bareDefinition,
         [&](Reached& r) { return r.op ? r.op->GetCategory(&id) : kNotReached; }, AAFRESULT_PROP_NOT_PRESENT},
        {"definition without its values, data kind", bareDefinition,
         [](Reached& r) {
             Ref<IAAFDataDef> data;
             return r.op ? r.op->GetDataDef(data.out()) : kNotReached;
         },
         AAFRESULT_PROP_NOT_PRESENT},
        {"definition without its values, inputs", bareDefinition,
         [&](Reached& r) { return r.op ? r.op->GetNumberInputs(&inputs) : kNotReached; }, AAFRESULT_PROP_NOT_PRESENT},
        {"definition without its values, bypass", bareDefinition,
         [&](Reached& r) { return r.op ? r.op->GetBypass(&n) : kNotReached; }, AAFRESULT_PROP_NOT_PRESENT},
        {"definition without its values: no time warp", bareDefinition,
         [&](Reached&) {
             const HRESULT hr = warp_->IsATimeWarp(&flag);
             return hr == 0 && flag != kAAFFalse ? kNotReached : hr;
         },
         0},
        {"parameter defined only built in, units", builtInParameter,
         [&](Reached& r) {
             Ref<IAAFParameterDef> def;
             const HRESULT hr = r.ratio->GetParameterDefinition(def.out());
             return hr != 0 ? hr : def->GetDisplayUnitsBufLen(&n);
         },
         AAFRESULT_PROP_NOT_PRESENT},
        {"parameter defined only built in, units text", builtInParameter,
         [](Reached& r) {
             Ref<IAAFParameterDef> def;
             aafCharacter units[8];
             const HRESULT hr = r.ratio->GetParameterDefinition(def.out());
             return hr != 0 ? hr : def->GetDisplayUnits(units, sizeof units);
         },
         AAFRESULT_PROP_NOT_PRESENT},
        {"marker colour cut short", cut(&G::marker, generic::kPidMarkerColour),
         [this](Reached&) {
             Ref<IAAFProperty> p;
             Ref<IAAFPropertyValue> value;
             FindProperty(marker_.get(), "CommentMarkerColor", &p);
             return p ? p->GetValue(value.out()) : kNotReached;
         },
         AAFRESULT_BAD_PROP},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        G damaged;
        c.damage(damaged);
        ASSERT_NO_FATAL_FAILURE(Open(damaged));
        Reached r;
        Reach(&r);
        ASSERT_TRUE(r.ratio && r.varying);
        EXPECT_EQ(c.call(r), c.expected);
    }
}

}  // namespace

namespace {

// Values handed out as the SDK holds them in memory: enumerations as 32-bit integers, records
// with their members aligned as C structures lay them out, strings with their terminator.
TEST(ComNativeValues, EachTypeInItsMemoryForm)
{
    const struct {
        const char* type;
        const char* what;
        std::vector<std::uint8_t> stored;
        std::vector<std::uint8_t> native;
        HRESULT result = AAFRESULT_SUCCESS;
    } cases[] = {
        {"01040100-0000-0000-060e-2b3401040101", "Boolean", {1}, {1, 0, 0, 0}},
        {"01010100-0000-0000-060e-2b3401040101", "UInt8", {200}, {200}},
        {"01010600-0000-0000-060e-2b3401040101", "Int16", {0xfe, 0xff}, {0xfe, 0xff}},
        {"02010106-0000-0000-060e-2b3401040101", "EditHintType", {3}, {3, 0, 0, 0}},
        {"03010400-0000-0000-060e-2b3401040101", "RGBAComponent", {'R', 8}, {'R', 0, 0, 0, 8, 0, 0, 0}},
        {"03010200-0000-0000-060e-2b3401040101", "ProductVersion", {1, 0, 2, 0, 3, 0, 4, 0, 5},
         {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 0, 0}},
        {"01100200-0000-0000-060e-2b3401040101", "String", {'a', 0, 'b', 0, 0, 0}, {'a', 0, 'b', 0, 0, 0}},
        {"01100200-0000-0000-060e-2b3401040101", "String with a NUL inside", {'a', 0, 0, 0, 0x3b, 0x26, 0, 0},
         {'a', 0, 0, 0, 0x3b, 0x26, 0, 0}},
        {"01100200-0000-0000-060e-2b3401040101", "empty String", {0, 0}, {0, 0}},
        {"01100200-0000-0000-060e-2b3401040101", "String without terminator", {'a', 0, 'b', 0}, {}, AAFRESULT_BAD_PROP},
        {"01100200-0000-0000-060e-2b3401040101", "String of odd size", {'a', 0, 0}, {}, AAFRESULT_BAD_PROP},
        {"01100200-0000-0000-060e-2b3401040101", "String of no bytes", {}, {}, AAFRESULT_BAD_PROP},
        {"04010100-0000-0000-060e-2b3401040101", "UInt8Array", {1, 2, 3}, {1, 2, 3}},
        {"04010300-0000-0000-060e-2b3401040101", "Int32Array", {1, 0, 0, 0, 0xff, 0xff, 0xff, 0xff},
         {1, 0, 0, 0, 0xff, 0xff, 0xff, 0xff}},
    };
    aafsdk::fixture::AafFileBuilder f;
    aafsdk::fixture::GraphBuilder& b = f.builder();
    const aafsdk::ObjectId mob = f.AddMob("MasterMob", "m", aafsdk::fixture::MakeMobId(1));
    b.AddStrongVector(mob, 0x4406, "UserComments-4406");
    for (const auto& c : cases) {
        const aafsdk::ObjectId t = b.AddVectorElement(mob, 0x4406, generic::kClassTaggedValue);
        b.AddString(t, 0x5001, c.what);
        b.AddData(t, 0x5003, generic::Typed(aafsdk::fixture::AuidOf(c.type), c.stored));
    }
    testsupport::TempDir dir;
    aafsdk::fixture::SaveBytes(dir / "values.aaf", aafsdk::fixture::WriteAaf(f.graph()).bytes);
    OpenedFile file;
    ASSERT_EQ(file.Open(dir / "values.aaf"), 0);
    aafSearchCrit_t criteria{};
    criteria.searchTag = kAAFByMobKind;
    criteria.tags.mobKind = kAAFMasterMob;
    Ref<IEnumAAFMobs> mobs;
    Ref<IAAFMob> m;
    Ref<IEnumAAFTaggedValues> comments;
    ASSERT_EQ(file.header->GetMobs(&criteria, mobs.out()), 0);
    ASSERT_EQ(mobs->NextOne(m.out()), 0);
    ASSERT_EQ(m->GetComments(comments.out()), 0);
    for (const auto& c : cases) {
        Ref<IAAFTaggedValue> tagged;
        ASSERT_EQ(comments->NextOne(tagged.out()), 0);
        aafUInt32 size = 0, read = 0;
        if (c.result != AAFRESULT_SUCCESS) {
            std::uint8_t buffer[16] = {};
            EXPECT_EQ(tagged->GetValueBufLen(&size), c.result) << c.what;
            EXPECT_EQ(tagged->GetValue(sizeof buffer, buffer, &read), c.result) << c.what;
            continue;
        }
        ASSERT_EQ(tagged->GetValueBufLen(&size), 0) << c.what;
        std::vector<std::uint8_t> value(size + 4, 0xee);
        ASSERT_EQ(tagged->GetValue(size + 4, value.data(), &read), 0) << c.what;
        value.resize(read);
        EXPECT_EQ(value, c.native) << c.what;
        if (size > 0) {
            EXPECT_EQ(tagged->GetValue(size - 1, value.data(), &read), AAFRESULT_SMALLBUF) << c.what;
        }
    }
}

}  // namespace

// Text as stored: UTF-16 in the object's byte order, up to the first NUL (padding after it is read
// the same), or to the end when there is none; an odd size is refused.
TEST(ComStoredText, ReadsInEitherByteOrderUpToTheTerminator)
{
    const struct {
        const char* what;
        std::uint8_t order;
        std::uint16_t form;
        std::vector<std::uint8_t> value;
        HRESULT result;
        std::u16string text;
    } cases[] = {
        {"little-endian", 'L', 0x82, {'a', 0, 0xac, 0x20, 0, 0}, AAFRESULT_SUCCESS, u"a\u20ac"},
        {"big-endian", 'B', 0x82, {0, 'a', 0x20, 0xac, 0, 0}, AAFRESULT_SUCCESS, u"a\u20ac"},
        {"padding after the terminator", 'L', 0x82, {'a', 0, 0, 0, 'x', 0, 'y', 0}, AAFRESULT_SUCCESS, u"a"},
        {"no terminator", 'B', 0x82, {0, 'a', 0, 'b'}, AAFRESULT_SUCCESS, u"ab"},
        {"empty", 'L', 0x82, {}, AAFRESULT_SUCCESS, u""},
        {"odd size", 'L', 0x82, {'a', 0, 0}, AAFRESULT_BAD_PROP, u"unchanged"},
        {"not data", 'L', 0x42, {'a', 0, 0, 0}, AAFRESULT_BAD_PROP, u"unchanged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        aafsdk::StoredObject object;
        object.byteOrder = c.order;
        object.properties.resize(1);
        object.properties[0].pid = 0x4402;
        object.properties[0].storedForm = c.form;
        object.properties[0].value = c.value;
        std::u16string text = u"unchanged";
        EXPECT_EQ(aafsdk::com::ReadText(object, 0x4402, &text), c.result);
        EXPECT_EQ(text, c.text);
    }
    std::u16string text;
    EXPECT_EQ(aafsdk::com::ReadText(aafsdk::StoredObject{}, 0x4402, &text), AAFRESULT_PROP_NOT_PRESENT);
}
