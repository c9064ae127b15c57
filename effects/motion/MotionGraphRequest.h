#pragma once

#include <map>

#include "effects/motion/MotionEffectInfo.h"
#include "fcpxml/KeyframeInfo.h"

class FCPClipItemTag;
struct ParameterInfo;

// The source range a motion graph works on; its in and out become the clip item's.
struct GraphRange {
    int length = 0;
    int in = 0;
    int out = 0;
};

// What a motion graph is built from: the clip item it retimes (not owned), the time remap's
// "graphdict" parameter its keyframes go to (not owned), the motion, the range the graph reads and
// writes, and the length of the time-warp group.
struct MotionGraphRequest {
    FCPClipItemTag* clipItem = nullptr;
    ParameterInfo* graphDict = nullptr;
    MotionEffectInfo* motion = nullptr;
    GraphRange range;
    int componentLength = 0;
};

// The graph classes, one for each way the editing system stores a retime.
enum class MotionGraphClass {
    None,
    MotionAdaptor2,
    MotionAdaptor4SpeedGraph,
    MotionAdaptor4PositionGraph,
    SpeedGraph,
    SpeedGraphOneKF,
    PositionGraph,
    MatchPortable,
};

// Builds the graph of its class over the request, runs its driver and emits its keyframes; the
// graph lives only for the call.
using MotionGraphRunner = void (*)(MotionGraphRequest& request);

// Whether the motion needs a graph (its range and "graphdict"), rather than a constant speed.
bool NeedsMotionGraph(const MotionEffectInfo& motion);

// The range the graph starts from, and the name, id and range of the "graphdict" parameter.
void PrepareGraphRange(MotionGraphRequest& request);

// The graph class of the motion's adapter, kind and portable flag; None when no class fits.
MotionGraphClass ChooseMotionGraphClass(const MotionEffectInfo& motion);

// Runs the graph of the motion's class, when one fits, and hands the range's in and out
// to the clip item.
void CreateMotionGraph(MotionGraphRequest& request);

// Copies the graph's keyframes, in ascending key order, into its target: each that holds a value or
// a handle and does not lie before 0. A target that gets any is interpolated "FCPCurve".
void EmitGraphKeyframes(const std::map<int, KeyframeInfo>& keyframes, ParameterInfo& target);
