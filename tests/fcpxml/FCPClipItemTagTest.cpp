#include "fcpxml/FCPClipItemTag.h"

#include <gtest/gtest.h>

#include "config/MediaSettings.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/MarkerColorTables.h"
#include "fcpxml/TrackInfo.h"
#include "WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class ClipItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = OutputMediaSettings;
        UsedNameCounts.clear();
        UsedItemIds.clear();
    }
    void TearDown() override
    {
        OutputMediaSettings = saved_;
        UsedNameCounts.clear();
        UsedItemIds.clear();
    }

private:
    MediaSettings saved_;
};

EffectInfo Filter(const char* name, int mediaType, int keyframeAt)
{
    EffectInfo effect(name, name, "", "filter", -1, mediaType);
    ParameterInfo level("Level", "level");
    level.keyframes.emplace_back(keyframeAt);
    effect.parameters.push_back(level);
    return effect;
}

// The lines of a filter made by Filter(), at the depth of a clip item's children in a track.
std::string FilterLines(const char* name, const char* mediaType, const char* when)
{
    const std::string n = name;
    return Lines({"\t\t<filter>", "\t\t\t<enabled>TRUE</enabled>", "\t\t\t<effect>",
                  ("\t\t\t\t<name>" + n + "</name>").c_str(),
                  ("\t\t\t\t<effectid>" + n + "</effectid>").c_str(),
                  "\t\t\t\t<effecttype>filter</effecttype>",
                  (std::string("\t\t\t\t<mediatype>") + mediaType + "</mediatype>").c_str(),
                  "\t\t\t\t<parameter>", "\t\t\t\t\t<parameterid>level</parameterid>",
                  "\t\t\t\t\t<name>Level</name>", "\t\t\t\t\t<keyframe>",
                  (std::string("\t\t\t\t\t\t<when>") + when + "</when>").c_str(),
                  "\t\t\t\t\t</keyframe>", "\t\t\t\t</parameter>", "\t\t\t</effect>",
                  "\t\t</filter>"});
}

FCPClipItemTag Timed(FCPClipItemTag item)
{
    item.duration = 30;
    item.in = 10;
    item.out = 40;
    item.start = 100;
    item.end = 130;
    return item;
}

}  // namespace

TEST_F(ClipItemTest, VideoAndAudioItemsInsideATrackGolden)
{
    BuildMarkerColorTables();
    FCPClipItemTag video = Timed(FCPClipItemTag("Shot & 1"));
    video.mediaType = 2;
    video.AssignIdFromName();
    video.SetMasterClipId("Master 1");
    video.labels.label2 = "Blue";
    video.markers.emplace_back(12, "Cue", "");
    ParameterInfo scale("Scale", "scale");
    scale.AddValue("50");
    video.AddMotionParameter(scale);
    video.AddFilter(Filter("A", 2, 0));
    video.AddFilter(Filter("B", 2, 0));
    video.sourcetracks.push_back({2, 1});

    FCPClipItemTag audio = Timed(FCPClipItemTag("Shot & 1"));
    audio.mediaType = 1;
    audio.AssignIdFromName();
    audio.startTransition = {2, 10};
    EXPECT_TRUE(audio.AddFilter(Filter("Inside", 1, 40)));
    EXPECT_FALSE(audio.AddFilter(Filter("Outside", 1, 41)));  // no data within 10..40: dropped
    audio.sourcetracks.push_back({1, 2});

    TrackInfo track(2);
    track.items.resize(2);
    NewClipItemCopy(track.items[0], video);
    NewClipItemCopy(track.items[1], audio);

    const std::string head = Lines({"<track>"});
    auto itemHead = [](const char* id, const char* start) {
        return Lines({(std::string("\t<clipitem id=\"") + id + "\">").c_str(),
                      "\t\t<name>Shot &amp; 1</name>", "\t\t<duration>30</duration>", "\t\t<rate>",
                      "\t\t\t<ntsc>TRUE</ntsc>", "\t\t\t<timebase>30</timebase>", "\t\t</rate>",
                      "\t\t<in>10</in>", "\t\t<out>40</out>", start, "\t\t<end>130</end>",
                      "\t\t<pixelaspectratio>NTSC-601</pixelaspectratio>",
                      "\t\t<anamorphic>FALSE</anamorphic>"});
    };
    const std::string annotations = Lines(
        {"\t\t<logginginfo>", "\t\t\t<description/>", "\t\t\t<scene/>", "\t\t\t<shottake/>",
         "\t\t\t<lognote/>", "\t\t\t<good>FALSE</good>", "\t\t</logginginfo>", "\t\t<labels>"});
    const std::string comments =
        Lines({"\t\t<comments>", "\t\t\t<mastercomment1/>", "\t\t\t<mastercomment2/>",
               "\t\t\t<mastercomment3/>", "\t\t\t<mastercomment4/>", "\t\t</comments>"});
    const std::string videoText =
        itemHead("Shot &amp; 1", "\t\t<start>100</start>") +
        Lines({"\t\t<ismasterclip>FALSE</ismasterclip>", "\t\t<masterclipid>Master 1</masterclipid>"}) +
        annotations + Lines({"\t\t\t<label2>Blue</label2>", "\t\t</labels>"}) + comments +
        Lines({"\t\t<marker>", "\t\t\t<name>Cue</name>", "\t\t\t<comment/>", "\t\t\t<in>12</in>",
               "\t\t\t<out>-1</out>", "\t\t</marker>", "\t\t<filter>", "\t\t\t<enabled>TRUE</enabled>",
               "\t\t\t<effect>", "\t\t\t\t<name>Basic Motion</name>",
               "\t\t\t\t<effectid>basic</effectid>", "\t\t\t\t<effectcategory>motion</effectcategory>",
               "\t\t\t\t<effecttype>motion</effecttype>", "\t\t\t\t<mediatype>video</mediatype>",
               "\t\t\t\t<parameter>", "\t\t\t\t\t<parameterid>scale</parameterid>",
               "\t\t\t\t\t<name>Scale</name>", "\t\t\t\t\t<value>50</value>", "\t\t\t\t</parameter>",
               "\t\t\t</effect>", "\t\t</filter>"}) +
        FilterLines("B", "video", "0") + FilterLines("A", "video", "0") +
        Lines({"\t\t<sourcetrack>", "\t\t\t<mediatype>video</mediatype>", "\t\t</sourcetrack>",
               "\t\t<fielddominance>lower</fielddominance>", "\t</clipitem>"});
    const std::string audioText =
        itemHead("Shot &amp; 1 1", "\t\t<start>-1</start>") +
        Lines({"\t\t<ismasterclip>FALSE</ismasterclip>"}) + annotations +
        Lines({"\t\t\t<label2/>", "\t\t</labels>"}) + comments +
        FilterLines("Inside", "audio", "40") +
        Lines({"\t\t<sourcetrack>", "\t\t\t<mediatype>audio</mediatype>",
               "\t\t\t<trackindex>2</trackindex>", "\t\t</sourcetrack>", "\t</clipitem>"});
    const std::string tail = Lines({"\t<enabled>TRUE</enabled>", "\t<locked>FALSE</locked>", "</track>"});
    const std::string written = Capture([&] { WriteTrack(track); });
    EXPECT_EQ(written, head + videoText + audioText + tail);

    LabelColorTable.clear();
    AvidMarkerColorTable.clear();
    AvidToFcpColorNames.clear();
}

TEST_F(ClipItemTest, SettingsAreTakenWhenTheItemIsBuilt)
{
    OutputMediaSettings.pixelAspectRatio = "PAL-601";
    OutputMediaSettings.fieldDominance = "upper";
    OutputMediaSettings.anamorphic = true;
    FCPClipItemTag item;
    OutputMediaSettings.pixelAspectRatio = "Square";
    OutputMediaSettings.fieldDominance = "none";
    EXPECT_EQ(item.pixelaspectratio, "PAL-601");
    EXPECT_EQ(item.fielddominance, "upper");
    EXPECT_TRUE(item.anamorphic);
    EXPECT_EQ(item.kind, ItemKindClipItem);
    EXPECT_EQ(item.mediaType, 0);
    EXPECT_EQ((std::array{item.duration, item.start, item.end, item.in, item.out}),
              (std::array{-1, -1, -1, -1, -1}));
    EXPECT_EQ(item.startTransition.length, -1);
}

TEST_F(ClipItemTest, NestedSubclipAndSlotOperations)
{
    ComponentContext context;
    context.dataKind = 2;
    context.length = 75;
    FCPClipItemTag first;
    first.InitNested(context);
    FCPClipItemTag second;
    second.InitNested(context);
    EXPECT_EQ(first.name, "Nested");
    EXPECT_EQ(second.name, "Nested 1");
    EXPECT_EQ(second.id, "Nested 1");
    EXPECT_EQ(second.log.itemId, "Nested 1");
    EXPECT_EQ((std::array{second.mediaType, second.in, second.out, second.duration}),
              (std::array{2, 0, 75, 75}));

    FCPClipItemTag sub;
    sub.MakeSubclip({5, 10, 60}, "Sub Master");
    EXPECT_EQ(sub.subclipmasterid, "");
    EXPECT_EQ(sub.masterclipid, "Sub Master");
    EXPECT_EQ((std::array{sub.duration, sub.end, sub.out, sub.start, sub.in, sub.syncoffset}),
              (std::array{60, 60, 60, 0, 0, 0}));
    sub.MakeSubclip({0, 0, 20}, "Second");
    EXPECT_EQ(sub.subclipmasterid, "Sub Master");
    EXPECT_EQ(sub.subclipinfos.size(), 2u);

    FCPClipItemTag slot("Kept");
    slot.AssignSlotId(3, "Mob A");
    EXPECT_EQ(slot.id, "Slot: 3 for Mob A");
    EXPECT_EQ(slot.log.itemId, slot.id);
    EXPECT_EQ(slot.name, "Kept");
}

TEST_F(ClipItemTest, FileConversionAndDurations)
{
    FCPFileTag file("Slug");
    file.duration = 3600;
    file.alphatype = "straight";
    file.width = 1920;
    file.height = 1080;
    file.rate.SetFromRate(25, 1);
    FCPClipItemTag item = ToClipItem(file, 1);
    EXPECT_EQ(item.name, "Slug");
    EXPECT_EQ(item.mediaType, 1);
    EXPECT_EQ(item.rate.timebase, 25);
    EXPECT_EQ((std::array{item.duration, item.end, item.out, item.start, item.in}),
              (std::array{3600, 3600, 3600, 0, 0}));
    EXPECT_EQ(item.alphatype, "straight");
    ASSERT_EQ(item.files.size(), 1u);
    EXPECT_EQ(item.GetFileDuration(), 3600);
    EXPECT_EQ(item.GetSourceDuration(), 3600);
    EXPECT_EQ(item.GetFrameSize().width, 1920);
    item.ClearFiles();
    EXPECT_EQ(item.GetFileDuration(), -1);
    EXPECT_EQ(item.GetSourceDuration(), 3600);
    EXPECT_EQ(item.GetFrameSize().height, OutputMediaSettings.height);
}

TEST_F(ClipItemTest, FilesAndNestedSequencesKeepTheirPlace)
{
    WrittenFileIds.clear();
    FCPFileTag file("Media");
    file.id = "Media";
    FCPClipItemTag first("One");
    first.files.push_back(file);
    first.markers.emplace_back(1, "M", "");
    first.nestedSequences.emplace_back(OutputMediaSettings);
    first.nestedSequences.back().id = "Inner";
    first.AddFilter(EffectInfo("Blur", "blur", "", "filter", -1, 2));
    first.CopyMarkersToNestedSequences();
    ASSERT_EQ(first.nestedSequences.back().markers.size(), 1u);
    FCPClipItemTag second("Two");
    second.files.push_back(file);

    const std::string one = Capture([&] { first.WriteClipItem(); });
    const std::string two = Capture([&] { second.WriteClipItem(); });
    WrittenFileIds.clear();

    const auto at = [&](const char* text) { return one.find(text); };
    ASSERT_NE(at("\t<file id=\"Media\">\n"), std::string::npos);  // in full the first time
    EXPECT_LT(at("</comments>"), at("<file id=\"Media\">"));
    EXPECT_LT(at("</file>"), at("\t<marker>"));
    EXPECT_LT(at("\t</marker>"), at("<sequence id=\"Inner\""));
    EXPECT_LT(at("</sequence>"), at("\t<filter>"));
    EXPECT_EQ(one.find("\n\t<fielddominance>"), std::string::npos);  // media type 0 is not video
    EXPECT_NE(two.find("\t<file id=\"Media\"/>\n"), std::string::npos);  // a reference afterwards
    EXPECT_EQ(two.find("<pathurl>"), std::string::npos);
}
