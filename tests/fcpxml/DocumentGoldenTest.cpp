#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "fcpxml/BinInfo.h"
#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/CodecColorSpaceMap.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPClipTag.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/IDTagBase.h"
#include "fcpxml/MarkerColorTables.h"
#include "fcpxml/QtCodecTable.h"
#include "fcpxml/XmemlDocument.h"
#include "records/MobInfo.h"
#include "support/TestSupport.h"
#include "support/XmemlValidation.h"
#include "tests/fcpxml/WriteCapture.h"

namespace {

// The reviewed text lives beside this file; AAF2XMEML_UPDATE_GOLDEN=1 rewrites it from the output.
const std::filesystem::path kGoldenFile = std::filesystem::path(__FILE__).parent_path() / "golden" / "document.xml";

class DocumentGolden : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearRunState();
        OutputMediaSettings = MediaSettings();
        OutputMediaSettings.codec = "DV/DVCPRO - NTSC";
        OutputMediaSettings.timecode.startFrame = 108000;
        ImportPrefs = ImportPreferences();
        BuildQtCodecTable();
        BuildCodecColorSpaceMap();
        BuildMarkerColorTables();
    }
    void TearDown() override
    {
        ClearRunState();
        OutputMediaSettings = savedSettings;
        ImportPrefs = savedPrefs;
    }
    static void ClearRunState()
    {
        ClearXmemlDocument();
        UsedNameCounts.clear();
        UsedItemIds.clear();
        WrittenFileIds.clear();
        QtCodecTable.clear();
        CodecColorSpaceMap.clear();
        LabelColorTable.clear();
        AvidMarkerColorTable.clear();
        AvidToFcpColorNames.clear();
    }
    MediaSettings savedSettings = OutputMediaSettings;
    ImportPreferences savedPrefs = ImportPrefs;
};

FCPFileTag MakeSourceFile()
{
    FCPFileTag file("Interview 01");
    file.AssignIdFromTagName();
    file.duration = 1000;
    file.pathurl = "/Volumes/Media/Interview 01 & B-roll.mov";
    Timecode start(108000, 0, 30, 2997, 100);
    start.reelName = "A001";
    file.timecode.SetFromTimecode(start);
    VideoInfo video;
    video.duration = file.duration;
    video.samplecharacteristics.push_back(InitVideoSampleCharacteristics(720, 480));
    file.video.push_back(video);
    AudioInfo audio;
    audio.samplecharacteristics.push_back(InitAudioSampleCharacteristics(16, 48000, 0));
    audio.SetChannelCount(1);
    file.AddAudio(audio);
    return file;
}

FCPClipItemTag MakeSlotItem(int mediaType, int slotId, const FCPClipTag& master, const FCPFileTag& file)
{
    FCPClipItemTag item("Interview 01");
    item.mediaType = mediaType;
    item.AssignSlotId(slotId, "MASTER_MOB_1");
    item.masterclipid = master.id;
    item.in = item.start = 0;
    item.out = item.end = item.duration = file.duration;
    item.files.push_back(file);
    item.sourcetracks.push_back(SourceTrackInfo{mediaType, 1});
    return item;
}

FCPClipItemTag PlaceOnTimeline(const FCPClipItemTag& slotItem, int in, int out, int start)
{
    FCPClipItemTag item = slotItem;
    item.AssignIdFromName();
    item.in = in;
    item.out = out;
    item.start = start;
    item.end = start + out - in;
    return item;
}

template <typename Tag>
void Append(TrackInfo& track, const Tag& item, void (*make)(ItemSlot&, const Tag&))
{
    ItemSlot slot;
    make(slot, item);
    track.items.push_back(std::move(slot));
}

void BuildDocument()
{
    const FCPFileTag file = MakeSourceFile();

    MobInfo mob;
    mob.name = "Interview 01";
    mob.length = 1000;
    mob.markIn = 100;
    FCPClipTag master;
    master.FillFromMobInfo(mob, "MASTER_MOB_1");
    master.referenced = true;
    master.logginginfo.scene = "[Scene] 12";
    const FCPClipItemTag picture = MakeSlotItem(2, 1, master, file);
    const FCPClipItemTag sound = MakeSlotItem(1, 2, master, file);
    master.videoSlots.emplace(1, picture);
    master.audioSlots.emplace(2, sound);

    FCPSequenceTag sequence(OutputMediaSettings);
    sequence.name = "Edit 1";
    sequence.AssignIdFromTagName();
    sequence.duration = 400;
    sequence.in = 0;
    sequence.out = 400;

    TrackInfo video(2);
    FCPClipItemTag first = PlaceOnTimeline(picture, 100, 200, 0);
    first.endTransition = {2, 20};
    MarkerInfo marker(25, "Check", "colour");
    SetMarkerColor(marker, "Red");
    first.markers.push_back(marker);
    Append(video, first, NewClipItemCopy);

    FCPTransitionItemTag dissolve(20, 10);
    dissolve.start = 90;
    dissolve.end = 110;
    dissolve.effects.emplace_back("Cross Dissolve", "Cross Dissolve", "Dissolve", "transition", -1, 2);
    Append(video, dissolve, NewTransitionItemCopy);

    FCPClipItemTag second = PlaceOnTimeline(picture, 500, 600, 100);
    second.startTransition = {2, 20};
    Append(video, second, NewClipItemCopy);

    FCPClipItemTag titleSource("Text");
    titleSource.in = 0;
    titleSource.out = 150;
    FCPGeneratorItemTag title = ToGeneratorItem(titleSource);
    title.AssignTitleId();
    title.start = 200;
    title.end = 350;
    EffectInfo text("Text", "Text", "Text", "generator", -1, 2);
    ParameterInfo words("Text", "str");
    words.AddValue("Hello <world>");
    text.parameters.push_back(words);
    title.effects.push_back(text);
    Append(video, title, NewGeneratorItemCopy);

    FCPFillerTag gap(50);
    gap.mediaType = 2;
    Append(video, gap, NewFillerCopy);
    sequence.video.front().tracks.push_back(video);

    TrackInfo audio(1);
    Append(audio, PlaceOnTimeline(sound, 100, 200, 0), NewClipItemCopy);
    sequence.audio.front().tracks.push_back(audio);

    ChildrenInfo media;
    media.clips.push_back(master);
    ChildrenInfo root;
    root.sequences.push_back(sequence);
    root.bins.emplace_back("Media", media);
    XmemlDocument.bins.emplace_back("AAF Import", root);
}

TEST_F(DocumentGolden, HandBuiltDocumentMatchesTheReviewedText)
{
    BuildDocument();
    const std::string text = fcpxmltest::Capture([] { WriteXmemlDocument(); });
    if (const char* update = std::getenv("AAF2XMEML_UPDATE_GOLDEN"); update && std::string(update) == "1")
        testsupport::WriteFile(kGoldenFile, text);
    EXPECT_EQ(text, testsupport::ReadFile(kGoldenFile));
    EXPECT_VALID_XMEML(text);
}

}  // namespace
