// The interfaces over small files built in code: open errors, absent optional values, mob kinds
// (by class and by descriptor, extension classes included), descriptors and locators.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "aafsdk/com/ComIds.h"
#include "aafsdk/fixture/AafFileBuilder.h"
#include "aafsdk/fixture/AafWriter.h"
#include "aafsdk/include/AAF.h"
#include "support/TestSupport.h"

namespace {

using namespace aafsdk;
using namespace aafsdk::fixture;
namespace classes = aafsdk::com::classes;

template <class I>
struct Ref {
    I* p = nullptr;
    Ref() = default;
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref()
    {
        if (p)
            p->Release();
    }
    I** out() { return &p; }
    I* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

template <class I>
HRESULT Query(IUnknown* from, REFIID iid, Ref<I>* to)
{
    return from->QueryInterface(iid, reinterpret_cast<void**>(to->out()));
}

std::string ClassName(const Auid& id)
{
    return id.ToString();
}

// An extension class in the file's MetaDictionary, deriving from a baseline class.
void AddExtensionClass(AafFileBuilder& f, const Auid& id, std::string_view name, const Auid& parent)
{
    GraphBuilder& b = f.builder();
    const ObjectId meta = b.graph().object(StoredGraph::root()).Find(0x0001)->elements[0].object;
    if (!b.graph().object(meta).Find(0x0003))
        b.AddStrongSet(meta, 0x0003, "ClassDefinitions-3", 0x0005, 16);
    const ObjectId c = b.AddSetElement(meta, 0x0003, classes::kClassDefinition, id.bytes);
    b.AddString(c, 0x0006, name);
    b.AddU8(c, 0x000a, 1);
    const std::uint16_t tag = b.AddReferencedPath({0x0001, 0x0003});
    b.AddWeakReference(c, 0x0008, tag, 0x0005, parent.bytes);
}

class ComFixture : public ::testing::Test {
protected:
    // Writes the built file and opens it through the interfaces.
    void Open(AafFileBuilder& f)
    {
        const auto path = dir_ / "file.aaf";
        SaveBytes(path, WriteAaf(f.graph()).bytes);
        const std::u16string wide = path.u16string();
        ASSERT_EQ(AAFFileOpenExistingRead(wide.c_str(), 0, file_.out()), 0);
        ASSERT_EQ(file_->GetHeader(header_.out()), 0);
    }

    // The first mob of a kind.
    HRESULT FirstMob(aafMobKind_t kind, Ref<IAAFMob>* mob)
    {
        aafSearchCrit_t criteria{};
        criteria.searchTag = kAAFByMobKind;
        criteria.tags.mobKind = kind;
        Ref<IEnumAAFMobs> e;
        const HRESULT hr = header_->GetMobs(&criteria, e.out());
        return hr != 0 ? hr : e->NextOne(mob->out());
    }

    testsupport::TempDir dir_;
    Ref<IAAFFile> file_;
    Ref<IAAFHeader> header_;
};

TEST_F(ComFixture, OpenFailuresGiveTheirCodes)
{
    const auto text = dir_ / "notes.aaf";
    testsupport::WriteFile(text, "this is not a compound file at all, just some words");
    const auto empty = dir_ / "empty.aaf";
    testsupport::WriteFile(empty, "");
    const struct {
        std::filesystem::path path;
        HRESULT expected;
    } cases[] = {
        {dir_ / "missing.aaf", AAFRESULT_FILE_NOT_FOUND},
        {text, AAFRESULT_NOT_AAF_FILE},
        {empty, AAFRESULT_NOT_AAF_FILE},
    };
    for (const auto& c : cases) {
        IAAFFile* file = nullptr;
        EXPECT_EQ(AAFFileOpenExistingRead(c.path.u16string().c_str(), 0, &file), c.expected) << c.path;
        EXPECT_EQ(file, nullptr);
    }
    IAAFFile* file = nullptr;
    EXPECT_EQ(AAFFileOpenExistingRead(nullptr, 0, &file), AAFRESULT_NULL_PARAM);
    const char16_t lone[] = {u'a', 0xd800, 0};
    EXPECT_LT(AAFFileOpenExistingRead(lone, 0, &file), 0);
}

TEST_F(ComFixture, NonAsciiPathOpensAndCloseLeavesHeldObjects)
{
    AafFileBuilder f;
    f.AddMob("CompositionMob", "Cut", MakeMobId(1));
    const auto path = dir_.path() / std::filesystem::path(u"Schnitt \u00e4 \u6f22.aaf");
    SaveBytes(path, WriteAaf(f.graph()).bytes);
    IAAFFile* file = nullptr;
    ASSERT_EQ(AAFFileOpenExistingRead(path.u16string().c_str(), 0, &file), 0);
    IAAFHeader* held = nullptr;
    ASSERT_EQ(file->GetHeader(&held), 0);
    EXPECT_EQ(file->Close(), 0);
    EXPECT_EQ(file->Close(), AAFRESULT_NOT_OPEN);
    IAAFHeader* header = nullptr;
    EXPECT_EQ(file->GetHeader(&header), AAFRESULT_NOT_OPEN);
    file->Release();
    // What the caller still holds stays readable; the file goes with its last release.
    aafNumSlots_t count = 0;
    EXPECT_EQ(held->CountMobs(kAAFCompMob, &count), 0);
    EXPECT_EQ(count, 1u);
    held->Release();
}

TEST_F(ComFixture, AbsentOptionalValuesAndBadIndexes)
{
    AafFileBuilder f;
    const ObjectId mob = f.AddMob("CompositionMob", "", MakeMobId(7));
    // Without the optional name and usage code the builder writes.
    std::erase_if(f.graph().objects[mob].properties,
                  [](const StoredProperty& p) { return p.pid == 0x4402 || p.pid == 0x4408; });
    const ObjectId slot = f.AddTimelineSlot(mob, 3, "V1", 25, 1);
    f.AddSourceClip(slot, ids::kDataDefPicture, 10, MakeMobId(9), 1, 0);
    Open(f);

    Ref<IAAFMob> m;
    ASSERT_EQ(FirstMob(kAAFCompMob, &m), 0);
    aafUInt32 n = 99, len = 0;
    EXPECT_EQ(m->GetNameBufLen(&len), AAFRESULT_PROP_NOT_PRESENT);
    EXPECT_EQ(m->CountComments(&n), 0);
    EXPECT_EQ(n, 0u);
    Ref<IAAFMob2> m2;
    ASSERT_EQ(Query(m.p, IID_IAAFMob2, &m2), 0);
    n = 99;
    EXPECT_EQ(m2->CountKLVData(&n), 0);
    EXPECT_EQ(n, 0u);
    n = 99;
    EXPECT_EQ(m2->CountAttributes(&n), 0);
    EXPECT_EQ(n, 0u);
    aafUID_t usage{};
    EXPECT_EQ(m2->GetUsageCode(&usage), AAFRESULT_PROP_NOT_PRESENT);

    Ref<IAAFMobSlot> s, missing, byId;
    EXPECT_EQ(m->GetSlotAt(1, missing.out()), AAFRESULT_BADINDEX);
    EXPECT_EQ(m->LookupSlot(4, missing.out()), AAFRESULT_SLOT_NOT_FOUND);
    ASSERT_EQ(m->LookupSlot(3, byId.out()), 0);
    ASSERT_EQ(m->GetSlotAt(0, s.out()), 0);
    EXPECT_EQ(static_cast<IUnknown*>(s.p), static_cast<IUnknown*>(byId.p)) << "one object per AAF object";
    aafUInt32 physical = 0;
    EXPECT_EQ(s->GetPhysicalNum(&physical), AAFRESULT_PROP_NOT_PRESENT);
    ASSERT_EQ(s->GetNameBufLen(&len), 0);
    EXPECT_EQ(len, 6u);
    aafCharacter small[2];
    EXPECT_EQ(s->GetName(small, sizeof small), AAFRESULT_SMALLBUF);
    aafCharacter name[3];
    ASSERT_EQ(s->GetName(name, sizeof name), 0);
    EXPECT_EQ(std::u16string(name), u"V1");
    Ref<IAAFTimelineMobSlot2> t2;
    ASSERT_EQ(Query(s.p, IID_IAAFTimelineMobSlot2, &t2), 0);
    aafPosition_t mark = 0;
    EXPECT_EQ(t2->GetMarkIn(&mark), AAFRESULT_PROP_NOT_PRESENT);
    Ref<IAAFEventMobSlot> notEvents;
    EXPECT_LT(Query(s.p, IID_IAAFEventMobSlot, &notEvents), 0);

    Ref<IAAFSegment> seg;
    ASSERT_EQ(s->GetSegment(seg.out()), 0);
    Ref<IAAFSourceClip> clip;
    ASSERT_EQ(Query(seg.p, IID_IAAFSourceClip, &clip), 0);
    aafSourceRef_t ref{};
    ASSERT_EQ(clip->GetSourceReference(&ref), 0);
    EXPECT_EQ(ref.sourceSlotID, 1u);
    aafLength_t fin = 1, fout = 1;
    aafFadeType_t tin = 1, tout = 1;
    aafBoolean_t pin = 1, pout = 1;
    ASSERT_EQ(clip->GetFade(&fin, &tin, &pin, &fout, &tout, &pout), 0);
    EXPECT_EQ(pin, kAAFFalse);
    EXPECT_EQ(pout, kAAFFalse);
    Ref<IAAFDataDef> dd;
    ASSERT_EQ(s->GetDataDef(dd.out()), 0);
    aafBoolean_t picture = 0, sound = 1;
    ASSERT_EQ(dd->IsPictureKind(&picture), 0);
    ASSERT_EQ(dd->IsSoundKind(&sound), 0);
    EXPECT_EQ(picture, kAAFTrue);
    EXPECT_EQ(sound, kAAFFalse);

    Ref<IAAFMob> none;
    aafMobID_t unknown{};
    EXPECT_EQ(header_->LookupMob(unknown, none.out()), AAFRESULT_MOB_NOT_FOUND);
    aafSearchCrit_t criteria{};
    criteria.searchTag = kAAFByMobKind;
    criteria.tags.mobKind = kAAFMasterMob;
    Ref<IEnumAAFMobs> e;
    ASSERT_EQ(header_->GetMobs(&criteria, e.out()), 0);
    EXPECT_EQ(e->NextOne(none.out()), AAFRESULT_NO_MORE_MOBS);
}

// Lookups go through an index of the mobs: a mob of an id stated twice is the first in the content's
// order, and an id the file does not hold stays unfound however many lookups came before.
TEST_F(ComFixture, MobLookupFindsTheFirstMobOfAnIdAndNothingForOthers)
{
    AafFileBuilder f;
    f.AddMob("CompositionMob", "first", MakeMobId(7));
    f.AddMob("MasterMob", "other", MakeMobId(8));
    f.AddMob("MasterMob", "second", MakeMobId(7));
    Open(f);
    const auto name = [](IAAFMob* mob) {
        aafCharacter text[32] = {};
        EXPECT_EQ(mob->GetName(text, sizeof text), 0);
        return std::u16string(text);
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& [material, expected] : {std::pair{7u, u"first"}, std::pair{8u, u"other"}}) {
            aafMobID_t id{};
            const MobIdBytes bytes = MakeMobId(material);
            std::memcpy(&id, bytes.data(), sizeof id);
            Ref<IAAFMob> mob;
            ASSERT_EQ(header_->LookupMob(id, mob.out()), 0);
            EXPECT_EQ(name(mob.p), expected);
        }
        aafMobID_t missing{};
        const MobIdBytes bytes = MakeMobId(9);
        std::memcpy(&missing, bytes.data(), sizeof missing);
        Ref<IAAFMob> none;
        EXPECT_EQ(header_->LookupMob(missing, none.out()), AAFRESULT_MOB_NOT_FOUND);
        EXPECT_EQ(none.p, nullptr);
    }
}

TEST_F(ComFixture, MobKindsByClassAndByDescriptorThroughAncestry)
{
    const Auid extComposition = "a1b2c3d4-0000-0000-0000-000000000001"_auid;
    const Auid extDescriptor = "a1b2c3d4-0000-0000-0000-000000000002"_auid;
    AafFileBuilder f;
    AddExtensionClass(f, extComposition, "HouseCompositionMob", classes::kCompositionMob);
    AddExtensionClass(f, extDescriptor, "HouseCDCIDescriptor", classes::kCDCIDescriptor);
    const struct {
        Auid mobClass;
        Auid descriptor;  // empty: none
        aafMobKind_t kind;
    } mobs[] = {
        {classes::kCompositionMob, {}, kAAFCompMob},
        {extComposition, {}, kAAFCompMob},
        {classes::kMasterMob, {}, kAAFMasterMob},
        {classes::kSourceMob, classes::kWAVEDescriptor, kAAFFileMob},
        {classes::kSourceMob, extDescriptor, kAAFFileMob},
        {classes::kSourceMob, classes::kTapeDescriptor, kAAFTapeMob},
        {classes::kSourceMob, classes::kFilmDescriptor, kAAFFilmMob},
        {classes::kSourceMob, classes::kImportDescriptor, kAAFPhysicalMob},
    };
    std::uint32_t n = 1;
    for (const auto& m : mobs) {
        const ObjectId mob = f.AddMob("CompositionMob", "m", MakeMobId(n++));
        f.graph().objects[mob].classId = m.mobClass;
        if (m.descriptor != Auid{})
            f.graph().objects[f.AddDescriptor(mob, "TapeDescriptor")].classId = m.descriptor;
    }
    Open(f);
    const struct {
        aafMobKind_t kind;
        std::vector<std::uint32_t> materials;  // in index order
    } expected[] = {
        {kAAFCompMob, {1, 2}}, {kAAFMasterMob, {3}},  {kAAFFileMob, {4, 5}},
        {kAAFTapeMob, {6}},    {kAAFFilmMob, {7}},    {kAAFPhysicalMob, {8}},
        {kAAFAllMob, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const auto& k : expected) {
        aafNumSlots_t count = 0;
        ASSERT_EQ(header_->CountMobs(k.kind, &count), 0);
        EXPECT_EQ(count, k.materials.size()) << "kind " << k.kind;
        aafSearchCrit_t criteria{};
        criteria.searchTag = kAAFByMobKind;
        criteria.tags.mobKind = k.kind;
        Ref<IEnumAAFMobs> e;
        ASSERT_EQ(header_->GetMobs(&criteria, e.out()), 0);
        std::vector<std::uint32_t> seen;
        IAAFMob* raw = nullptr;
        while (e->NextOne(&raw) == 0) {
            Ref<IAAFMob> mob;
            mob.p = raw;
            Ref<IAAFMob2> mob2;
            EXPECT_EQ(Query(mob.p, IID_IAAFMob2, &mob2), 0);
            aafMobID_t id{};
            ASSERT_EQ(mob->GetMobID(&id), 0);
            Ref<IAAFMob> again;
            ASSERT_EQ(header_->LookupMob(id, again.out()), 0);
            EXPECT_EQ(again.p, mob.p);
            seen.push_back(id.material.Data1);
        }
        std::vector<std::uint32_t> want;
        for (std::uint32_t i : k.materials) {
            const MobIdBytes bytes = MakeMobId(i);
            want.push_back(std::uint32_t(bytes[16] | bytes[17] << 8 | bytes[18] << 16 | std::uint32_t(bytes[19]) << 24));
        }
        EXPECT_EQ(seen, want) << "kind " << k.kind;
    }
    // Counted again in another order, each kind its own count.
    for (auto k = std::rbegin(expected); k != std::rend(expected); ++k) {
        aafNumSlots_t again = 0;
        ASSERT_EQ(header_->CountMobs(k->kind, &again), 0);
        EXPECT_EQ(again, k->materials.size()) << "kind " << k->kind;
    }
    aafNumSlots_t count = 0;
    EXPECT_EQ(header_->CountMobs(42, &count), AAFRESULT_INVALID_MOBTYPE);

    // The extension composition answers as a composition, the extension descriptor as CDCI.
    Ref<IAAFMob> ext;
    aafSearchCrit_t criteria{};
    criteria.searchTag = kAAFByMobKind;
    criteria.tags.mobKind = kAAFFileMob;
    Ref<IEnumAAFMobs> e;
    ASSERT_EQ(header_->GetMobs(&criteria, e.out()), 0);
    Ref<IAAFMob> wave, house;
    ASSERT_EQ(e->NextOne(wave.out()), 0);
    ASSERT_EQ(e->NextOne(house.out()), 0);
    Ref<IAAFSourceMob> source;
    ASSERT_EQ(Query(house.p, IID_IAAFSourceMob, &source), 0);
    Ref<IAAFEssenceDescriptor> d;
    ASSERT_EQ(source->GetEssenceDescriptor(d.out()), 0);
    Ref<IAAFCDCIDescriptor> cdci;
    EXPECT_EQ(Query(d.p, IID_IAAFCDCIDescriptor, &cdci), 0);
}

TEST_F(ComFixture, DescriptorsAnswerTheirClassInterfaces)
{
    const IID* all[] = {&IID_IAAFEssenceDescriptor,  &IID_IAAFFileDescriptor,   &IID_IAAFDigitalImageDescriptor,
                        &IID_IAAFDigitalImageDescriptor2, &IID_IAAFCDCIDescriptor, &IID_IAAFCDCIDescriptor2,
                        &IID_IAAFRGBADescriptor,     &IID_IAAFRGBADescriptor2,  &IID_IAAFSoundDescriptor,
                        &IID_IAAFPCMDescriptor,      &IID_IAAFTapeDescriptor};
    const struct {
        Auid descriptor;
        std::vector<int> answers;  // indexes into all
    } cases[] = {
        {classes::kCDCIDescriptor, {0, 1, 2, 3, 4, 5}},
        {classes::kRGBADescriptor, {0, 1, 2, 3, 6, 7}},
        {classes::kSoundDescriptor, {0, 1, 8}},
        {classes::kPCMDescriptor, {0, 1, 8, 9}},
        {classes::kWAVEDescriptor, {0, 1}},
        {classes::kTapeDescriptor, {0, 10}},
        {classes::kImportDescriptor, {0}},
    };
    AafFileBuilder f;
    std::uint32_t n = 1;
    for (const auto& c : cases) {
        const ObjectId mob = f.AddMob("SourceMob", "s", MakeMobId(n++));
        f.graph().objects[f.AddDescriptor(mob, "TapeDescriptor")].classId = c.descriptor;
    }
    Open(f);
    aafSearchCrit_t criteria{};
    criteria.searchTag = kAAFByMobKind;
    criteria.tags.mobKind = kAAFAllMob;
    Ref<IEnumAAFMobs> e;
    ASSERT_EQ(header_->GetMobs(&criteria, e.out()), 0);
    for (const auto& c : cases) {
        Ref<IAAFMob> mob;
        ASSERT_EQ(e->NextOne(mob.out()), 0);
        Ref<IAAFSourceMob> source;
        ASSERT_EQ(Query(mob.p, IID_IAAFSourceMob, &source), 0);
        Ref<IAAFEssenceDescriptor> d;
        ASSERT_EQ(source->GetEssenceDescriptor(d.out()), 0);
        for (int i = 0; i < int(std::size(all)); ++i) {
            Ref<IUnknown> facet;
            const bool answers = std::find(c.answers.begin(), c.answers.end(), i) != c.answers.end();
            EXPECT_EQ(Query(d.p, *all[i], &facet) == 0, answers) << ClassName(c.descriptor) << " interface " << i;
        }
    }
}

TEST_F(ComFixture, DescriptorValuesAndLocatorsOfBothKinds)
{
    AafFileBuilder f;
    GraphBuilder& b = f.builder();
    const ObjectId mob = f.AddMob("SourceMob", "s", MakeMobId(1));
    const ObjectId d = f.AddDescriptor(mob, "TapeDescriptor");
    f.graph().objects[d].classId = classes::kRGBADescriptor;
    b.AddU32(d, 0x3202, 1080);
    b.AddU32(d, 0x3203, 1920);
    b.AddData(d, 0x320d, {21, 0, 0, 0, 0x40, 1, 0, 0});
    b.AddData(d, 0x3401, {'R', 8, 'G', 8, 'B', 8, 'A', 8, 0, 0, 0, 0, 0, 0, 0, 0});
    f.AddNetworkLocator(d, "file:///media/clip.mxf");
    const ObjectId text = b.AddVectorElement(d, 0x2f01, classes::kTextLocator);
    b.AddString(text, 0x4101, "Shelf 4");
    Open(f);

    Ref<IAAFMob> m;
    ASSERT_EQ(FirstMob(kAAFFileMob, &m), 0);
    Ref<IAAFSourceMob> source;
    ASSERT_EQ(Query(m.p, IID_IAAFSourceMob, &source), 0);
    Ref<IAAFEssenceDescriptor> ed;
    ASSERT_EQ(source->GetEssenceDescriptor(ed.out()), 0);
    Ref<IAAFDigitalImageDescriptor> image;
    ASSERT_EQ(Query(ed.p, IID_IAAFDigitalImageDescriptor, &image), 0);
    aafUInt32 h = 0, w = 0, lines = 0;
    ASSERT_EQ(image->GetStoredView(&h, &w), 0);
    EXPECT_EQ(h, 1080u);
    EXPECT_EQ(w, 1920u);
    ASSERT_EQ(image->GetVideoLineMapSize(&lines), 0);
    ASSERT_EQ(lines, 2u);
    aafInt32 map[2] = {};
    EXPECT_EQ(image->GetVideoLineMap(1, map), AAFRESULT_SMALLBUF);
    ASSERT_EQ(image->GetVideoLineMap(2, map), 0);
    EXPECT_EQ(map[1], 320);
    aafRational_t aspect{};
    EXPECT_EQ(image->GetImageAspectRatio(&aspect), AAFRESULT_PROP_NOT_PRESENT);
    Ref<IAAFRGBADescriptor> rgba;
    ASSERT_EQ(Query(ed.p, IID_IAAFRGBADescriptor, &rgba), 0);
    aafUInt32 count = 0;
    ASSERT_EQ(rgba->CountPixelLayoutElements(&count), 0);
    ASSERT_EQ(count, 4u);
    aafRGBAComponent_t layout[4] = {};
    ASSERT_EQ(rgba->GetPixelLayout(4, layout), 0);
    EXPECT_EQ(layout[3].Code, kAAFCompAlpha);
    EXPECT_EQ(rgba->CountPaletteLayoutElements(&count), AAFRESULT_PROP_NOT_PRESENT);

    ASSERT_EQ(ed->CountLocators(&count), 0);
    ASSERT_EQ(count, 2u);
    Ref<IAAFLocator> network, textual, beyond;
    ASSERT_EQ(ed->GetLocatorAt(0, network.out()), 0);
    ASSERT_EQ(ed->GetLocatorAt(1, textual.out()), 0);
    EXPECT_EQ(ed->GetLocatorAt(2, beyond.out()), AAFRESULT_BADINDEX);
    aafUInt32 len = 0;
    ASSERT_EQ(network->GetPathBufLen(&len), 0);
    std::u16string path(len / 2, u'\0');
    ASSERT_EQ(network->GetPath(path.data(), len), 0);
    EXPECT_EQ(path, std::u16string(u"file:///media/clip.mxf") + u'\0');
    EXPECT_LT(textual->GetPathBufLen(&len), 0) << "a text locator has no path";
    Ref<IAAFTextLocator> t;
    ASSERT_EQ(Query(textual.p, IID_IAAFTextLocator, &t), 0);
    Ref<IAAFTextLocator> notText;
    EXPECT_LT(Query(network.p, IID_IAAFTextLocator, &notText), 0);
    ASSERT_EQ(t->GetNameBufLen(&len), 0);
    EXPECT_EQ(len, 16u);
}

}  // namespace

namespace {

std::vector<std::uint8_t> TypedValue(const Auid& type, std::vector<std::uint8_t> value)
{
    std::vector<std::uint8_t> bytes(1 + type.bytes.size() + value.size(), 0x4c);
    std::copy(type.bytes.begin(), type.bytes.end(), bytes.begin() + 1);
    std::copy(value.begin(), value.end(), bytes.begin() + 17);
    return bytes;
}

TEST_F(ComFixture, TaggedValuesAndKlvData)
{
    AafFileBuilder f;
    GraphBuilder& b = f.builder();
    const ObjectId mob = f.AddMob("MasterMob", "m", MakeMobId(1));
    b.AddStrongVector(mob, 0x4406, "UserComments-4406");
    const ObjectId comment = b.AddVectorElement(mob, 0x4406, classes::kTaggedValue);
    b.AddString(comment, 0x5001, "Scene");
    b.AddData(comment, 0x5003, TypedValue("01100200-0000-0000-060e-2b3401040101"_auid, {'1', 0, '2', 0, 0, 0}));
    b.AddStrongVector(mob, 0x4409, "Attributes-4409");
    const ObjectId attribute = b.AddVectorElement(mob, 0x4409, classes::kTaggedValue);
    b.AddString(attribute, 0x5001, "Take");
    b.AddData(attribute, 0x5003, TypedValue("01010700-0000-0000-060e-2b3401040101"_auid, {7, 0, 0, 0}));
    b.AddStrongVector(mob, 0x4407, "KLVData-4407");
    const ObjectId klv = b.AddVectorElement(mob, 0x4407, classes::kKLVData);
    b.AddData(klv, 0x5101, TypedValue("0f0e0d0c-0b0a-0908-0706-050403020100"_auid, {'a', 0, 0, 0}));
    Open(f);

    Ref<IAAFMob> m;
    ASSERT_EQ(FirstMob(kAAFMasterMob, &m), 0);
    Ref<IAAFMob2> m2;
    ASSERT_EQ(Query(m.p, IID_IAAFMob2, &m2), 0);
    const struct {
        const char* what;
        std::uint8_t expectedSize;
        eAAFTypeCategory_t category;
    } values[] = {{"comment", 6, kAAFTypeCatString}, {"attribute", 4, kAAFTypeCatInt}};
    for (const auto& v : values) {
        Ref<IEnumAAFTaggedValues> e;
        aafUInt32 count = 0;
        if (std::string(v.what) == "comment") {
            ASSERT_EQ(m->CountComments(&count), 0);
            ASSERT_EQ(m->GetComments(e.out()), 0);
        } else {
            ASSERT_EQ(m2->CountAttributes(&count), 0);
            ASSERT_EQ(m2->GetAttributes(e.out()), 0);
        }
        EXPECT_EQ(count, 1u) << v.what;
        Ref<IAAFTaggedValue> tv, past;
        ASSERT_EQ(e->NextOne(tv.out()), 0);
        EXPECT_EQ(e->NextOne(past.out()), AAFRESULT_NO_MORE_OBJECTS);
        aafUInt32 size = 0, read = 0;
        ASSERT_EQ(tv->GetValueBufLen(&size), 0);
        EXPECT_EQ(size, v.expectedSize) << v.what;
        std::vector<aafUInt8> buffer(size);
        EXPECT_EQ(tv->GetValue(size - 1, buffer.data(), &read), AAFRESULT_SMALLBUF);
        ASSERT_EQ(tv->GetValue(size, buffer.data(), &read), 0);
        EXPECT_EQ(read, size);
        Ref<IAAFTypeDef> type;
        ASSERT_EQ(tv->GetTypeDefinition(type.out()), 0);
        eAAFTypeCategory_t category = kAAFTypeCatUnknown;
        ASSERT_EQ(type->GetTypeCategory(&category), 0);
        EXPECT_EQ(category, v.category) << v.what;
    }
    aafUInt32 count = 0;
    ASSERT_EQ(m2->CountKLVData(&count), 0);
    EXPECT_EQ(count, 1u);
    Ref<IEnumAAFKLVData> e;
    ASSERT_EQ(m2->GetKLVData(e.out()), 0);
    Ref<IAAFKLVData> item;
    ASSERT_EQ(e->NextOne(item.out()), 0);
    aafUInt32 size = 0, read = 0;
    ASSERT_EQ(item->GetValueBufLen(&size), 0);
    ASSERT_EQ(size, 4u);
    aafUInt8 buffer[4] = {};
    ASSERT_EQ(item->GetValue(4, buffer, &read), 0);
    EXPECT_EQ(buffer[0], 'a');
}

TEST_F(ComFixture, DataDefinitionKindsIncludingLegacyAndUnknown)
{
    const struct {
        const char* dataDef;
        const char* kind;
    } cases[] = {
        {"01030202-0100-0000-060e-2b3404010101", "picture"}, {"6f3c8ce1-6cef-11d2-807d-006008143e6f", "picture"},
        {"01030202-0200-0000-060e-2b3404010101", "sound"},   {"78e1ebe1-6cef-11d2-807d-006008143e6f", "sound"},
        {"01030201-0100-0000-060e-2b3404010101", "timecode"}, {"7f275e81-77e5-11d2-807f-006008143e6f", "timecode"},
        {"d2bb2af0-d234-11d2-89ee-006097116212", "edgecode"}, {"05cba731-1daa-11d3-80ad-006008143e6f", "matte"},
        {"01030203-0100-0000-060e-2b3404010105", "auxiliary"}, {"12345678-0000-0000-0000-000000000000", "none"},
    };
    AafFileBuilder f;
    const ObjectId mob = f.AddMob("CompositionMob", "c", MakeMobId(1));
    std::uint32_t id = 1;
    for (const auto& c : cases)
        f.AddFiller(f.AddTimelineSlot(mob, id++, "", 25, 1), c.dataDef, 1);
    Open(f);
    Ref<IAAFMob> m;
    ASSERT_EQ(FirstMob(kAAFCompMob, &m), 0);
    for (aafUInt32 i = 0; i < std::size(cases); ++i) {
        Ref<IAAFMobSlot> slot;
        ASSERT_EQ(m->GetSlotAt(i, slot.out()), 0);
        Ref<IAAFDataDef> d;
        ASSERT_EQ(slot->GetDataDef(d.out()), 0) << cases[i].dataDef;
        Ref<IAAFDataDef2> d2;
        Ref<IAAFDataDef3> d3;
        ASSERT_EQ(Query(d.p, IID_IAAFDataDef2, &d2), 0);
        ASSERT_EQ(Query(d.p, IID_IAAFDataDef3, &d3), 0);
        aafBoolean_t picture, sound, timecode, edgecode, matte, auxiliary;
        ASSERT_EQ(d->IsPictureKind(&picture), 0);
        ASSERT_EQ(d->IsSoundKind(&sound), 0);
        ASSERT_EQ(d->IsMatteKind(&matte), 0);
        ASSERT_EQ(d2->IsTimecodeKind(&timecode), 0);
        ASSERT_EQ(d2->IsEdgecodeKind(&edgecode), 0);
        ASSERT_EQ(d3->IsAuxiliaryKind(&auxiliary), 0);
        const std::string kind = picture     ? "picture"
                                 : sound     ? "sound"
                                 : timecode  ? "timecode"
                                 : edgecode  ? "edgecode"
                                 : matte     ? "matte"
                                 : auxiliary ? "auxiliary"
                                             : "none";
        EXPECT_EQ(kind, cases[i].kind) << cases[i].dataDef;
    }
}

}  // namespace
