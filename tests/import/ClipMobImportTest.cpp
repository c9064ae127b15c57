// Adjusted clips and subclips over files built in code: an adjusted clip trims the master clip it
// plays and resolves to it; a subclip becomes a clip of its own whose items cut the master's file.
#include <string>

#include <gtest/gtest.h>

#include "aaf/MobId.h"
#include "aaf/import/ImportDriver.h"
#include "aaf/import/MasterClipLookup.h"
#include "fcpxml/FCPFileTag.h"
#include "import/SourceFixtures.h"
#include "import/TraversalFixtures.h"

namespace {

using namespace importtest;
namespace ids = fixture::ids;

constexpr const char* kAdjustedUsage = "0d010102-0101-0600-060e-2b3404010101";
constexpr const char* kSubclipUsage = "0d010102-0101-0500-060e-2b3404010101";

// A composition of the usage whose slots each play a part of a master mob's slot.
struct Cut {
    std::uint32_t slotId;
    const char* dataDef;
    std::uint32_t masterSlot;  // 0: the slot holds a filler
    std::int64_t start;
    std::int64_t length;
};

aafsdk::ObjectId AddClipMob(fixture::AafFileBuilder& f, std::uint32_t n, const char* name, const char* usage,
                            std::uint32_t master, const std::vector<Cut>& cuts)
{
    const auto mob = f.AddMob("CompositionMob", name, fixture::MakeMobId(n));
    SetUsage(f, mob, usage);
    for (const Cut& c : cuts) {
        const auto slot = f.AddTimelineSlot(mob, c.slotId, "", 25, 1);
        if (c.masterSlot == 0)
            f.AddFiller(slot, c.dataDef, c.length);
        else
            f.AddSourceClip(slot, c.dataDef, c.length, fixture::MakeMobId(master), c.masterSlot, c.start);
    }
    return mob;
}

// A marker at the position on the mob's event slot, describing slot 1.
void AddSlotMarker(fixture::AafFileBuilder& f, aafsdk::ObjectId mob, std::int64_t position, const char* comment)
{
    AddMarker(f, AddEventSequence(f, mob, 9, 1), position, comment, {1});
}

SourceReference Reference(std::uint32_t mob, std::int32_t slot, std::int32_t dataKind)
{
    SourceReference reference;
    reference.sourceMobId = IdOf(mob);
    reference.sourceSlotId = slot;
    reference.dataKind = dataKind;
    return reference;
}

class ClipMobImport : public ImportFileTest {};

TEST_F(ClipMobImport, AdjustedClipTrimsItsMasterClipAndResolvesToIt)
{
    fixture::AafFileBuilder f;
    const auto master = AddMasterMob(f, 1, "M", 1000, {{1, ids::kDataDefPicture, 11}});
    AddSlotMarker(f, master, 40, "master's own");
    AddPictureFile(f, 11, "v", 1000, "file:///v.mxf");
    const auto adjusted = AddClipMob(f, 2, "M adjusted", kAdjustedUsage, 1, {{1, ids::kDataDefPicture, 1, 0, 1000}});
    f.builder().AddI64(f.graph().object(adjusted).Find(0x4403)->elements[0].object, kMarkIn, 10);
    // A second adjusted clip, naming a mob that made no clip.
    AddClipMob(f, 3, "stray", kAdjustedUsage, 99, {{1, ids::kDataDefPicture, 1, 0, 10}});
    Open(f);

    ImportProject();
    ASSERT_EQ(MasterClipMap.size(), 1u);
    const FCPClipTag& clip = MasterClipMap.at("MASTER_MOB_1");
    EXPECT_EQ(clip.in, 10);
    EXPECT_EQ(clip.out, 1000);
    // Without markers of its own the adjusted clip leaves the master's.
    ASSERT_EQ(clip.markers.size(), 1u);
    EXPECT_EQ(clip.markers[0].comment, "master's own");
    EXPECT_EQ(MasterClipIdByMob.at(MobIdToText(IdOf(2))), "MASTER_MOB_1");
    EXPECT_EQ(MasterClipIdByMob.count(MobIdToText(IdOf(3))), 0u);

    SourceReference reference = Reference(2, 1, 2);
    FCPClipItemTag item;
    ASSERT_TRUE(FindMasterClipItem(reference, item));
    EXPECT_EQ(item.id, "Slot: 1 for MASTER_MOB_1");
}

TEST_F(ClipMobImport, AdjustedClipMarksAndMarkers)
{
    struct Case {
        std::int64_t markIn, markOut;
        int in, out;
    };
    for (const Case& c : {Case{-1, 50, 0, 50}, Case{20, 60, 20, 60}, Case{-1, -1, -1, -1}}) {
        SCOPED_TRACE(testing::Message() << c.markIn << "/" << c.markOut);
        Reset();
        ResetImport();
        fixture::AafFileBuilder f;
        AddMasterMob(f, 1, "M", 1000, {{1, ids::kDataDefPicture, 11}});
        AddPictureFile(f, 11, "v", 1000, "file:///v.mxf");
        const auto adjusted = AddClipMob(f, 2, "A", kAdjustedUsage, 1, {{1, ids::kDataDefPicture, 1, 0, 1000}});
        const auto slot = f.graph().object(adjusted).Find(0x4403)->elements[0].object;
        if (c.markIn != -1)
            f.builder().AddI64(slot, kMarkIn, c.markIn);
        if (c.markOut != -1)
            f.builder().AddI64(slot, kMarkOut, c.markOut);
        AddSlotMarker(f, adjusted, 5, "adjusted");
        Open(f);

        ImportProject();
        const FCPClipTag& clip = MasterClipMap.at("MASTER_MOB_1");
        EXPECT_EQ(clip.in, c.in);
        EXPECT_EQ(clip.out, c.out);
        ASSERT_EQ(clip.markers.size(), 1u);
        EXPECT_EQ(clip.markers[0].comment, "adjusted");
    }
}

TEST_F(ClipMobImport, SubclipItemsCutTheMasterFile)
{
    fixture::AafFileBuilder f;
    AddMasterMob(f, 1, "M", 1000, {{1, ids::kDataDefPicture, 11}, {2, ids::kDataDefSound, 12}});
    AddPictureFile(f, 11, "v", 1000, "file:///v.mxf");
    AddSoundFile(f, 12, "a", 1000, "file:///a.wav");
    // A third slot of filler leaves no reference: it takes none of the others'.
    AddClipMob(f, 2, "Sub", kSubclipUsage, 1,
               {{1, ids::kDataDefPicture, 1, 100, 200},
                {2, ids::kDataDefSound, 2, 100, 200},
                {3, ids::kDataDefSound, 0, 0, 200}});
    Open(f);

    ImportProject();
    const std::string id = MasterClipIdByMob.at(MobIdToText(IdOf(2)));
    EXPECT_EQ(id, "COMP_MOB_1");
    const FCPClipTag& sub = MasterClipMap.at(id);
    EXPECT_EQ(sub.name, "Sub");
    EXPECT_EQ(sub.duration, 200);
    EXPECT_EQ(sub.subclipmasterid, id);
    ASSERT_EQ(sub.videoSlots.size(), 1u);
    ASSERT_EQ(sub.audioSlots.size(), 1u);
    for (const FCPClipItemTag* item : {&sub.videoSlots.at(1), &sub.audioSlots.at(2)}) {
        SCOPED_TRACE(item->id);
        EXPECT_EQ(item->name, "Sub");
        EXPECT_EQ(item->masterclipid, id);
        EXPECT_EQ(item->subclipmasterid, "MASTER_MOB_1");
        ASSERT_EQ(item->subclipinfos.size(), 1u);
        EXPECT_EQ(item->subclipinfos[0].startoffset, 100);
        EXPECT_EQ(item->subclipinfos[0].endoffset, 700);
        EXPECT_EQ(item->in, 0);
        EXPECT_EQ(item->out, 200);
    }
    EXPECT_EQ(sub.videoSlots.at(1).id, "Slot: 1 for COMP_MOB_1");
    // The master clip a subclip cuts counts as used.
    EXPECT_TRUE(MasterClipMap.at("MASTER_MOB_1").referenced);
}

}  // namespace
