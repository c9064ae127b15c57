#include <gtest/gtest.h>

#include "config/MediaSettings.h"
#include "fcpxml/EffectInfo.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "tests/fcpxml/WriteCapture.h"

using fcpxmltest::Capture;
using fcpxmltest::Lines;

namespace {

TEST(TransitionItem, AlignmentComesFromTheCutPoint)
{
    struct Case {
        int duration;
        int cutPoint;
        int alignment;
    };
    const Case cases[] = {
        {20, 0, 1}, {20, 20, 3}, {20, 10, 2}, {20, 1, 2}, {20, 19, 2}, {0, 0, 1}, {1, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.duration << "/" << c.cutPoint);
        const FCPTransitionItemTag item(c.duration, c.cutPoint);
        EXPECT_EQ(item.alignment, c.alignment);
        EXPECT_EQ(TransitionAlignmentFromCutPoint(c.duration, c.cutPoint), c.alignment);
        EXPECT_EQ(item.kind, ItemKindTransitionItem);
        EXPECT_EQ(item.mediaType, 0);
        EXPECT_EQ(item.duration, c.duration);
        EXPECT_EQ(item.out, c.duration);
        EXPECT_EQ(item.in, 0);
        EXPECT_EQ(item.start, -1);
        EXPECT_EQ(item.end, -1);
        EXPECT_EQ(item.startTransition.length, -1);
        EXPECT_EQ(item.endTransition.length, -1);
    }
}

TEST(TransitionItem, WritesRateTimesAndEffectsOnly)
{
    const MediaSettings saved = OutputMediaSettings;
    OutputMediaSettings.timecode.rateNumerator = 25000;
    OutputMediaSettings.timecode.rateDenominator = 1000;
    FCPTransitionItemTag item(20, 10);
    OutputMediaSettings = saved;
    item.name = "Cross Dissolve";
    item.effectName = "Dissolve";
    item.start = 90;
    item.end = 110;
    item.effects.emplace_back("Cross Dissolve", "Cross Dissolve", "Dissolve", "transition", -1, 2);

    EXPECT_EQ(Capture([&] { item.WriteTransitionItem(); }),
              Lines({"<transitionitem>",
                     "><rate>",
                     ">><ntsc>FALSE</ntsc>",
                     ">><timebase>25</timebase>",
                     "></rate>",
                     "><start>90</start>",
                     "><end>110</end>",
                     "><effect>",
                     ">><name>Cross Dissolve</name>",
                     ">><effectid>Cross Dissolve</effectid>",
                     ">><effectcategory>Dissolve</effectcategory>",
                     ">><effecttype>transition</effecttype>",
                     ">><mediatype>video</mediatype>",
                     "></effect>",
                     "</transitionitem>"}));
}

TEST(FillerItem, KeepsOnlyTiming)
{
    const FCPFillerTag filler(75);
    EXPECT_EQ(filler.kind, ItemKindFiller);
    EXPECT_EQ(filler.name, "");
    EXPECT_EQ(filler.mediaType, 0);
    EXPECT_EQ(filler.duration, 75);
    EXPECT_EQ(filler.end, 75);
    EXPECT_EQ(filler.out, 75);
    EXPECT_EQ(filler.start, 0);
    EXPECT_EQ(filler.in, 0);
    EXPECT_EQ(filler.startTransition.alignment, 0);
    EXPECT_EQ(filler.endTransition.length, -1);
}

}  // namespace
