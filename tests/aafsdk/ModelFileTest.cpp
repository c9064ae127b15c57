// The model of one file: its MetaDictionary merged in, classes by ancestry, properties by AUID,
// weak references resolved, the Dictionary.
#include <gtest/gtest.h>

#include <algorithm>

#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/model/FileModel.h"
#include "aafsdk/model/ModelDump.h"

namespace aafsdk {
namespace {

using fixture::AafFileBuilder;
using fixture::GraphBuilder;

constexpr Auid kClassDefinition = "0d010101-0201-0000-060e-2b3402060101"_auid;
constexpr Auid kPropertyDefinition = "0d010101-0202-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefInteger = "0d010101-0204-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefStrongRef = "0d010101-0205-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefEnum = "0d010101-0207-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefFixedArray = "0d010101-0208-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefVariableArray = "0d010101-0209-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefString = "0d010101-020b-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefRecord = "0d010101-020d-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefRename = "0d010101-020e-0000-060e-2b3402060101"_auid;
constexpr Auid kTypeDefExtEnum = "0d010101-0220-0000-060e-2b3402060101"_auid;

constexpr Auid kSourceClip = "0d010101-0101-1100-060e-2b3402060101"_auid;
constexpr Auid kSegment = "0d010101-0101-0300-060e-2b3402060101"_auid;
constexpr Auid kInterchangeObjectClass = "0d010101-0101-0100-060e-2b3402060101"_auid;
constexpr Auid kComponent = "0d010101-0101-0200-060e-2b3402060101"_auid;
constexpr Auid kCommentMarker = "0d010101-0101-0800-060e-2b3402060101"_auid;
constexpr Auid kConstantValue = "0d010101-0101-3d00-060e-2b3402060101"_auid;
constexpr Auid kTypeDefinitionEnumeration = "0d010101-0207-0000-060e-2b3402060101"_auid;

constexpr Auid kUInt8 = "01010100-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kUInt16 = "01010200-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kUInt32 = "01010300-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kInt32 = "01010700-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kRational = "03010100-0000-0000-060e-2b3401040101"_auid;
constexpr Auid kStringArray = "04010500-0000-0000-060e-2b3401040101"_auid;

constexpr Auid kAvidSourceClip = "11111111-0000-0000-0000-000000000001"_auid;
constexpr Auid kClipLevel = "11111111-0000-0000-0000-000000000002"_auid;
constexpr Auid kComponentNote = "11111111-0000-0000-0000-000000000003"_auid;

std::vector<std::uint8_t> Utf16(std::u16string_view text)
{
    std::vector<std::uint8_t> bytes;
    for (char16_t c : text) {
        bytes.push_back(std::uint8_t(c));
        bytes.push_back(std::uint8_t(c >> 8));
    }
    return bytes;
}

std::vector<std::uint8_t> Names(std::initializer_list<std::u16string_view> names)
{
    std::vector<std::uint8_t> bytes;
    for (auto n : names) {
        const auto b = Utf16(n);
        bytes.insert(bytes.end(), b.begin(), b.end());
        bytes.push_back(0);
        bytes.push_back(0);
    }
    return bytes;
}

// Writes class and type definitions into the MetaDictionary of a fixture file, as writers store them.
class MetaDictionaryWriter {
public:
    explicit MetaDictionaryWriter(GraphBuilder& b) : b_(b)
    {
        meta_ = b.graph().object(StoredGraph::root()).Find(0x0001)->elements[0].object;
        b.AddStrongSet(meta_, 0x0003, "ClassDefinitions-3", 0x0005, 16);
        b.AddStrongSet(meta_, 0x0004, "TypeDefinitions-4", 0x0005, 16);
        classTag_ = b.AddReferencedPath({0x0001, 0x0003});
        typeTag_ = b.AddReferencedPath({0x0001, 0x0004});
    }

    ObjectId AddClass(const Auid& id, std::string_view name, const Auid& parent, bool concrete = true)
    {
        const ObjectId c = b_.AddSetElement(meta_, 0x0003, kClassDefinition, id.bytes);
        b_.AddString(c, 0x0006, name);
        b_.AddWeakReference(c, 0x0008, classTag_, 0x0005, parent.bytes);
        b_.AddU8(c, 0x000a, concrete ? 1 : 0);
        b_.AddStrongSet(c, 0x0009, "Properties-9", 0x0005, 16);
        return c;
    }

    void AddProperty(ObjectId classDef, const Auid& id, std::string_view name, const Auid& type, std::uint16_t pid)
    {
        const ObjectId p = b_.AddSetElement(classDef, 0x0009, kPropertyDefinition, id.bytes);
        b_.AddString(p, 0x0006, name);
        b_.AddAuid(p, 0x000b, type);
        b_.AddU8(p, 0x000c, 1);
        b_.AddU16(p, 0x000d, pid);
    }

    ObjectId AddType(const Auid& metaClass, const Auid& id, std::string_view name)
    {
        const ObjectId t = b_.AddSetElement(meta_, 0x0004, metaClass, id.bytes);
        b_.AddString(t, 0x0006, name);
        return t;
    }

    void TypeRef(ObjectId type, std::uint16_t pid, const Auid& target)
    {
        b_.AddWeakReference(type, pid, typeTag_, 0x0005, target.bytes);
    }

    void ClassRef(ObjectId type, std::uint16_t pid, const Auid& target)
    {
        b_.AddWeakReference(type, pid, classTag_, 0x0005, target.bytes);
    }

    void TypeRefs(ObjectId type, std::uint16_t pid, std::initializer_list<Auid> targets)
    {
        b_.AddWeakCollection(type, pid, StoredForm::WeakReferenceVector, "MemberTypes-1c", typeTag_, 0x0005);
        for (const auto& t : targets)
            b_.AddWeakElement(type, pid, t.bytes);
    }

private:
    GraphBuilder& b_;
    ObjectId meta_ = kNoObject;
    std::uint16_t classTag_ = 0, typeTag_ = 0;
};

const fixture::MobIdBytes kMob = fixture::MakeMobId(1);

TEST(ModelFileTest, ExtensionClassAnswersAsItsAncestorAndExtensionPropertiesAreFoundByAuid)
{
    // The same extension properties get other pids in another file.
    struct Case {
        std::uint16_t levelPid, notePid;
    };
    for (const Case c : {Case{0xfff0, 0xffef}, Case{0xffb2, 0xffd0}}) {
        SCOPED_TRACE(c.levelPid);
        AafFileBuilder f;
        MetaDictionaryWriter meta(f.builder());
        const ObjectId ext = meta.AddClass(kAvidSourceClip, "Avid SourceClip", kSourceClip);
        meta.AddProperty(ext, kClipLevel, "ClipLevel", kInt32, c.levelPid);
        const ObjectId component = meta.AddClass(kComponent, "Component", kComponent, false);
        meta.AddProperty(component, kComponentNote, "ComponentNote", ids::kTypeString, c.notePid);

        const ObjectId mob = f.AddMob("CompositionMob", "Cut", kMob);
        const ObjectId slot = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
        const ObjectId seq = f.AddSequence(slot, fixture::ids::kDataDefPicture, 10);
        const ObjectId clip = f.AddSourceClip(seq, fixture::ids::kDataDefPicture, 10, kMob, 1, 0);
        f.graph().objects[clip].classId = kAvidSourceClip;
        f.builder().AddU32(clip, c.levelPid, 42);
        f.builder().AddString(seq, c.notePid, "note");

        const auto file = FileModel::Build(f.graph());
        EXPECT_TRUE(file->notes().empty()) << file->notes().front();
        ASSERT_NE(file->ClassOf(clip), nullptr);
        EXPECT_EQ(file->ClassOf(clip)->name, "Avid SourceClip");
        EXPECT_FALSE(file->ClassOf(clip)->builtin);
        EXPECT_EQ(file->KnownClassOf(clip).id, kSourceClip);
        EXPECT_TRUE(file->IsA(clip, kSegment));
        EXPECT_EQ(&file->KnownClassOf(seq), file->ClassOf(seq));

        Value v;
        std::string error;
        ASSERT_TRUE(file->DecodeProperty(clip, kClipLevel, &v, &error)) << error;
        EXPECT_EQ(v.Int64(), 42);
        ASSERT_TRUE(file->DecodeProperty(seq, kComponentNote, &v, &error)) << error;
        EXPECT_EQ(v.text, u"note");
        // Inherited along the chain: an extension property of Component on the extension clip.
        EXPECT_EQ(file->ClassOf(clip)->FindProperty(kComponentNote)->pid, c.notePid);
        EXPECT_FALSE(file->DecodeProperty(clip, kComponentNote, &v, &error));
        EXPECT_EQ(error, "not present");

        const ModelCounts counts = DumpModel(*file, nullptr);
        EXPECT_EQ(counts.extensionObjects, 1u);
        EXPECT_EQ(counts.extensionProperties, 2u);
        EXPECT_EQ(counts.unknownClasses + counts.unknownProperties + counts.unknownTypes + counts.decodeFailures +
                      counts.unresolvedWeakReferences,
                  0u);
    }
}

TEST(ModelFileTest, ParentCyclesMissingParentsAndUnknownClassesFallBackToInterchangeObject)
{
    constexpr Auid a = "22222222-0000-0000-0000-00000000000a"_auid;
    constexpr Auid b = "22222222-0000-0000-0000-00000000000b"_auid;
    constexpr Auid orphan = "22222222-0000-0000-0000-00000000000c"_auid;
    constexpr Auid nowhere = "22222222-0000-0000-0000-0000000000ff"_auid;
    constexpr Auid self = "22222222-0000-0000-0000-00000000000d"_auid;
    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    meta.AddClass(self, "Self", self);
    meta.AddClass(a, "A", b);
    meta.AddClass(b, "B", a);
    meta.AddClass(orphan, "Orphan", nowhere);
    const ObjectId mob = f.AddMob("CompositionMob", "Cut", kMob);
    f.graph().objects[mob].classId = nowhere;

    const auto file = FileModel::Build(f.graph());
    // The cycle is cut once: A hangs under InterchangeObject, B stays under A.
    struct Case {
        Auid id;
        bool repaired;
        const ClassDef* parent;
    };
    const ClassDef* io = &file->model().InterchangeObject();
    const Case cases[] = {
        {a, true, io}, {b, false, file->model().FindClass(a)}, {orphan, true, io}, {self, true, io}};
    for (const auto& c : cases) {
        const ClassDef* k = file->model().FindClass(c.id);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->ancestryRepaired, c.repaired) << k->name;
        EXPECT_EQ(k->parent, c.parent) << k->name;
        EXPECT_EQ(k->knownAncestor, io) << k->name;
        EXPECT_TRUE(k->IsA(ids::kClassInterchangeObject)) << k->name;
    }
    EXPECT_EQ(file->notes().size(), 3u);
    EXPECT_EQ(file->ClassOf(mob), nullptr);
    EXPECT_EQ(file->KnownClassOf(mob).id, ids::kClassInterchangeObject);
    Value v;
    std::string error;
    EXPECT_FALSE(file->Decode(mob, f.graph().object(mob).properties.front(), &v, &error));
    EXPECT_NE(error.find("is not defined"), std::string::npos);
    EXPECT_EQ(DumpModel(*file, nullptr).unknownClasses, 1u);
}

TEST(ModelFileTest, WeakReferencesFallBackToBuiltInDefinitionsAndLegacyDataDefinitions)
{
    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    // A String type whose character type the file does not define.
    constexpr Auid myString = "33333333-0000-0000-0000-000000000001"_auid;
    const ObjectId stringType = meta.AddType(kTypeDefString, myString, "MyString");
    meta.TypeRef(stringType, 0x001b, ids::kTypeCharacter);
    const ObjectId mob = f.AddMob("CompositionMob", "Cut", kMob);
    const ObjectId slot = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
    const ObjectId seq = f.AddSequence(slot, "6f3c8ce1-6cef-11d2-807d-006008143e6f", 10);  // legacy Picture
    const ObjectId clip = f.AddSourceClip(seq, "05cba731-1daa-11d3-80ad-006008143e6f", 10, kMob, 1, 0);  // Matte

    const auto file = FileModel::Build(f.graph());
    EXPECT_TRUE(file->model().FindType(myString)->complete);
    EXPECT_EQ(file->model().FindType(myString)->element, file->model().FindType(ids::kTypeCharacter));

    struct Case {
        ObjectId object;
        std::uint16_t pid;
        bool stored;             // the target object is in the file
        const char* definition;  // the name it resolves to
    };
    const Case cases[] = {
        {seq, 0x0201, true, "Picture"},           // the file's current Picture answers the legacy id
        {clip, 0x0201, false, "DataDef_Matte"},   // built in, the file holds no Matte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.definition);
        Value v;
        std::string error;
        ASSERT_TRUE(file->Decode(c.object, *f.graph().object(c.object).Find(c.pid), &v, &error)) << error;
        ASSERT_EQ(v.kind, ValueKind::WeakReference);
        ASSERT_EQ(v.targets.size(), 1u);
        const WeakTarget& t = v.targets[0];
        ASSERT_NE(t.definition, nullptr);
        EXPECT_EQ(t.definition->object != kNoObject, c.stored);
        EXPECT_EQ(FormatValue(*file, v).find(std::string("=> ") + c.definition), 0u) << FormatValue(*file, v);
    }
    Value v;
    ASSERT_TRUE(file->Decode(stringType, *f.graph().object(stringType).Find(0x001b), &v, nullptr));
    EXPECT_EQ(v.targets[0].typeDef, file->model().FindType(ids::kTypeCharacter));
    EXPECT_EQ(v.targets[0].object, kNoObject);
    EXPECT_EQ(DumpModel(*file, nullptr).unresolvedWeakReferences, 0u);

    const auto& dictionary = file->dictionary();
    EXPECT_EQ(dictionary.FileDefinitions(DefinitionKind::Data).size(), 3u);  // Picture, Sound, Timecode
    EXPECT_EQ(dictionary.Find(DefinitionKind::Data, ids::kDataDefLegacyPicture)->name, u"Picture");
}

TEST(ModelFileTest, ParametersStoredAsASetDecodeAsTheParameterList)
{
    AafFileBuilder f;
    f.AddOperationDefinition(fixture::ids::kVideoDissolve, "Dissolve", fixture::ids::kDataDefPicture, 2);
    const ObjectId mob = f.AddMob("CompositionMob", "Cut", kMob);
    const ObjectId slot = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
    const ObjectId seq = f.AddSequence(slot, fixture::ids::kDataDefPicture, 10);
    const ObjectId transition = f.AddTransition(seq, fixture::ids::kDataDefPicture, 10, 5, fixture::ids::kVideoDissolve);
    const ObjectId group = f.graph().object(transition).Find(0x1801)->elements[0].object;
    auto& b = f.builder();
    b.AddStrongSet(group, 0x0b03, "Parameters-b03", 0x1b01, 16);
    for (const Auid& def : {"e4962320-2267-11d3-8a4c-0050040ef7d2"_auid, "e4962323-2267-11d3-8a4c-0050040ef7d2"_auid}) {
        const ObjectId p = b.AddSetElement(group, 0x0b03, kConstantValue, def.bytes);
        b.AddAuid(p, 0x4c01, def);
    }
    // A strong reference where the type holds a number is refused.
    b.AddStrongReference(group, 0x0b04, "BypassOverride-b04", kConstantValue);

    const auto file = FileModel::Build(f.graph());
    Value v;
    std::string error;
    ASSERT_TRUE(file->Decode(group, *f.graph().object(group).Find(0x0b03), &v, &error)) << error;
    EXPECT_EQ(v.kind, ValueKind::StrongReferenceSet);
    EXPECT_EQ(v.type->name, "ParameterStrongReferenceVector");
    EXPECT_EQ(v.objects.size(), 2u);
    EXPECT_EQ(file->KnownClassOf(v.objects[1]).id, kConstantValue);
    EXPECT_FALSE(file->Decode(group, *f.graph().object(group).Find(0x0b04), &v, &error));
    EXPECT_NE(error.find("does not fit"), std::string::npos) << error;
}

TEST(ModelFileTest, ExtensionTypesDecodeThroughTheirMetaClass)
{
    constexpr Auid rgb = "e96e6d43-c383-11d3-a069-006094eb75cb"_auid;
    constexpr Auid panner = "3659b342-4f19-4316-9309-f139434a94e5"_auid;
    constexpr Auid bag = "ccaa73d1-f538-11d3-a081-006094eb75cb"_auid;
    constexpr Auid string4 = "0f96cb41-2aa8-11d4-a00f-0004ac969f50"_auid;
    constexpr Auid renamed = "44444444-0000-0000-0000-000000000001"_auid;
    constexpr Auid mode = "44444444-0000-0000-0000-000000000002"_auid;
    constexpr Auid strongRef = "f9a74d0a-7b30-11d3-a044-006094eb75cb"_auid;
    constexpr Auid int24 = "44444444-0000-0000-0000-000000000003"_auid;
    constexpr Auid broken = "44444444-0000-0000-0000-000000000004"_auid;
    constexpr Auid markerColor = "e96e6d44-c383-11d3-a069-006094eb75cb"_auid;
    constexpr Auid modeA = "44444444-0000-0000-0000-0000000000aa"_auid;

    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    auto& b = f.builder();
    const ObjectId r = meta.AddType(kTypeDefRecord, rgb, "RGBColor");
    meta.TypeRefs(r, 0x001c, {kUInt16, kUInt16, kUInt16});
    b.AddData(r, 0x001d, Names({u"red", u"green", u"blue"}));
    const ObjectId e = meta.AddType(kTypeDefEnum, panner, "AvidPannerKindType");
    meta.TypeRef(e, 0x0014, kUInt32);
    b.AddData(e, 0x0015, Names({u"Stereo", u"LCR"}));
    b.AddData(e, 0x0016, {1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0});
    meta.TypeRef(meta.AddType(kTypeDefVariableArray, bag, "AvidBagOfBits"), 0x0019, kUInt8);
    const ObjectId s4 = meta.AddType(kTypeDefFixedArray, string4, "AvidString4");
    meta.TypeRef(s4, 0x0017, kUInt8);
    b.AddU32(s4, 0x0018, 4);
    meta.TypeRef(meta.AddType(kTypeDefRename, renamed, "MyRational"), 0x001e, kRational);
    const ObjectId x = meta.AddType(kTypeDefExtEnum, mode, "Mode");
    b.AddData(x, 0x001f, Names({u"ModeA"}));
    b.AddData(x, 0x0020, {modeA.bytes.begin(), modeA.bytes.end()});
    meta.ClassRef(meta.AddType(kTypeDefStrongRef, strongRef, "AvidStrongReference"), 0x0011, ids::kClassInterchangeObject);
    const ObjectId i24 = meta.AddType(kTypeDefInteger, int24, "Int24");
    b.AddU8(i24, 0x000f, 3);
    b.AddU8(i24, 0x0010, 1);
    const ObjectId bad = meta.AddType(kTypeDefRecord, broken, "Broken");
    meta.TypeRefs(bad, 0x001c, {kUInt16, "44444444-0000-0000-0000-0000000000ff"_auid});
    b.AddData(bad, 0x001d, Names({u"a", u"b"}));
    const ObjectId marker = meta.AddClass(kCommentMarker, "CommentMarker", "0d010101-0101-0600-060e-2b3402060101"_auid);
    meta.AddProperty(marker, markerColor, "CommentMarkerColor", rgb, 0xfff9);
    meta.AddProperty(marker, "44444444-0000-0000-0000-0000000000bb"_auid, "Odd", broken, 0xfff8);
    // A built-in property restated with the type some writers give it: the built-in type stands.
    const ObjectId enumClass = meta.AddClass(kTypeDefinitionEnumeration, "TypeDefinitionEnumeration",
                                             "0d010101-0203-0000-060e-2b3402060101"_auid);
    meta.AddProperty(enumClass, "03010203-0400-0000-060e-2b3401010102"_auid, "ElementNames", ids::kTypeString, 0x0015);

    const ObjectId mob = f.AddMob("CompositionMob", "Cut", kMob);
    const ObjectId slot = f.AddEventSlot(mob, 1, 25, 1);
    const ObjectId seq = f.AddSequence(slot, fixture::ids::kDataDefPicture, 10);
    const ObjectId cm = f.AddCommentMarker(seq, fixture::ids::kDataDefPicture, 3, "hello");
    b.AddData(cm, 0xfff9, {0x00, 0x00, 0x00, 0x7f, 0x00, 0xe3});
    b.AddData(cm, 0xfff8, {0x00, 0x00, 0x00, 0x00});

    const auto file = FileModel::Build(f.graph());
    EXPECT_EQ(file->model().FindProperty("03010203-0400-0000-060e-2b3401010102"_auid)->typeId, kStringArray);
    EXPECT_EQ(file->model().FindType(strongRef)->referencedClass, &file->model().InterchangeObject());
    EXPECT_FALSE(file->model().FindType(broken)->complete);
    EXPECT_FALSE(file->model().FindType(int24)->complete);  // integers are 1, 2, 4 or 8 bytes

    struct Case {
        Auid type;
        std::vector<std::uint8_t> bytes;
        const char* text;
    };
    const Case cases[] = {
        {rgb, {0x00, 0x00, 0x00, 0x7f, 0x00, 0xe3}, "{red: 0, green: 32512, blue: 58112}"},
        {panner, {0x02, 0x00, 0x00, 0x00}, "LCR"},
        {bag, {0x45, 0x46, 0x00}, "<45 46 00>"},
        {string4, {0x61, 0x62, 0x63, 0x64}, "<61 62 63 64>"},
        {renamed, {0x02, 0, 0, 0, 0x01, 0, 0, 0}, "{Numerator: 2, Denominator: 1}"},
        {mode, {modeA.bytes.begin(), modeA.bytes.end()}, "ModeA {44444444-0000-0000-0000-0000000000aa}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Value v;
        std::string error;
        ASSERT_TRUE(DecodeData(file->model(), *file->model().FindType(c.type), c.bytes, &v, &error)) << error;
        EXPECT_EQ(FormatValue(*file, v), c.text);
    }
    Value v;
    std::string error;
    ASSERT_TRUE(file->DecodeProperty(cm, markerColor, &v, &error)) << error;
    ASSERT_EQ(v.type->members.size(), 3u);
    EXPECT_EQ(v.type->members[2].name, "blue");
    EXPECT_EQ(v.elements[1].bits, 32512u);

    std::string dump;
    const ModelCounts counts = DumpModel(*file, &dump);
    EXPECT_EQ(counts.unknownTypes, 1u);  // Odd, of the broken record
    EXPECT_EQ(counts.decodeFailures, 0u) << dump;
    EXPECT_NE(dump.find("CommentMarkerColor: RGBColor = {red: 0, green: 32512, blue: 58112}"), std::string::npos);
}

// A generic character type states its size in a property whose pid the file hands out: the size is
// found along the linked class chain before the types are read.
TEST(ModelFileTest, GenericCharacterTypesTakeTheirSizeFromTheFilesPid)
{
    constexpr Auid narrow = "44444444-0000-0000-0000-0000000000c1"_auid;
    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    const ObjectId generic = meta.AddClass(ids::kClassTypeDefinitionGenericCharacter, "TypeDefinitionGenericCharacter",
                                           "0d010101-0203-0000-060e-2b3402060101"_auid);
    meta.AddProperty(generic, ids::kPropertyCharacterSize, "CharacterSize", kUInt8, 0xffe0);
    f.builder().AddU8(meta.AddType(ids::kClassTypeDefinitionGenericCharacter, narrow, "NarrowCharacter"), 0xffe0, 1);

    const auto file = FileModel::Build(f.graph());
    const TypeDef* type = file->model().FindType(narrow);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->category, TypeCategory::Character);
    EXPECT_EQ(type->size, 1u);
    EXPECT_TRUE(type->complete);
}

TEST(ModelFileTest, TypeCyclesAndOverlongTypeChainsStayIncomplete)
{
    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    auto id = [](std::uint8_t n) {
        Auid a = "66666666-0000-0000-0000-000000000000"_auid;
        a.bytes[15] = n;
        return a;
    };
    meta.TypeRef(meta.AddType(kTypeDefRename, id(1), "R1"), 0x001e, id(2));
    meta.TypeRef(meta.AddType(kTypeDefRename, id(2), "R2"), 0x001e, id(1));
    for (std::uint8_t n = 10; n < 250; ++n)  // each renames the next; the last renames Int32
        meta.TypeRef(meta.AddType(kTypeDefRename, id(n), "Chain"), 0x001e, n == 249 ? kInt32 : id(std::uint8_t(n + 1)));

    const auto file = FileModel::Build(f.graph());
    EXPECT_FALSE(file->model().FindType(id(1))->complete);
    EXPECT_FALSE(file->model().FindType(id(2))->complete);
    EXPECT_FALSE(file->model().FindType(id(10))->complete);
    EXPECT_TRUE(file->model().FindType(id(249))->complete);
    Value v;
    std::string error;
    EXPECT_FALSE(DecodeData(file->model(), *file->model().FindType(id(10)), std::vector<std::uint8_t>(4), &v, &error));
}

TEST(ModelFileTest, ConflictingAndDamagedDefinitionsAreNotedAndTheBuiltInModelStands)
{
    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    const ObjectId component = meta.AddClass(kComponent, "Component", kComponent, false);
    // An extension property given the pid of Component.DataDefinition.
    meta.AddProperty(component, "55555555-0000-0000-0000-000000000001"_auid, "Clash", kInt32, 0x0201);
    // A class definition without a name.
    const ObjectId nameless = meta.AddClass("55555555-0000-0000-0000-000000000002"_auid, "x", kComponent);
    f.graph().objects[nameless].properties.erase(f.graph().objects[nameless].properties.begin() + 1);
    const ObjectId mob = f.AddMob("CompositionMob", "Cut", kMob);
    const ObjectId slot = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
    const ObjectId seq = f.AddSequence(slot, fixture::ids::kDataDefPicture, 10);

    const auto file = FileModel::Build(f.graph());
    ASSERT_EQ(file->notes().size(), 2u);
    EXPECT_NE(file->notes()[0].find("skipped"), std::string::npos) << file->notes()[0];
    EXPECT_NE(file->notes()[1].find("taken"), std::string::npos) << file->notes()[1];
    EXPECT_EQ(file->model().FindClass("55555555-0000-0000-0000-000000000002"_auid), nullptr);
    Value v;
    ASSERT_TRUE(file->Decode(seq, *f.graph().object(seq).Find(0x0201), &v, nullptr));
    EXPECT_EQ(v.kind, ValueKind::WeakReference);
}

TEST(ModelFileTest, BuiltInDefinitionsRestatedWithoutANameAreSkippedLikeExtensionOnes)
{
    constexpr Auid sequenceClass = "0d010101-0101-0f00-060e-2b3402060101"_auid;
    constexpr Auid componentLength = "07020201-0103-0000-060e-2b3401010102"_auid;
    constexpr Auid lengthType = "01012002-0000-0000-060e-2b3401040101"_auid;
    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    auto dropName = [&](ObjectId object) {
        auto& props = f.graph().objects[object].properties;
        props.erase(std::find_if(props.begin(), props.end(), [](const StoredProperty& p) { return p.pid == 0x0006; }));
    };
    dropName(meta.AddClass(sequenceClass, "Sequence", kSegment));
    const ObjectId component = meta.AddClass(kComponent, "Component", kInterchangeObjectClass, false);
    meta.AddProperty(component, componentLength, "Length", lengthType, 0x0202);
    dropName(f.graph().object(component).Find(0x0009)->elements.back().object);

    const auto file = FileModel::Build(f.graph());
    ASSERT_EQ(file->notes().size(), 2u);
    EXPECT_NE(file->notes()[0].find("a class definition without identification, name or parent is skipped"),
              std::string::npos) << file->notes()[0];
    EXPECT_NE(file->notes()[1].find("a property definition without pid, identification, type or name is skipped"),
              std::string::npos) << file->notes()[1];
    // The built-in definitions stand with their own names.
    ASSERT_NE(file->model().FindClass(sequenceClass), nullptr);
    EXPECT_EQ(file->model().FindClass(sequenceClass)->name, "Sequence");
    ASSERT_NE(file->model().FindProperty(componentLength), nullptr);
    EXPECT_EQ(file->model().FindProperty(componentLength)->name, "Length");
}

TEST(ModelFileTest, APidTakenAgainBelowItsOwnerGoesToTheMoreDerivedClassThere)
{
    constexpr Auid sequenceClass = "0d010101-0101-0f00-060e-2b3402060101"_auid;
    constexpr Auid dataDefinition = "04070100-0000-0000-060e-2b3401010102"_auid;
    constexpr Auid shadow = "55555555-0000-0000-0000-000000000003"_auid;
    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    const ObjectId sequenceDef = meta.AddClass(sequenceClass, "Sequence", kSegment);
    meta.AddProperty(sequenceDef, shadow, "Shadow", kInt32, 0x0201);
    const ObjectId mob = f.AddMob("CompositionMob", "Cut", kMob);
    const ObjectId slot = f.AddTimelineSlot(mob, 1, "V1", 25, 1);
    const ObjectId seq = f.AddSequence(slot, fixture::ids::kDataDefPicture, 10);
    const ObjectId clip = f.AddSourceClip(seq, fixture::ids::kDataDefPicture, 10, kMob, 1, 0);

    const auto file = FileModel::Build(f.graph());
    ASSERT_EQ(file->notes().size(), 1u);
    EXPECT_EQ(file->notes()[0], "pid 513 of DataDefinition is taken by Shadow on class Sequence");
    const StoredProperty& seqPid = *f.graph().object(seq).Find(0x0201);
    const StoredProperty& clipPid = *f.graph().object(clip).Find(0x0201);
    ASSERT_NE(file->DefinitionOf(seq, seqPid), nullptr);
    EXPECT_EQ(file->DefinitionOf(seq, seqPid)->id, shadow);
    ASSERT_NE(file->DefinitionOf(clip, clipPid), nullptr);
    EXPECT_EQ(file->DefinitionOf(clip, clipPid)->id, dataDefinition);
    // By AUID both stay along the sequence's chain and lead to the one stored pid.
    EXPECT_EQ(file->FindProperty(seq, shadow), &seqPid);
    EXPECT_EQ(file->FindProperty(seq, dataDefinition), &seqPid);
    EXPECT_EQ(file->FindProperty(clip, shadow), nullptr);
    EXPECT_EQ(file->FindProperty(clip, dataDefinition), &clipPid);
}

TEST(ModelFileTest, AClassWhoseChainRunsIntoACycleIsCutAsTheCycleIs)
{
    constexpr Auid tail = "33333333-0000-0000-0000-000000000001"_auid;
    constexpr Auid a = "33333333-0000-0000-0000-00000000000a"_auid;
    constexpr Auid b = "33333333-0000-0000-0000-00000000000b"_auid;
    constexpr Auid c3 = "33333333-0000-0000-0000-00000000000c"_auid;
    AafFileBuilder f;
    MetaDictionaryWriter meta(f.builder());
    // Tail leads into the cycle A -> B -> C -> A without being part of it.
    meta.AddClass(tail, "Tail", a);
    meta.AddClass(a, "A", b);
    meta.AddClass(b, "B", c3);
    meta.AddClass(c3, "C", a);

    const auto file = FileModel::Build(f.graph());
    const ClassDef* io = &file->model().InterchangeObject();
    struct Case {
        Auid id;
        bool repaired;
        const ClassDef* parent;
    };
    const Case cases[] = {{tail, true, io},
                          {a, true, io},
                          {b, false, file->model().FindClass(c3)},
                          {c3, false, file->model().FindClass(a)}};
    for (const auto& c : cases) {
        const ClassDef* k = file->model().FindClass(c.id);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->ancestryRepaired, c.repaired) << k->name;
        EXPECT_EQ(k->parent, c.parent) << k->name;
        EXPECT_TRUE(k->IsA(ids::kClassInterchangeObject)) << k->name;
    }
    ASSERT_EQ(file->notes().size(), 2u);
    EXPECT_NE(file->notes()[0].find("class Tail"), std::string::npos);
    EXPECT_NE(file->notes()[1].find("class A"), std::string::npos);
}

}  // namespace
}  // namespace aafsdk
