// The links a reader follows from the document's items: master clips reached through essence groups
// with their files and paths, item ids that name only written clips, and the slug file's timecode.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/import/BuildTopLevelSequence.h"
#include "aaf/import/ImportBins.h"
#include "aaf/import/ImportDriver.h"
#include "aaf/import/MasterClipLinks.h"
#include "aaf/import/MasterMobT.h"
#include "aaf/import/MediaPathQuery.h"
#include "aaf/import/MobKind.h"
#include "aaf/import/UsageCodes.h"
#include "config/MediaSettings.h"
#include "config/SourcePaths.h"
#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "import/SourceFixtures.h"
#include "import/TraversalFixtures.h"
#include "tests/fcpxml/WriteCapture.h"

namespace {

using namespace importtest;
namespace ids = fixture::ids;

constexpr const char* kTopLevel = "0d010102-0101-0700-060e-2b3404010101";

class MasterClipLinks : public ImportFileTest {
protected:
    void TearDown() override
    {
        ClearSourcePathMap();
        ImportFileTest::TearDown();
    }

    // The top-level composition "Cut" (mob n): one picture slot playing slot 1 of the mob named.
    void AddCut(fixture::AafFileBuilder& f, std::uint32_t n, std::uint32_t played, std::int64_t length)
    {
        const auto cut = f.AddMob("CompositionMob", "Cut", fixture::MakeMobId(n));
        SetUsage(f, cut, kTopLevel);
        const auto slot = f.AddTimelineSlot(cut, 1, "", 25, 1);
        SetPhysicalNumber(f, slot, 1);
        f.AddSourceClip(slot, ids::kDataDefPicture, length, fixture::MakeMobId(played), 1, 0);
    }

    // The items of the first video track of the first bin's only sequence.
    std::vector<ItemSlot>& CutItems()
    {
        FCPSequenceTag& sequence = FirstBin().children->sequences.at(0);
        return sequence.video.at(0).tracks.at(0).items;
    }
};

TEST_F(MasterClipLinks, EssenceGroupsInMasterAndFileSlotsLeadToTheirFiles)
{
    fixture::AafFileBuilder f;
    // Slot 1: a group of two resolutions; slot 2: a file whose own slot is a group naming the
    // original it was made from.
    const auto master = f.AddMob("MasterMob", "ATL", fixture::MakeMobId(1));
    AddEssenceGroup(f, f.AddTimelineSlot(master, 1, "", 25, 1), 100, {fixture::MakeMobId(11), fixture::MakeMobId(12)});
    f.AddSourceClip(f.AddTimelineSlot(master, 2, "", 25, 1), ids::kDataDefPicture, 100, fixture::MakeMobId(13), 1, 0);
    AddPictureFile(f, 11, "ATL.PHYS", 100, "file:///media/ATL-one.mxf", {}, 1280, 720);
    AddPictureFile(f, 12, "ATL.PHYS", 100, "file:///media/ATL-two.mxf");
    const auto grouped = f.AddMob("SourceMob", "F", fixture::MakeMobId(13));
    AddEssenceGroup(f, f.AddTimelineSlot(grouped, 1, "", 25, 1), 100, {fixture::MakeMobId(21)});
    const auto descriptor = f.AddDescriptor(grouped, "TapeDescriptor");
    f.graph().objects[descriptor].classId = fixture::AuidOf(kCdci);
    f.AddNetworkLocator(descriptor, "file:///media/F.mxf");
    FillPictureDescriptor(f, descriptor, 100, 1920, 1080);
    AddSourceMob(f, 21, "original", kImport, ids::kDataDefPicture, 100, "file:///orig/title.pict");
    AddCut(f, 2, 1, 40);
    Open(f);

    ImportProject();
    const ChildrenInfo& media = *FirstBin().children->bins.at(0).children;
    ASSERT_EQ(media.clips.size(), 1u);
    const FCPClipTag& clip = media.clips[0];
    EXPECT_EQ(clip.id, "MASTER_MOB_1");
    ASSERT_EQ(clip.videoSlots.count(1), 1u);
    const FCPClipItemTag& slotItem = clip.videoSlots.at(1);
    ASSERT_EQ(slotItem.files.size(), 1u);
    // The file's path is the last slot's.
    EXPECT_EQ(slotItem.files[0].pathurl, "file:///orig/title.pict");
    ASSERT_EQ(slotItem.files[0].video.size(), 2u);
    EXPECT_EQ(slotItem.files[0].video[0].samplecharacteristics.at(0).width, 1280);
    const auto* played = dynamic_cast<const FCPClipItemTag*>(CutItems().at(0).get());
    ASSERT_NE(played, nullptr);
    EXPECT_EQ(played->masterclipid, "MASTER_MOB_1");

    MasterMobT reader(MobRegistry::Find(IdOf(1)));
    reader.ReadSlots();
    ASSERT_EQ(reader.pictureSources.size(), 2u);
    // The group's first choice, with its descriptor and locator.
    EXPECT_EQ(reader.pictureSources[0].mob.mediaPath, "file:///media/ATL-one.mxf");
    EXPECT_EQ(reader.pictureSources[0].descriptors.images.size(), 1u);
    EXPECT_EQ(reader.pictureSources[0].descriptors.cdci.size(), 1u);
    // The file mob's group leads on to the physical source, whose path the defaults prefer.
    EXPECT_EQ(reader.pictureSources[1].GetSourceKind(), 63);
    EXPECT_EQ(reader.pictureSources[1].mob.mediaPath, "file:///orig/title.pict");

    // Run mode 1 records the first path by byte order: the first choice's.
    MobRegistry::Clear();
    CollectMediaPaths(*file_);
    ASSERT_EQ(SourcePathMap.size(), 1u);
    EXPECT_EQ(SourcePathMap.begin()->first, "file:///media/ATL-one.mxf");
}

TEST_F(MasterClipLinks, ItemsNameOnlyClipsTheDocumentWrites)
{
    const auto clip = [](const std::string& id, bool referenced) {
        FCPClipTag tag;
        tag.id = id;
        tag.referenced = referenced;
        MasterClipMap[id] = tag;
    };
    clip("USED", true);
    clip("TITLE MEDIA", false);  // unmarked again after a title item took its slot item
    clip("UNNAMED", false);
    const auto named = [](const std::string& master, const std::string& subclipMaster = "") {
        FCPClipItemTag item("item");
        item.masterclipid = master;
        item.subclipmasterid = subclipMaster;
        return item;
    };

    ImportPrefs.addMediaToBin = true;
    AddBin("AAF Import");
    FCPSequenceTag sequence(OutputMediaSettings);
    TrackInfo track(2);
    FCPClipItemTag nesting = named("");
    FCPSequenceTag nested(OutputMediaSettings);
    TrackInfo nestedTrack(2);
    NewClipItemCopy(nestedTrack.items.emplace_back(), named("NO CLIP"));
    nested.AddVideoTrack(nestedTrack);
    nesting.nestedSequences.push_back(nested);
    for (const FCPClipItemTag& item : {named("USED"), named("TITLE MEDIA"), named("NO CLIP", "USED"), nesting})
        NewClipItemCopy(track.items.emplace_back(), item);
    FCPGeneratorItemTag generator = ToGeneratorItem(named("NO CLIP"));
    NewGeneratorItemCopy(track.items.emplace_back(), generator);
    sequence.AddVideoTrack(track);
    FirstBin().children->sequences.push_back(sequence);

    MarkMasterClipsNamedByItems();
    AddMasterClipsToBin();
    ClearMasterClipIdsWithoutClip();

    std::vector<std::string> filed;
    for (const FCPClipTag& c : FirstBin().children->bins.at(0).children->clips)
        filed.push_back(c.id);
    EXPECT_EQ(filed, (std::vector<std::string>{"TITLE MEDIA", "USED"}));
    const std::vector<ItemSlot>& items = CutItems();
    const auto ids = [&](std::size_t i) {
        const auto* item = dynamic_cast<const MasterIDTagBase*>(items.at(i).get());
        return item->masterclipid + "|" + item->subclipmasterid.str();
    };
    EXPECT_EQ(ids(0), "USED|");
    EXPECT_EQ(ids(1), "TITLE MEDIA|");
    EXPECT_EQ(ids(2), "|USED");
    EXPECT_EQ(ids(4), "|");
    const auto* outer = dynamic_cast<const FCPClipItemTag*>(items.at(3).get());
    const auto* inner = dynamic_cast<const FCPClipItemTag*>(
        outer->nestedSequences.at(0).video.at(0).tracks.at(0).items.at(0).get());
    EXPECT_EQ(inner->masterclipid, "");
}

TEST_F(MasterClipLinks, SlugFileWritesAnUnsetTimecodeAsFrameZeroOfItsRate)
{
    struct Case {
        std::int32_t rateNumerator, rateDenominator;
        const char* text;
    };
    for (const Case& c : {Case{2997, 100, "00:00:00:00"}, Case{25, 1, "00.00.00.00"}}) {
        SCOPED_TRACE(c.text);
        ResetImport();
        OutputMediaSettings.timecode.rateNumerator = c.rateNumerator;
        OutputMediaSettings.timecode.rateDenominator = c.rateDenominator;
        fixture::AafFileBuilder f;
        AddCut(f, 1, 9, 40);  // mob 9 is not in the file
        Open(f);
        ImportProject();

        auto* slug = dynamic_cast<FCPClipItemTag*>(CutItems().at(0).get());
        ASSERT_NE(slug, nullptr);
        ASSERT_EQ(slug->files.size(), 1u);
        ASSERT_EQ(slug->files[0].mediaSource, "Slug");
        EXPECT_EQ(slug->masterclipid, "");
        EXPECT_EQ(slug->sourcetracks.size(), 1u);
        const std::string written = fcpxmltest::Capture([&] { slug->files[0].WriteFileTimecodes(); });
        EXPECT_NE(written.find(std::string("<string>") + c.text + "</string>\n"), std::string::npos) << written;
        EXPECT_NE(written.find("<frame>0</frame>\n"), std::string::npos) << written;
    }
}

}  // namespace
