// Speed changes and freeze frames: what a time warp's parameters and tags say about its motion,
// which graph that selects, the time-remap filter and the freeze frame's nested still.
#include <climits>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aaf/Auid.h"
#include "aaf/import/TimelineBuilder.h"
#include "effects/EffectFixture.h"
#include "effects/EffectIds.h"
#include "effects/motion/FreezeFrameTranslator.h"
#include "effects/motion/MotionEffectInfo.h"
#include "effects/motion/MotionGraphRequest.h"
#include "effects/motion/TimeEffectConverters.h"
#include "effects/motion/TimeRemapTranslator.h"
#include "effects/MotionEffectTags.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/ParameterInfo.h"
#include "records/ValueBase.h"

namespace effecttest {
namespace {

using ParameterMap = std::map<std::string, ParameterRecord>;

ControlPointInfo PointAt(int numerator, int denominator, int value = 0)
{
    ControlPointInfo point;
    point.timeNumerator = numerator;
    point.timeDenominator = denominator;
    point.value = new IntValue(value);
    return point;
}

void AddPoints(ParameterMap& parameters, const Auid& id, const std::vector<ControlPointInfo>& points)
{
    for (const ControlPointInfo& point : points)
        parameters[AuidToText(id)].controlPoints.push_back(point);
}

void AddRatio(ParameterMap& parameters, int numerator, int denominator)
{
    parameters[AuidToText(kSpeedRatioParameter)].constantValues.push_back(new RatioValue(numerator, denominator));
}

std::vector<std::string> Records(const ItemTagBase& item)
{
    std::vector<std::string> out;
    for (const TranslationRecord& r : item.log.translations)
        out.push_back(std::to_string(r.status) + " " + r.fcpName + " / " + r.avidName + " / " + r.action);
    return out;
}

// Each parameter of the effect as "id=value" (its first value) or "id:N keyframes".
std::vector<std::string> Parameters(const EffectInfo& effect)
{
    std::vector<std::string> out;
    for (const ParameterInfo& p : effect.parameters) {
        if (!p.keyframes.empty())
            out.push_back(p.parameterid + ":" + std::to_string(p.keyframes.size()) + " keyframes");
        else
            out.push_back(p.parameterid + "=" + (p.values.empty() ? std::string() : p.values.front().text));
    }
    return out;
}

TEST(MotionEffect, SpeedIsTheInverseRatioInPercentRoundedDown)
{
    const struct {
        int numerator;
        int denominator;
        int percent;
    } cases[] = {
        {2, 1, 50},   {1, 2, 200},  {3, 1, 33},  {-1, 1, -100}, {0, 1, 0},  {4, 3, 75}, {2, 3, 150},
        {3, 4, 133},  {-1, -2, 200}, {3, -1, -34}, {1, -3, -300},
        // A denominator of 0 is a speed of 0, as a numerator of 0 is; neither is divided by.
        {1, 0, 0},    {0, 0, 0},
        // The most negative numerator still negates.
        {INT_MIN, 1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.numerator) + "/" + std::to_string(c.denominator));
        EXPECT_EQ(SpeedPercent(c.numerator, c.denominator), c.percent);
    }
}

TEST(MotionEffect, ReadingTheParametersRetimesSourceFramesAndChoosesTheGraph)
{
    // Source-frame points re-timed to a component of 100 frames: 1/4 is frame 25, 1/3 frame 33; a
    // time with denominator 0 counts as 0; two points on one frame keep the first.
    {
        ParameterMap parameters;
        AddPoints(parameters, kSourceFramesParameter,
                  {PointAt(1, 4, 7), PointAt(1, 3), PointAt(0, 1, 1), PointAt(5, 0, 2), PointAt(26, 100, 3),
                   PointAt(251, 1000, 4)});
        MotionEffectInfo motion;
        ReadMotionEffectInfo(parameters, motion, 100);
        std::vector<std::string> frames;
        for (const auto& [frame, point] : motion.sourceFrames)
            frames.push_back(std::to_string(frame) + "@" + std::to_string(point.timeNumerator) + "/" +
                             std::to_string(point.timeDenominator) + "=" +
                             std::to_string(dynamic_cast<const IntValue*>(point.value)->value));
        EXPECT_EQ(frames, (std::vector<std::string>{"0@0/100=1", "25@25/100=7", "26@26/100=3", "33@33/100=0"}));
        EXPECT_EQ(motion.graphKind, kSpeedGraph);
    }
    const struct {
        const char* what;
        int speedPoints;
        int sourceFrames;
        int positionPoints;
        int taggedKind;
        int kind;
    } cases[] = {
        {"no points", 0, 0, 0, 0, kNoMotionGraph},
        {"one speed point with source frames", 1, 2, 0, 0, kSpeedGraphFromOnePoint},
        {"two speed points with source frames", 2, 2, 0, 0, kSpeedGraph},
        {"source frames alone", 0, 2, 0, 0, kSpeedGraph},
        {"speed points without source frames", 2, 0, 0, 0, kNoMotionGraph},
        {"position points alone", 0, 0, 2, 0, kPositionGraph},
        {"the tag's position graph over speed points", 1, 2, 0, kPositionGraph, kPositionGraph},
        {"the tag's speed graph without points", 0, 0, 0, kSpeedGraph, kSpeedGraph},
        {"a tagged kind 3 is decided by the points", 0, 0, 0, kSpeedGraphFromOnePoint, kNoMotionGraph},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ParameterMap parameters;
        for (int i = 0; i < c.speedPoints; ++i)
            AddPoints(parameters, kSpeedPointsParameter, {PointAt(i, 2)});
        for (int i = 0; i < c.sourceFrames; ++i)
            AddPoints(parameters, kSourceFramesParameter, {PointAt(i, 2)});
        for (int i = 0; i < c.positionPoints; ++i)
            AddPoints(parameters, kPositionPointsParameter, {PointAt(i, 2)});
        MotionEffectInfo motion;
        motion.graphKind = c.taggedKind;
        ReadMotionEffectInfo(parameters, motion, 100);
        EXPECT_EQ(motion.graphKind, c.kind);
        EXPECT_EQ(motion.speedPoints.size(), static_cast<std::size_t>(c.speedPoints));
        EXPECT_EQ(motion.positionPoints.size(), static_cast<std::size_t>(c.positionPoints));
    }
}

TEST(MotionEffect, TheSpeedRatioIsItsFirstRationalValue)
{
    const auto ratioOf = [](ParameterMap parameters) {
        MotionEffectInfo motion;
        ReadMotionEffectInfo(parameters, motion, 0);
        return std::to_string(motion.speedRatioNumerator) + "/" + std::to_string(motion.speedRatioDenominator);
    };
    ParameterMap rational;
    AddRatio(rational, 3, 2);
    AddRatio(rational, 5, 1);
    EXPECT_EQ(ratioOf(rational), "3/2");
    ParameterMap notRational;
    notRational[AuidToText(kSpeedRatioParameter)].constantValues.push_back(new IntValue(4));
    EXPECT_EQ(ratioOf(notRational), "1/1");
    EXPECT_EQ(ratioOf({}), "1/1");
    // Source frames of a component of no length all land on frame 0 without a 0 denominator.
    ParameterMap frames;
    AddPoints(frames, kSourceFramesParameter, {PointAt(1, 2)});
    MotionEffectInfo motion;
    ReadMotionEffectInfo(frames, motion, 0);
    ASSERT_EQ(motion.sourceFrames.size(), 1u);
    EXPECT_EQ(motion.sourceFrames.begin()->first, 0);
    EXPECT_EQ(motion.sourceFrames.begin()->second.timeDenominator, 1);
}

TEST(MotionEffect, TheAdapterKindAndPortableFlagSelectTheGraphClass)
{
    using C = MotionGraphClass;
    const struct {
        int adapter;
        int kind;
        int portable;
        C graphClass;
    } cases[] = {
        {2, 0, 0, C::MotionAdaptor2},
        {2, 2, 1, C::MotionAdaptor2},
        {4, 1, 0, C::MotionAdaptor4SpeedGraph},
        {4, 3, 0, C::MotionAdaptor4SpeedGraph},
        {4, 2, 0, C::MotionAdaptor4PositionGraph},
        {0, 1, 0, C::SpeedGraph},
        {0, 3, 0, C::SpeedGraphOneKF},
        {0, 2, 0, C::PositionGraph},
        {4, 0, 1, C::MatchPortable},
        {0, 0, 1, C::MatchPortable},
        {1, 0, 1, C::MatchPortable},
        {1, 0, 0, C::None},
        {1, 1, 0, C::None},
        {4, 0, 0, C::None},
        {0, 0, 0, C::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "adapter " << c.adapter << " kind " << c.kind << " portable " << c.portable);
        MotionEffectInfo motion;
        motion.motionAdapter = c.adapter;
        motion.graphKind = c.kind;
        motion.portableMatch = c.portable;
        EXPECT_EQ(ChooseMotionGraphClass(motion), c.graphClass);
    }
}

TEST(MotionEffect, TheGraphRangeBecomesTheClipItemsInAndOut)
{
    const struct {
        const char* what;
        int adapter;
        int kind;
        int portable;
        GraphRange range;
        int in, out;  // the clip item's after the graph
    } cases[] = {
        {"adapter 2 keeps the clip's range", 2, 1, 0, {60, 10, 70}, 0, 40},
        // Without points a speed graph has nothing to follow and leaves the range as prepared.
        {"a graph kind spans the component", 0, 1, 0, {40, 10, 50}, 10, 50},
        {"adapter 1 with a speed graph: no graph class, still the component", 1, 1, 0, {40, 10, 50}, 10, 50},
        {"a portable match keeps the clip's range", 0, 0, 1, {60, 10, 70}, 0, 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FCPClipItemTag clip = importtest::Clip("Shot", 10, 70);
        clip.files.emplace_back("shot.mov");
        clip.files.back().duration = 500;
        MotionEffectInfo motion;
        motion.motionAdapter = c.adapter;
        motion.graphKind = c.kind;
        motion.portableMatch = c.portable;
        ParameterInfo graphDict;
        MotionGraphRequest request{&clip, &graphDict, &motion, {}, 40};
        ASSERT_TRUE(NeedsMotionGraph(motion));
        PrepareGraphRange(request);
        EXPECT_EQ(request.range.length, c.range.length);
        EXPECT_EQ(request.range.in, c.range.in);
        EXPECT_EQ(request.range.out, c.range.out);
        EXPECT_EQ(graphDict.parameterid, "graphdict");
        EXPECT_EQ(graphDict.valuemin, "0");
        EXPECT_EQ(graphDict.valuemax, "499");
        CreateMotionGraph(request);
        EXPECT_EQ(clip.in, c.in);
        EXPECT_EQ(clip.out, c.out);
    }
    MotionEffectInfo constant;
    constant.motionAdapter = 1;
    EXPECT_FALSE(NeedsMotionGraph(constant));
}

TEST(MotionEffect, OnlyKeyframesThatHoldSomethingAtOrAfterZeroAreEmitted)
{
    std::map<int, KeyframeInfo> keyframes;
    const auto add = [&](int key, int when, bool value, bool handle) {
        KeyframeInfo& k = keyframes[key];
        k.when = when;
        if (value)
            k.values.emplace_back();
        if (handle)
            k.outbez.emplace_back();
    };
    add(3, 30, true, false);
    add(1, 10, false, true);
    add(2, 20, false, false);  // holds nothing
    add(0, -1, true, false);   // before the start
    ParameterInfo target;
    EmitGraphKeyframes(keyframes, target);
    ASSERT_EQ(target.keyframes.size(), 2u);
    EXPECT_EQ(target.keyframes[0].when, 10);
    EXPECT_EQ(target.keyframes[1].when, 30);
    EXPECT_EQ(target.interpolations, std::vector<std::string>{"FCPCurve"});
    ParameterInfo empty;
    EmitGraphKeyframes({}, empty);
    EXPECT_TRUE(empty.interpolations.empty());
}

class TimeEffects : public EffectTest {
protected:
    // A clip item "Shot" (in 10, out 70, over a file of 500 frames unless told otherwise) on top of
    // the item stack, within a sequence.
    static FCPClipItemTag& PushShot(bool withFile = true, int subclipStart = -1)
    {
        PushSequence();
        FCPClipItemTag clip = importtest::Clip("Shot", 10, 70);
        clip.SetUniqueId(clip.name);
        if (withFile) {
            clip.files.emplace_back("shot.mov");
            clip.files.back().duration = 500;
        }
        if (subclipStart >= 0) {
            clip.subclipinfos.emplace_back();
            clip.subclipinfos.back().startoffset = subclipStart;
        }
        clip.masterclipid = "MASTER_MOB_1";
        PushClipItem(clip);
        return Top();
    }
    static FCPClipItemTag& Top() { return static_cast<FCPClipItemTag&>(*GlobalTimelineBuilder.ItemStack.front().get()); }

    static void Convert(const Auid& operation, int componentLength, ParameterMap* parameters,
                        const MotionEffectTags* tags = nullptr)
    {
        EffectTranslator head(Context(componentLength, 2, 19), operation, parameters);
        head.SetName("Motion Control");
        if (operation == kVideoRepeat)
            ConvertFreezeFrame(head, tags);
        else
            ConvertTimeRemap(head, tags);
    }
};

TEST_F(TimeEffects, AFreezeFramePlaysANestedStillOfItsSourceFrame)
{
    const struct {
        const char* what;
        int componentLength;
        int subclipStart;
        int in, out, duration;
        int stillOffset;
    } cases[] = {
        {"shorter than the still's sequence", 100, -1, 0, 100, 3600, 10},
        {"after a subclip's start", 100, 25, 0, 100, 3600, 35},
        {"longer than the still's sequence", 5000, -1, 0, 5000, 5000, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        PushShot(true, c.subclipStart);
        ParameterMap parameters;
        Convert(kVideoRepeat, c.componentLength, &parameters);
        const FCPClipItemTag& item = Top();
        EXPECT_EQ(item.in, c.in);
        EXPECT_EQ(item.out, c.out);
        EXPECT_EQ(item.duration, c.duration);
        EXPECT_TRUE(item.freezeFrame);
        EXPECT_TRUE(item.files.empty());
        EXPECT_TRUE(item.subclipinfos.empty());
        EXPECT_TRUE(item.masterclipid.empty());
        EXPECT_TRUE(item.filters.empty());
        EXPECT_EQ(item.syncoffset, -1);
        EXPECT_EQ(Records(item), std::vector<std::string>{"2 Freeze Frame / Video Repeat (Freeze Frame) / Applied"});
        ASSERT_EQ(item.nestedSequences.size(), 1u);
        const FCPSequenceTag& nested = item.nestedSequences.front();
        // The still and its sequence last at least as long as the item plays.
        EXPECT_GE(nested.duration, item.out);
        ASSERT_FALSE(nested.video.empty());
        ASSERT_FALSE(nested.video.front().tracks.empty());
        const TrackInfo& track = nested.video.front().tracks.front();
        ASSERT_FALSE(track.items.empty());
        const auto* still = dynamic_cast<const FCPClipItemTag*>(track.items.front().get());
        ASSERT_NE(still, nullptr);
        EXPECT_TRUE(still->stillframe);
        EXPECT_EQ(still->stillframeoffset, c.stillOffset);
        EXPECT_GE(still->out - still->in, item.out - item.in);
    }
}

TEST_F(TimeEffects, ASpeedChangeWritesTheTimeRemapFilter)
{
    const struct {
        const char* what;
        int numerator, denominator;
        bool sourceFrames;
        std::vector<std::string> parameters;
        int in, out;
    } cases[] = {
        {"constant speed: the clip keeps its range", 2, 1, false,
         {"variablespeed=0", "speed=50", "reverse=FALSE", "frameblending=TRUE"}, 10, 70},
        {"reverse", -1, 1, false, {"variablespeed=0", "speed=-100", "reverse=FALSE", "frameblending=TRUE"}, 10, 70},
        // A speed graph: its in and out keyframes, the end of the file, and the clip plays the graph's range.
        {"variable speed", 1, 2, true,
         {"variablespeed=1", "speed=200", "reverse=FALSE", "frameblending=TRUE", "graphdict:3 keyframes"}, 0, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        PushShot();
        ParameterMap parameters;
        AddRatio(parameters, c.numerator, c.denominator);
        if (c.sourceFrames)
            AddPoints(parameters, kSourceFramesParameter, {PointAt(0, 1), PointAt(1, 1)});
        Convert(kVideoSpeedControl, 40, &parameters);
        const FCPClipItemTag& item = Top();
        ASSERT_EQ(item.filters.size(), 1u);
        const EffectInfo& effect = item.filters.front().effect;
        EXPECT_EQ(effect.effectid, "timeremap");
        EXPECT_EQ(Parameters(effect), c.parameters);
        EXPECT_EQ(item.in, c.in);
        EXPECT_EQ(item.out, c.out);
        EXPECT_EQ(Records(item), std::vector<std::string>{"2 Time Remap / Motion Effects/Timewarp / Applied"});
    }
}

TEST_F(TimeEffects, TheMotionTagsChooseTheGraphAndItsRange)
{
    PushShot();
    ParameterMap parameters;
    MotionEffectTags tags;
    tags.motionAdapter = 2;
    Convert(kVideoSpeedControl, 40, &parameters, &tags);
    const FCPClipItemTag& item = Top();
    // Adapter 2 maps the group onto the clip's own range: keyframes (0, 10) and (40, 70), and the
    // file's end.
    EXPECT_EQ(item.in, 0);
    EXPECT_EQ(item.out, 40);
    ASSERT_EQ(item.filters.size(), 1u);
    const EffectInfo& effect = item.filters.front().effect;
    EXPECT_EQ(Parameters(effect).front(), "variablespeed=1");
    ASSERT_EQ(effect.parameters.back().parameterid, "graphdict");
    std::vector<std::string> keyframes;
    for (const KeyframeInfo& k : effect.parameters.back().keyframes)
        keyframes.push_back(std::to_string(k.when) + "->" + k.values.front().text);
    EXPECT_EQ(keyframes, (std::vector<std::string>{"0->10", "40->70", "500->500"}));
}

TEST_F(TimeEffects, AClipItemWithoutAFileIsNestedWithAnError)
{
    PushShot(false);
    ParameterMap parameters;
    AddRatio(parameters, 2, 1);
    Convert(kVideoSpeedControl, 40, &parameters);
    const FCPClipItemTag& item = Top();
    EXPECT_EQ(Records(item),
              std::vector<std::string>{"3 Time Remap / Motion Effects/Timewarp / Error: Invalid file length"});
    EXPECT_TRUE(item.filters.empty());
    EXPECT_EQ(item.in, 0);
    EXPECT_EQ(item.out, 40);
    ASSERT_EQ(item.nestedSequences.size(), 1u);
    const FCPSequenceTag& nested = item.nestedSequences.front();
    EXPECT_EQ(nested.duration, 40);
    const TrackInfo& track = nested.video.at(0).tracks.at(0);
    const auto* copy = dynamic_cast<const FCPClipItemTag*>(track.items.at(0).get());
    ASSERT_NE(copy, nullptr);
    // Nothing nested runs past the end of its sequence.
    EXPECT_EQ(copy->out - copy->in, 40);
}

TEST_F(TimeEffects, OnAnyOtherItemTheTimeWarpIsLeftAlone)
{
    PushSequence();
    PushGeneratorItem(FCPGeneratorItemTag::FromClipItem(importtest::Clip("Colour", 0, 50)));
    ParameterMap parameters;
    Convert(kVideoSpeedControl, 50, &parameters);
    Convert(kVideoRepeat, 50, &parameters);
    EXPECT_TRUE(GlobalTimelineBuilder.ItemStack.front().get()->log.translations.empty());
}

}  // namespace
}  // namespace effecttest
