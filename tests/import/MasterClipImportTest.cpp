// Master mobs made into master clips over files built in code: one clip with a slot item per
// picture and sound slot, the alpha slot, and the clips that nothing used left out of the bins.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/ImportDriver.h"
#include "aaf/import/MasterClipLookup.h"
#include "aaf/MobId.h"
#include "config/SourcePaths.h"
#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/FCPFileTag.h"
#include "import/SourceFixtures.h"
#include "import/TraversalFixtures.h"

namespace {

using namespace importtest;
namespace ids = fixture::ids;

std::vector<int> Keys(const std::map<int, FCPClipItemTag>& slots)
{
    std::vector<int> keys;
    for (const auto& [key, item] : slots)
        keys.push_back(key);
    return keys;
}

class MasterClipImport : public ImportFileTest {
protected:
    void TearDown() override
    {
        ClearSourcePathMap();
        ImportFileTest::TearDown();
    }

    // The master mobs of the open file imported, every mob registered first.
    void ImportMasters()
    {
        MobLists lists;
        SortMobsByKind(lists);
        ImportMasterMobs(lists);
    }
};

TEST_F(MasterClipImport, SlotItemsPerPictureAndSoundSlot)
{
    fixture::AafFileBuilder f;
    const auto master = AddMasterMob(f, 1, "Interview", 250,
                                     {{1, ids::kDataDefPicture, 11},
                                      {2, ids::kDataDefPicture, 12},
                                      {3, ids::kDataDefSound, 13},
                                      {4, ids::kDataDefSound, 14}});
    AddPictureFile(f, 11, "v1", 250, "file:///media/Interview%20V1.mxf", {}, 1280, 720);
    AddPictureFile(f, 12, "v2", 250, "file:///media/Interview%20V2.mxf", {}, 1280, 720);
    AddSoundFile(f, 13, "a1", 250, "file:///media/Interview%20A1.mxf", {}, 44100);
    AddSoundFile(f, 14, "a2", 250, "", {}, 44100);
    // A marker on the mob's own event slot.
    AddMarker(f, AddEventSequence(f, master, 9, 1), 12, "check", {1});
    Open(f);
    SourcePathMap["file:///media/Interview%20A1.mxf"] = "/relinked/A1.wav";

    ImportMasters();
    ASSERT_EQ(MasterClipMap.size(), 1u);
    EXPECT_EQ(MasterClipIdByMob.at(MobIdToText(IdOf(1))), "MASTER_MOB_1");
    const FCPClipTag& clip = MasterClipMap.at("MASTER_MOB_1");
    EXPECT_EQ(clip.name, "Interview");
    EXPECT_EQ(clip.duration, 250);
    EXPECT_FALSE(clip.referenced);
    ASSERT_EQ(clip.markers.size(), 1u);
    EXPECT_EQ(clip.markers[0].in, 12);
    EXPECT_EQ(clip.markers[0].comment, "check");
    EXPECT_EQ(Keys(clip.videoSlots), (std::vector<int>{1, 2}));
    EXPECT_EQ(Keys(clip.audioSlots), (std::vector<int>{3, 4}));

    struct Expected {
        int slot;
        int mediaType;
        int track;
    };
    for (const Expected& e : {Expected{1, 2, 1}, Expected{2, 2, 2}, Expected{3, 1, 1}, Expected{4, 1, 2}}) {
        SCOPED_TRACE(e.slot);
        const FCPClipItemTag& item = e.mediaType == 2 ? clip.videoSlots.at(e.slot) : clip.audioSlots.at(e.slot);
        EXPECT_EQ(item.id, "Slot: " + std::to_string(e.slot) + " for MASTER_MOB_1");
        EXPECT_EQ(item.name, "Interview");
        EXPECT_EQ(item.masterclipid, "MASTER_MOB_1");
        EXPECT_EQ(item.mediaType, e.mediaType);
        ASSERT_EQ(item.sourcetracks.size(), 1u);
        EXPECT_EQ(item.sourcetracks[0].mediatype, e.mediaType);
        EXPECT_EQ(item.sourcetracks[0].trackindex, e.track);
        EXPECT_EQ(item.in, 0);
        EXPECT_EQ(item.out, 250);
        ASSERT_EQ(item.files.size(), 1u);
    }
    // Every item plays the one file: the path of the last slot that had one, relinked.
    const FCPFileTag& file = clip.videoSlots.at(1).files[0];
    EXPECT_EQ(file.name, "Interview");
    EXPECT_EQ(file.duration, 250);
    EXPECT_EQ(file.pathurl, "/relinked/A1.wav");
    ASSERT_EQ(file.video.size(), 2u);
    ASSERT_EQ(file.video[0].samplecharacteristics.size(), 1u);
    EXPECT_EQ(file.video[0].samplecharacteristics[0].width, 1280);
    EXPECT_EQ(file.video[0].samplecharacteristics[0].height, 720);
    ASSERT_EQ(file.audio.size(), 1u);
    EXPECT_EQ(file.audio[0].channelcount, 2);
    ASSERT_EQ(file.audio[0].samplecharacteristics.size(), 1u);
    EXPECT_EQ(file.audio[0].samplecharacteristics[0].samplerate, 44100);
    EXPECT_EQ(file.audio[0].samplecharacteristics[0].depth, 24);
    EXPECT_EQ(clip.audioSlots.at(4).files[0].id, file.id);
}

TEST_F(MasterClipImport, AlphaSlotResolvesToTheFirstPictureSlot)
{
    fixture::AafFileBuilder f;
    AddMasterMob(f, 1, "Title", 100, {{1, ids::kDataDefPicture, 11}, {2, ids::kDataDefPicture, 12}});
    AddRgbaFile(f, 11, 100, "file:///title.pict", "RGBA");
    AddPictureFile(f, 12, "fill", 100, "file:///fill.mxf");
    // An RGBA picture without alpha is a picture slot like any other.
    AddMasterMob(f, 2, "Plain", 100, {{1, ids::kDataDefPicture, 13}});
    AddRgbaFile(f, 13, 100, "file:///plain.pict", "RGB");
    Open(f);

    ImportMasters();
    const FCPClipTag& title = MasterClipMap.at("MASTER_MOB_1");
    EXPECT_EQ(title.alphaSlotId, 1);
    EXPECT_EQ(Keys(title.videoSlots), std::vector<int>{2});
    EXPECT_EQ(title.videoSlots.at(2).alphatype, "straight");
    const FCPClipTag& plain = MasterClipMap.at("MASTER_MOB_2");
    EXPECT_EQ(plain.alphaSlotId, -1);
    EXPECT_EQ(Keys(plain.videoSlots), std::vector<int>{1});
    EXPECT_EQ(plain.videoSlots.at(1).alphatype, "");

    SourceReference reference;
    reference.sourceMobId = IdOf(1);
    reference.sourceSlotId = 1;
    reference.dataKind = 2;
    FCPClipItemTag item;
    ASSERT_TRUE(FindMasterClipItem(reference, item));
    EXPECT_EQ(item.id, "Slot: 2 for MASTER_MOB_1");
    EXPECT_TRUE(MasterClipMap.at("MASTER_MOB_1").referenced);
}

TEST_F(MasterClipImport, ClipsThatNothingUsedGoIntoNoBin)
{
    fixture::AafFileBuilder f;
    AddMasterMob(f, 1, "unused", 100, {{1, ids::kDataDefSound, 11}});
    AddSoundFile(f, 11, "a", 100, "file:///a.wav");
    Open(f);

    ImportProject();
    ASSERT_EQ(MasterClipMap.size(), 1u);
    EXPECT_FALSE(MasterClipMap.begin()->second.referenced);
    const ChildrenInfo& first = *XmemlDocument.bins.at(0).children;
    EXPECT_TRUE(first.clips.empty());
    EXPECT_TRUE(first.bins.at(0).children->clips.empty());
}

}  // namespace
