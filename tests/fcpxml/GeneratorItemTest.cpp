#include <gtest/gtest.h>

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/IDTagBase.h"
#include "tests/fcpxml/WriteCapture.h"
#include "support/XmemlValidation.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

class GeneratorItem : public ::testing::Test {
protected:
    void SetUp() override
    {
        UsedNameCounts.clear();
        UsedItemIds.clear();
    }
    void TearDown() override { SetUp(); }

    static FCPClipItemTag SourceItem()
    {
        FCPClipItemTag clip("Clip");
        clip.in = 100;
        clip.out = 250;
        clip.duration = 400;
        clip.start = 7;
        clip.end = 157;
        clip.anamorphic = true;
        clip.alphatype = "straight";
        clip.masterclipid = "MASTER_MOB_1";
        clip.comments.mastercomment1 = "note";
        clip.logginginfo.scene = "12";
        clip.markers.emplace_back(5, "m", "c");
        clip.filters.emplace_back(EffectInfo("A", "a", "", "filter", -1, 2));
        clip.filters.emplace_back(EffectInfo("B", "b", "", "filter", -1, 2));
        clip.AddMotionParameter(ParameterInfo("Scale", "scale"));
        return clip;
    }
};

TEST_F(GeneratorItem, MadeFromAClipItem)
{
    FCPClipItemTag clip = SourceItem();
    clip.sourcetracks.push_back(SourceTrackInfo{1, 3});
    const FCPGeneratorItemTag item = ToGeneratorItem(clip);

    EXPECT_EQ(item.kind, ItemKindGeneratorItem);
    EXPECT_EQ(item.name, "Clip");
    EXPECT_EQ(item.mediaType, 0);
    EXPECT_EQ(item.duration, 3600);
    EXPECT_EQ(item.start, 0);
    EXPECT_EQ(item.end, 150);
    EXPECT_EQ(item.in, 0);
    EXPECT_EQ(item.out, 150);
    EXPECT_TRUE(item.anamorphic);
    EXPECT_EQ(item.alphatype, "");
    EXPECT_FALSE(item.ismasterclip);
    EXPECT_EQ(item.masterclipid, "");
    EXPECT_EQ(item.comments.mastercomment1, "note");
    EXPECT_EQ(item.logginginfo.scene, "12");
    ASSERT_EQ(item.markers.size(), 1u);
    ASSERT_EQ(item.filters.size(), 2u);
    EXPECT_EQ(item.filters[0].effect.name, "A");
    EXPECT_TRUE(item.motionParameters.empty());
    EXPECT_EQ(item.sourcetrack.mediatype, 1);
    EXPECT_EQ(item.sourcetrack.trackindex, 3);
    // The id is taken from the name, which the clip item left free.
    EXPECT_EQ(item.id, "Clip");
    EXPECT_EQ(item.log.itemId, "Clip");

    const FCPGeneratorItemTag second = ToGeneratorItem(SourceItem());
    EXPECT_EQ(second.id, "Clip 1");
    EXPECT_EQ(second.sourcetrack.mediatype, 2);
    EXPECT_EQ(second.sourcetrack.trackindex, -1);
}

TEST_F(GeneratorItem, TitleIdsNameTheItem)
{
    FCPGeneratorItemTag first = ToGeneratorItem(SourceItem());
    FCPGeneratorItemTag second = ToGeneratorItem(SourceItem());
    first.AssignTitleId();
    second.AssignTitleId();
    EXPECT_EQ(first.id, "Title");
    EXPECT_EQ(first.name, "Title");
    EXPECT_EQ(first.log.itemId, "Title");
    EXPECT_EQ(second.id, "Title 1");
    EXPECT_EQ(second.name, "Title 1");
}

TEST_F(GeneratorItem, WritesMarksOnlyWhenTheyHoldText)
{
    FCPClipItemTag clip("Text");
    clip.in = 0;
    clip.out = 60;
    FCPGeneratorItemTag item = ToGeneratorItem(clip);
    item.rate.ntsc = false;
    item.rate.timebase = 25;
    item.start = 10;
    item.end = 70;
    item.endTransition = {2, 10};
    item.effects.emplace_back("Text", "Text", "Text", "generator", -1, 2);
    item.AddFilter(EffectInfo("First", "first", "", "filter", -1, 2));
    item.AddFilter(EffectInfo("Second", "second", "", "filter", -1, 1));

    const std::string head = Lines({"<generatoritem id=\"Text\">",
                                    "><name>Text</name>",
                                    "><duration>3600</duration>",
                                    "><rate>",
                                    ">><ntsc>FALSE</ntsc>",
                                    ">><timebase>25</timebase>",
                                    "></rate>",
                                    "><in>0</in>",
                                    "><out>60</out>",
                                    "><start>10</start>",
                                    "><end>-1</end>",
                                    "><enabled>TRUE</enabled>",
                                    "><anamorphic>FALSE</anamorphic>",
                                    "><effect>",
                                    ">><name>Text</name>",
                                    ">><effectid>Text</effectid>",
                                    ">><effectcategory>Text</effectcategory>",
                                    ">><effecttype>generator</effecttype>",
                                    ">><mediatype>video</mediatype>",
                                    "></effect>"});
    // Filters in the order they were added, an audio one included; then the source track.
    const std::string tail = Lines({"><filter>",
                                    ">><enabled>TRUE</enabled>",
                                    ">><effect>",
                                    ">>><name>First</name>",
                                    ">>><effectid>first</effectid>",
                                    ">>><effecttype>filter</effecttype>",
                                    ">>><mediatype>video</mediatype>",
                                    ">></effect>",
                                    "></filter>",
                                    "><filter>",
                                    ">><enabled>TRUE</enabled>",
                                    ">><effect>",
                                    ">>><name>Second</name>",
                                    ">>><effectid>second</effectid>",
                                    ">>><effecttype>filter</effecttype>",
                                    ">>><mediatype>audio</mediatype>",
                                    ">></effect>",
                                    "></filter>",
                                    "><sourcetrack>",
                                    ">><mediatype>video</mediatype>",
                                    "></sourcetrack>",
                                    "</generatoritem>"});

    struct Case {
        const char* label;
        void (*mark)(FCPGeneratorItemTag&);
        std::string marks;
    };
    const Case cases[] = {
        {"no marks", [](FCPGeneratorItemTag&) {}, ""},
        {"only take", [](FCPGeneratorItemTag& g) { g.logginginfo.take = "3"; },
         Lines({"><logginginfo>", ">><description/>", ">><scene/>", ">><shottake/>", ">><lognote/>",
                ">><good>FALSE</good>", "></logginginfo>"})},
        {"only label2", [](FCPGeneratorItemTag& g) { g.labels.label2 = "Red"; },
         Lines({"><labels>", ">><label2>Red</label2>", "></labels>"})},
        {"only a clip comment", [](FCPGeneratorItemTag& g) { g.comments.clipcommentb = "b"; },
         Lines({"><comments>", ">><mastercomment1/>", ">><mastercomment2/>", ">><mastercomment3/>",
                ">><mastercomment4/>", ">><clipcommentb>b</clipcommentb>", "></comments>"})},
        {"a marker", [](FCPGeneratorItemTag& g) { g.markers.emplace_back(4, "m", ""); },
         Lines({"><marker>", ">><name>m</name>", ">><comment/>", ">><in>4</in>", ">><out>-1</out>",
                "></marker>"})},
    };
    std::string all;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FCPGeneratorItemTag copy = item;
        c.mark(copy);
        const std::string text = Capture([&] { copy.WriteGeneratorItem(); });
        EXPECT_EQ(text, head + c.marks + tail);
        all += text;
    }
    // No <ismasterclip>: the format does not let a generator item carry one.
    EXPECT_EQ(all.find("ismasterclip"), std::string::npos);
    EXPECT_VALID_XMEML("<sequence><media><video><track>" + all + "</track></video></media></sequence>");
}

}  // namespace
