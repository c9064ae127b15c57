// Motion graphs: the keyframes of a time remap's "graphdict" worked out from a time warp's ratio,
// speed points, offset map or position points, the clip item's range they leave, and the Bezier
// handles of position graphs.
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "effects/motion/AutoBezierHandles.h"
#include "effects/motion/BezierKeyframe.h"
#include "effects/motion/FrameTimedMaps.h"
#include "effects/motion/GraphInterpolation.h"
#include "effects/motion/MotionEffectInfo.h"
#include "effects/motion/MotionGraphRequest.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFileTag.h"
#include "fcpxml/ParameterInfo.h"
#include "import/ImportTestSupport.h"
#include "records/ValueBase.h"

namespace {

constexpr float kPi = 3.14159f;
constexpr float kHalfPi = 1.570795f;

ControlPointInfo Point(int timeNumerator, int timeDenominator, ValueBase* value, int kind = 0)
{
    ControlPointInfo point;
    point.timeNumerator = timeNumerator;
    point.timeDenominator = timeDenominator;
    point.value = value;
    point.interpolationKind = kind;
    return point;
}

ControlPointInfo Ratio(int timeNumerator, int timeDenominator, int numerator, int denominator = 1, int kind = 0)
{
    return Point(timeNumerator, timeDenominator, new RatioValue(numerator, denominator), kind);
}

RationalPoint Handle(int x, int y)
{
    RationalPoint handle;
    handle.xNumerator = x;
    handle.xDenominator = 1;
    handle.yNumerator = y;
    handle.yDenominator = 1;
    return handle;
}

ControlPointInfo BezierPoint(int frame, int value, RationalPoint in, RationalPoint out)
{
    ControlPointInfo point = Ratio(frame, 1, value, 1, 2);
    point.firstHandle = in;
    point.secondHandle = out;
    point.handleFlag = 1;
    return point;
}

// A keyframe as "when->value" with its marks.
std::string Text(const KeyframeInfo& k)
{
    std::string text = std::to_string(k.when) + "->" + (k.values.empty() ? std::string("?") : k.values.front().text);
    if (k.speedkfin)
        text += " in";
    if (k.speedkfout)
        text += " out";
    if (k.speedkfend)
        text += " end";
    if (k.speedvirtualkf)
        text += " virtual";
    return text;
}

struct GraphResult {
    std::vector<std::string> keyframes;
    int in = 0;
    int out = 0;
    std::vector<KeyframeInfo> emitted;
};

// Runs the graph of the motion for a clip item (in, out, over a file of the given duration) under a
// time warp of the given length, as the time remap does.
GraphResult RunGraph(MotionEffectInfo& motion, int in, int out, int fileDuration, int componentLength,
                     int timebase = 30)
{
    FCPClipItemTag clip = importtest::Clip("Shot", in, out);
    clip.rate.timebase = timebase;
    clip.files.emplace_back("shot.mov");
    clip.files.back().duration = fileDuration;
    ParameterInfo graphDict;
    MotionGraphRequest request{&clip, &graphDict, &motion, {}, componentLength};
    PrepareGraphRange(request);
    CreateMotionGraph(request);
    GraphResult result;
    for (const KeyframeInfo& k : graphDict.keyframes)
        result.keyframes.push_back(Text(k));
    result.in = clip.in;
    result.out = clip.out;
    result.emitted = graphDict.keyframes;
    return result;
}

MotionEffectInfo Motion(int adapter, int kind, int portable = 0)
{
    MotionEffectInfo motion;
    motion.motionAdapter = adapter;
    motion.graphKind = kind;
    motion.portableMatch = portable;
    return motion;
}

TEST(MotionGraph, TwoKeyframeGraphsMapTheRangeOntoTheClip)
{
    const struct {
        const char* what;
        MotionEffectInfo motion;
        int ratioNumerator, ratioDenominator;
        int clipIn, clipOut, fileDuration, componentLength;
        std::vector<std::string> keyframes;
        int in, out;
    } cases[] = {
        {"a portable match at twice the speed", Motion(0, kNoMotionGraph, 1), 2, 1, 10, 110, 150, 40,
         {"0->10 in virtual", "100->60 out", "150->150 end virtual"}, 0, 100},
        {"a file no longer than the range has no end keyframe", Motion(0, kNoMotionGraph, 1), 2, 1, 10, 110, 100, 40,
         {"0->10 in virtual", "100->60 out"}, 0, 100},
        {"a portable match backwards", Motion(0, kNoMotionGraph, 1), -2, 1, 10, 110, 150, 40,
         {"0->60 in virtual", "100->9 out", "150->150 end virtual"}, 0, 100},
        // A ratio of 0 gives no source frame to start from; the clip still plays the range.
        {"a portable match at ratio 0", Motion(0, kNoMotionGraph, 1), 0, 1, 10, 110, 150, 40,
         {"100->9 out", "150->150 end virtual"}, 0, 100},
        {"adapter 2 over the clip's range", Motion(2, kNoMotionGraph), 1, 1, 20, 70, 500, 100,
         {"0->20 in", "100->70 out", "500->500 end virtual"}, 0, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MotionEffectInfo motion = c.motion;
        motion.speedRatioNumerator = c.ratioNumerator;
        motion.speedRatioDenominator = c.ratioDenominator;
        const GraphResult result = RunGraph(motion, c.clipIn, c.clipOut, c.fileDuration, c.componentLength);
        EXPECT_EQ(result.keyframes, c.keyframes);
        EXPECT_EQ(result.in, c.in);
        EXPECT_EQ(result.out, c.out);
    }
}

TEST(MotionGraph, ASingleSpeedPointGivesAConstantRateBetweenTheSourceFrames)
{
    const struct {
        const char* what;
        ValueBase* speed;  // owned by the point
        std::vector<std::string> keyframes;
    } cases[] = {
        // Forwards: from the clip's in to the last source frame.
        {"forwards", new RatioValue(1, 2), {"0->10 in", "40->30 out", "500->500 end virtual"}},
        // Backwards: from one past the first source frame to one before the in.
        {"backwards", new RatioValue(-1, 1), {"0->11 in", "40->9 out", "500->500 end virtual"}},
        // No rational speed to invert reads as rate 0, as backwards.
        {"a speed that is not a rational", new IntValue(2), {"0->11 in", "40->9 out", "500->500 end virtual"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MotionEffectInfo motion = Motion(0, kSpeedGraphFromOnePoint);
        motion.speedPoints.push_back(Point(0, 1, c.speed));
        motion.sourceFrames.emplace(0, Ratio(0, 40, 0));
        motion.sourceFrames.emplace(40, Ratio(40, 40, 20));
        const GraphResult result = RunGraph(motion, 10, 70, 500, 40);
        EXPECT_EQ(result.keyframes, c.keyframes);
        EXPECT_EQ(result.in, 0);
        EXPECT_EQ(result.out, 40);
    }
}

MotionEffectInfo SpeedGraphMotion(int adapter)
{
    MotionEffectInfo motion = Motion(adapter, kSpeedGraph);
    motion.speedPoints.push_back(Ratio(0, 1, 1));
    motion.speedPoints.push_back(Ratio(1, 4, 1));  // no source frame at frame 10
    motion.speedPoints.push_back(Point(3, 8, new IntValue(1)));  // not a rational: no keyframe
    motion.speedPoints.push_back(Ratio(1, 2, 2));
    motion.speedPoints.push_back(Ratio(1, 1, 1));
    for (const auto& [frame, source] : {std::pair{0, 5}, {15, 20}, {20, 30}, {40, 60}, {41, 62}})
        motion.sourceFrames.emplace(frame, Ratio(frame, 40, source));
    return motion;
}

TEST(MotionGraph, SpeedPointsTimeTheKeyframesAndTheOffsetMapGivesTheirSourceFrames)
{
    MotionEffectInfo motion = SpeedGraphMotion(0);
    const GraphResult result = RunGraph(motion, 10, 70, 500, 40);
    // The point at 1/1 lies at the range's length and reads the source frame one past it.
    EXPECT_EQ(result.keyframes,
              (std::vector<std::string>{"0->15 in", "10->10", "20->40", "40->72 out", "500->500 end virtual"}));
    EXPECT_EQ(result.in, 0);
    EXPECT_EQ(result.out, 40);
    EXPECT_EQ(result.emitted.front().values.size(), 1u);

    // Nothing to follow: no keyframes, and the clip keeps the range it was given.
    MotionEffectInfo empty = Motion(0, kSpeedGraph);
    const GraphResult none = RunGraph(empty, 10, 70, 500, 40);
    EXPECT_TRUE(none.keyframes.empty());
    EXPECT_EQ(none.in, 10);
    EXPECT_EQ(none.out, 50);
}

TEST(MotionGraph, AdapterFourSpeedGraphsScaleTheirSourceFramesFromTheMixRate)
{
    const struct {
        const char* what;
        int rateNumerator, rateDenominator;
        std::vector<std::string> keyframes;
    } cases[] = {
        // 25 × value / 30, rounded down; the end keyframe's time is scaled as well.
        {"from 30 to 25 frames", 30, 1, {"0->12 in", "10->8", "20->33", "40->60 out", "416->416 end virtual"}},
        // No rate tag, or a rate of 0: the clip's own timebase.
        {"no rate", 0, 1, {"0->15 in", "10->10", "20->40", "40->72 out", "500->500 end virtual"}},
        {"a rate over 0", 30, 0, {"0->15 in", "10->10", "20->40", "40->72 out", "500->500 end virtual"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MotionEffectInfo motion = SpeedGraphMotion(4);
        motion.mixMatchRateNumerator = c.rateNumerator;
        motion.mixMatchRateDenominator = c.rateDenominator;
        const GraphResult result = RunGraph(motion, 10, 70, 500, 40, 25);
        EXPECT_EQ(result.keyframes, c.keyframes);
    }
}

TEST(MotionGraph, MapsTimedInFramesReadAsFractionsOfTheComponent)
{
    // The editing system's offset map: a point every half frame, from before the start to past the
    // end; its speed map likewise in frames.
    std::map<std::string, ParameterRecord> parameters;
    auto& offsets = parameters["{0x8d56827d, 0x847e, 0x11d5, {0x93, 0x5a, 0x50, 0xf8, 0x57, 0xc1, 0x00, 0x00}}"];
    for (const auto& [n, d, v] : {std::tuple{-1, 2, -1}, {0, 1, 0}, {1, 2, 1}, {1, 1, 2}, {39, 1, 78}, {40, 1, 80},
                                  {81, 2, 81}})
        offsets.controlPoints.push_back(Ratio(n, d, v));
    auto& speeds = parameters["{0x8d56827c, 0x847e, 0x11d5, {0x93, 0x5a, 0x50, 0xf8, 0x57, 0xc1, 0x00, 0x00}}"];
    for (const auto& [n, d] : {std::pair{-5, 1}, {0, 1}, {20, 1}, {40, 1}})
        speeds.controlPoints.push_back(Ratio(n, d, 2));
    MotionEffectInfo motion;
    ReadMotionEffectInfo(parameters, motion, 40);
    std::vector<int> frames;
    for (const auto& [frame, point] : motion.sourceFrames)
        frames.push_back(frame);
    // The points before the start and past the end are left out: frame 0 is the point at 0, not
    // the one at -1/2; the first point at a frame wins (1/2 is frame 0 as well).
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 39, 40}));
    EXPECT_EQ(static_cast<const RatioValue*>(motion.sourceFrames.at(0).value)->numerator, 0);
    EXPECT_EQ(static_cast<const RatioValue*>(motion.sourceFrames.at(40).value)->numerator, 80);
    std::vector<std::string> times;
    for (const ControlPointInfo& p : motion.speedPoints)
        times.push_back(std::to_string(p.timeNumerator) + "/" + std::to_string(p.timeDenominator));
    EXPECT_EQ(times, (std::vector<std::string>{"0/1", "1/2", "1/1"}));

    // Fractions stay fractions.
    std::vector<ControlPointInfo> fractions;
    fractions.push_back(Ratio(0, 1, 0));
    fractions.push_back(Ratio(1, 2, 0));
    fractions.push_back(Ratio(1, 1, 0));
    EXPECT_FALSE(MapTimedInFrames(fractions));
    fractions.push_back(Ratio(3, -2, 0));
    EXPECT_TRUE(MapTimedInFrames(fractions));
    // A time too fine for 32 bits keeps its size.
    std::vector<ControlPointInfo> fine;
    fine.push_back(Ratio(std::numeric_limits<int>::max() - 1, std::numeric_limits<int>::max(), 0));
    TimeMapInFractions(fine, 1000);
    EXPECT_NEAR(static_cast<double>(fine[0].timeNumerator) / fine[0].timeDenominator, 0.001, 1e-9);
}

TEST(BezierHandles, HandlesBecomePolarWithTheirAnglesHeldToTheCurvesDirection)
{
    const struct {
        int x, y;
        bool first;
        float magnitude, angle;
    } polar[] = {
        {3, 4, true, 2.5f, 0.0f},  // pointing right: angle 0 whatever the height
        {-1, -1, true, 0.7071068f, std::atan(1.0f) - kPi},
        {-1, 1, false, 0.7071068f, std::atan(-1.0f) + kPi},
        {-2, 0, true, 1.0f, -kPi},
        {-2, 0, false, 1.0f, 0.0f},
        {0, 2, true, 1.0f, kHalfPi},
        {0, -2, false, 1.0f, -kHalfPi},
        {0, 0, true, 0.0f, kHalfPi},
    };
    for (const auto& c : polar) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        const PolarHandle handle = HandleToPolar(Handle(c.x, c.y), c.first);
        EXPECT_FLOAT_EQ(handle.magnitude, c.magnitude);
        EXPECT_FLOAT_EQ(handle.angle, c.angle);
    }
    const struct {
        float angle;
        bool descending;
        float held;
    } clamps[] = {
        {-2.0f, false, -2.0f}, {-kPi, false, -kPi}, {0.0f, false, -kHalfPi}, {1.0f, false, -kPi},
        {0.0f, true, kHalfPi}, {-1.0f, true, kPi},  {2.0f, true, 2.0f},
    };
    for (const auto& c : clamps) {
        SCOPED_TRACE(std::to_string(c.angle) + (c.descending ? " descending" : ""));
        PolarHandle in{1.0f, c.angle};
        PolarHandle out{1.0f, 123.0f};
        ClampHandleAngles(in, out, c.descending);
        EXPECT_FLOAT_EQ(in.angle, c.held);
        EXPECT_FLOAT_EQ(out.angle, static_cast<float>(static_cast<double>(c.held) + 3.14159));
    }
}

TEST(BezierHandles, InterpolationBetweenAndBeyondPoints)
{
    // The line through (10, 30) and (0, 10), at fractions of the way back from the later point.
    EXPECT_EQ(LinearInterpolate(10, 30, 0, 10, 1.0f), 10);
    EXPECT_EQ(LinearInterpolate(10, 30, 0, 10, 0.5f), 20);
    EXPECT_EQ(LinearInterpolate(10, 30, 0, 10, -0.5f), 40);

    ControlPointHandles flat;
    ControlPointHandles neighbour;
    neighbour.firstHandle = Handle(-2, -1);
    neighbour.secondHandle = Handle(2, 8);
    ControlPointHandles point;
    point.firstHandle = Handle(-2, -4);
    const struct {
        const char* what;
        const ControlPointHandles& hf;
        const ControlPointHandles& he;
        float x;
        int value;
    } cases[] = {
        {"flat handles: the middle", flat, flat, 0.5f, 20},
        {"at the neighbour", flat, flat, 1.0f, 10},
        {"at the point", flat, flat, 0.0f, 30},
        {"the neighbour's out-handle lifts the curve", neighbour, flat, 0.5f, 23},
        {"past the neighbour, along its in-handle", neighbour, flat, 1.5f, 7},
        {"past the point, along its in-handle", flat, point, -0.5f, 40},
        // A handle of no width gives no slope: the curve holds the point it leaves from.
        {"past the neighbour, a handle of no width", flat, flat, 1.5f, 10},
        {"past the point, a handle of no width", flat, flat, -0.5f, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CubicBezierValue(c.hf, c.he, 10, 30, 0, 10, c.x), c.value);
    }
    // The later point first: the curve starts from the point's out-handle.
    ControlPointHandles rising;
    rising.secondHandle = Handle(2, 8);
    EXPECT_EQ(CubicBezierValue(flat, rising, 0, 10, 10, 30, 0.5f), 23);
}

std::string FixedPoint(const RationalPoint& h)
{
    return std::to_string(h.xNumerator) + "/" + std::to_string(h.xDenominator) + "," + std::to_string(h.yNumerator) +
           "/" + std::to_string(h.yDenominator);
}

TEST(BezierHandles, AutomaticHandles)
{
    const struct {
        const char* what;
        int length;
        std::vector<std::array<int, 3>> points;  // time n/d, value
        std::vector<std::string> handles;        // first and second of each point
    } cases[] = {
        {"one point", 100, {{1, 2, 7}}, {"-20000000/1000000,0/1000000", "20000000/1000000,0/1000000"}},
        {"a steady rise", 100, {{0, 1, 0}, {1, 2, 50}, {1, 1, 100}},
         {"-20000000/1000000,-20000000/1000000", "20000000/1000000,20000000/1000000",
          "-20000000/1000000,-20000000/1000000", "20000000/1000000,20000000/1000000",
          "-20000000/1000000,-20000000/1000000", "20000000/1000000,20000000/1000000"}},
        // A peak keeps its middle handles flat.
        {"a peak", 100, {{0, 1, 0}, {1, 2, 100}, {1, 1, 0}},
         {"-20000000/1000000,-40000000/1000000", "20000000/1000000,40000000/1000000",
          "-20000000/1000000,0/1000000", "20000000/1000000,0/1000000",
          "-20000000/1000000,40000000/1000000", "20000000/1000000,-40000000/1000000"}},
        // Points at one time give no slope.
        {"points sharing a time", 100, {{1, 2, 0}, {1, 2, 50}},
         {"0/1000000,0/1000000", "0/1000000,0/1000000", "0/1000000,0/1000000", "0/1000000,0/1000000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<ControlPointInfo> points;
        for (const auto& p : c.points)
            points.push_back(Ratio(p[0], p[1], p[2], 1, 4));
        AutoBezierHandles(points, c.length);
        std::vector<std::string> handles;
        for (const ControlPointInfo& p : points) {
            handles.push_back(FixedPoint(p.firstHandle));
            handles.push_back(FixedPoint(p.secondHandle));
            EXPECT_EQ(p.interpolationKind, 2);
            EXPECT_EQ(p.handleFlag, 1);
        }
        EXPECT_EQ(handles, c.handles);
    }
    std::vector<ControlPointInfo> none;
    AutoBezierHandles(none, 100);
    EXPECT_TRUE(none.empty());
}

TEST(BezierHandles, FixedPointKeepsTheValueWithinTheIntRange)
{
    const struct {
        float component;
        int numerator, denominator;
    } cases[] = {
        {20.0f, 20000000, 1000000},
        {-0.5f, -500000, 1000000},
        {5000.0f, 500000000, 100000},  // 5000 × 1000000 would not fit
        {3.0e9f, std::numeric_limits<int>::max(), 1},
        {-3.0e9f, std::numeric_limits<int>::min(), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.component);
        std::int32_t numerator = 0;
        std::int32_t denominator = 0;
        StoreFixedPoint(c.component, numerator, denominator);
        EXPECT_EQ(numerator, c.numerator);
        EXPECT_EQ(denominator, c.denominator);
    }
}

std::vector<std::string> HandleTexts(const std::vector<KeyframeInfo>& keyframes)
{
    std::vector<std::string> out;
    char text[96];
    for (const KeyframeInfo& k : keyframes)
        if (!k.inbez.empty() && !k.outbez.empty()) {
            std::snprintf(text, sizeof text, "%d: in %.4f %.4f out %.4f %.4f", k.when, k.inbez[0].horiz,
                          k.inbez[0].vert, k.outbez[0].horiz, k.outbez[0].vert);
            out.push_back(text);
        }
    return out;
}

TEST(PositionGraph, LinearPointsAndTheInAndOutBetweenThem)
{
    const struct {
        const char* what;
        std::vector<std::array<int, 2>> points;  // frame, source offset
        std::vector<std::string> keyframes;
    } cases[] = {
        // A point on the in time shows the frame before its own.
        {"points on the in and out", {{0, 0}, {50, 25}, {100, 50}},
         {"0->9 in", "50->35", "100->60 out", "500->500 end virtual"}},
        // In and out extrapolated along the nearest two points, one frame early as on the in time.
        {"points inside the range", {{10, 0}, {60, 50}}, {"0->-1 in", "10->10", "60->60", "100->99 out", "500->500 end virtual"}},
        {"one point", {{40, 5}}, {"0->15 in", "40->15", "100->15 out", "500->500 end virtual"}},
        // Two points on one frame: the later wins.
        {"two points on one frame", {{0, 0}, {30, 10}, {30, 20}, {100, 50}},
         {"0->9 in", "30->30", "100->60 out", "500->500 end virtual"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MotionEffectInfo motion = Motion(0, kPositionGraph);
        for (const auto& p : c.points)
            motion.positionPoints.push_back(Ratio(p[0], 1, p[1], 1, 1));
        const GraphResult result = RunGraph(motion, 10, 70, 500, 100);
        EXPECT_EQ(result.keyframes, c.keyframes);
        EXPECT_EQ(result.in, 0);
        EXPECT_EQ(result.out, 100);
    }
    // No points: nothing to follow.
    MotionEffectInfo empty = Motion(0, kPositionGraph);
    const GraphResult none = RunGraph(empty, 10, 70, 500, 100);
    EXPECT_TRUE(none.keyframes.empty());
    EXPECT_EQ(none.in, 10);
    EXPECT_EQ(none.out, 110);
}

TEST(PositionGraph, BezierPointsCarryTheirHandlesInPolarForm)
{
    MotionEffectInfo motion = Motion(0, kPositionGraph);
    motion.positionPoints.push_back(BezierPoint(0, 0, Handle(-10, 0), Handle(10, 0)));
    motion.positionPoints.push_back(BezierPoint(50, 40, Handle(-10, -10), Handle(10, 10)));
    // Descending from 40: the in-handle pointing right is held to the upper half-plane.
    motion.positionPoints.push_back(BezierPoint(100, 20, Handle(10, 0), Handle(-10, 0)));
    motion.positionPoints.push_back(Point(75, 1, new IntValue(3), 2));  // not a rational: skipped
    const GraphResult result = RunGraph(motion, 10, 70, 500, 100);
    // The Bezier point on the in time keeps its source frame; the others show the frame before.
    EXPECT_EQ(result.keyframes, (std::vector<std::string>{"0->10 in", "50->49", "100->29 out", "500->500 end virtual"}));
    EXPECT_EQ(HandleTexts(result.emitted), (std::vector<std::string>{
                                               // The out-handle's angle: -3.14159 in single precision plus 3.14159, a hair below 0.
                                               "0: in 5.0000 -3.1416 out 5.0000 -0.0000",
                                               "50: in 7.0711 -2.3562 out 7.0711 0.7854",
                                               "100: in 5.0000 1.5708 out 5.0000 4.7124",
                                           }));
}

TEST(PositionGraph, InAndOutOnABezierCurveAndOnAutomaticHandles)
{
    // Points inside the range with flat handles: the in and out follow the neighbours' handles.
    MotionEffectInfo bezier = Motion(0, kPositionGraph);
    bezier.positionPoints.push_back(BezierPoint(10, 0, Handle(-2, -2), Handle(2, 2)));
    bezier.positionPoints.push_back(BezierPoint(60, 50, Handle(-2, -4), Handle(2, 4)));
    const GraphResult curve = RunGraph(bezier, 10, 70, 500, 100);
    // In: x = (10 - 0) / (10 - 60) < 0, along point 10's in-handle (slope 1) back to frame 0.
    // Out: x = (60 - 100) / (60 - 10) < 0, along point 60's in-handle (slope 2) from (60, 60) on to
    // frame 100.
    EXPECT_EQ(curve.keyframes,
              (std::vector<std::string>{"0->0 in", "10->9", "60->59", "100->140 out", "500->500 end virtual"}));

    // Automatic handles over a 100-frame range (the handles scale the point times by the range).
    MotionEffectInfo automatic = Motion(0, kPositionGraph);
    automatic.positionPoints.push_back(Ratio(0, 1, 0, 1, 4));
    automatic.positionPoints.push_back(Ratio(1, 2, 50, 1, 4));
    automatic.positionPoints.push_back(Ratio(1, 1, 100, 1, 4));
    const GraphResult handles = RunGraph(automatic, 10, 70, 500, 100);
    // Frames floor(0), floor(1/2), floor(1): 0, 0 and 1; the second replaces the first at frame 0.
    // The out lies along the last point's in-handle (slope 1) from (1, 110).
    EXPECT_EQ(handles.keyframes, (std::vector<std::string>{"0->60 in", "1->109", "100->209 out", "500->500 end virtual"}));
    EXPECT_EQ(HandleTexts(handles.emitted), (std::vector<std::string>{
                                                "0: in 14.1421 -2.3562 out 14.1421 0.7854",
                                                "1: in 14.1421 -2.3562 out 14.1421 0.7854",
                                            }));
}

TEST(PositionGraph, AdapterFourScalesSourceFramesAndHandles)
{
    MotionEffectInfo motion = Motion(4, kPositionGraph);
    motion.mixMatchRateNumerator = 30;
    motion.mixMatchRateDenominator = 1;
    motion.positionPoints.push_back(Ratio(0, 1, 30, 1, 1));
    motion.positionPoints.push_back(BezierPoint(100, 60, Handle(-30, -30), Handle(30, 30)));
    const GraphResult result = RunGraph(motion, 0, 100, 600, 100, 25);
    // Linear on the in time: (30 - 1) × 25 / 30; Bezier (60 - 1) × 25 / 30; the handles 30 → 25.
    EXPECT_EQ(result.keyframes, (std::vector<std::string>{"0->24 in", "100->49 out", "500->500 end virtual"}));
    EXPECT_EQ(HandleTexts(result.emitted),
              (std::vector<std::string>{"100: in 17.6777 -2.3562 out 17.6777 0.7854"}));
}

TEST(PositionGraph, ALongGraphKeepsItsHandlesFiniteAndBounded)
{
    MotionEffectInfo motion = Motion(0, kPositionGraph);
    // Thousands of frames between points, with automatic handles scaled by a long range.
    for (const auto& [frame, source] : {std::pair{0, 0}, {5000, 9000}, {12000, 100}, {20000, 30000}})
        motion.positionPoints.push_back(Ratio(frame, 1, source, 1, 4));
    const GraphResult result = RunGraph(motion, 0, 20000, 40000, 20000);
    ASSERT_FALSE(result.emitted.empty());
    for (const ControlPointInfo& p : motion.positionPoints)
        for (const RationalPoint* h : {&p.firstHandle, &p.secondHandle}) {
            EXPECT_GT(h->xDenominator, 0);
            EXPECT_GT(h->yDenominator, 0);
        }
    for (const KeyframeInfo& k : result.emitted)
        for (const auto* list : {&k.inbez, &k.outbez})
            for (const PointInfo& h : *list) {
                EXPECT_TRUE(std::isfinite(h.horiz));
                EXPECT_TRUE(std::isfinite(h.vert));
                EXPECT_LE(std::fabs(h.vert), 2 * kPi);
                EXPECT_LT(h.horiz, 2.0e9f);
            }
}

}  // namespace
