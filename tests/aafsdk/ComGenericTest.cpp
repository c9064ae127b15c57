// Generic property access and the effect interfaces over files built in code (every method's
// failure paths: absent optional values, short buffers, values of another type) and over the
// samples, where every property of every comment marker and every attribute list reads through
// the interfaces as the dump tool shows it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/com/ComObject.h"
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

// The dump tool's quoting of a text.
std::string Quoted(const std::string& utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

constexpr aafsdk::Auid kTaggedReference = "05021a00-0000-0000-060e-2b3401040101"_auid;

aafsdk::Auid MetaId(IUnknown* definition)
{
    Ref<IAAFMetaDefinition> meta;
    aafUID_t id{};
    aafsdk::Auid a;
    if (Query(definition, IID_IAAFMetaDefinition, &meta) == 0 && meta->GetAUID(&id) == 0) {
        std::memcpy(a.bytes.data(), &id.Data1, 4);
        std::memcpy(a.bytes.data() + 4, &id.Data2, 2);
        std::memcpy(a.bytes.data() + 6, &id.Data3, 2);
        std::memcpy(a.bytes.data() + 8, id.Data4, 8);
    }
    return a;
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
        return name + "=String " + Quoted(aafsdk::Utf16ToUtf8(text));
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
        return Quoted(WideText(count * 2, [&](aafCharacter* t, aafUInt32 n) { return string->GetElements(value, t, n); }));
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
    }
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
    for (const auto& entry : std::filesystem::directory_iterator(testsupport::SharedDir() / "aaf-samples")) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".aaf" && ext != ".AAF")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        OpenedFile file;
        ASSERT_EQ(file.Open(entry.path()), 0);
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
    }
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
