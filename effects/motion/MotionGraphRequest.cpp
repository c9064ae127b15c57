#include "effects/motion/MotionGraphRequest.h"

#include "effects/motion/ImportMatchPortable.h"
#include "effects/motion/ImportMotionAdaptor2.h"
#include "effects/motion/ImportMotionAdaptor4PositionGraph.h"
#include "effects/motion/ImportMotionAdaptor4SpeedGraph.h"
#include "effects/motion/ImportPositionGraph.h"
#include "effects/motion/ImportSpeedGraph.h"
#include "effects/motion/ImportSpeedGraphOneKF.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/NumberText.h"
#include "fcpxml/ParameterInfo.h"

namespace {

constexpr int kAnyAdapter = -1;

// Which graph class a motion adapter and graph kind select. Rows are tried in order; the last
// takes every other adapter with kind 0 when the effect is a portable match.
struct GraphClassRow {
    int motionAdapter;  // kAnyAdapter: any other
    int graphKinds[2];  // the kinds the row takes; -1 ends the list, both -1: any kind
    bool portableOnly;
    MotionGraphClass graphClass;
};

constexpr GraphClassRow kGraphClassRows[] = {
    {2, {-1, -1}, false, MotionGraphClass::MotionAdaptor2},
    {4, {kSpeedGraph, kSpeedGraphFromOnePoint}, false, MotionGraphClass::MotionAdaptor4SpeedGraph},
    {4, {kPositionGraph, -1}, false, MotionGraphClass::MotionAdaptor4PositionGraph},
    {0, {kSpeedGraph, -1}, false, MotionGraphClass::SpeedGraph},
    {0, {kSpeedGraphFromOnePoint, -1}, false, MotionGraphClass::SpeedGraphOneKF},
    {0, {kPositionGraph, -1}, false, MotionGraphClass::PositionGraph},
    {kAnyAdapter, {kNoMotionGraph, -1}, true, MotionGraphClass::MatchPortable},
};

int TimebaseOf(const MotionGraphRequest& request)
{
    return request.clipItem ? request.clipItem->rate.timebase : 0;
}

void RunMotionAdaptor2(MotionGraphRequest& request)
{
    ImportMotionAdaptor2 graph(request.graphDict, request.motion, &request.range, FileDurationOf(request),
                               request.componentLength);
    RunPairDriver(graph);
    FinishPairGraph(graph);
}

void RunMotionAdaptor4SpeedGraph(MotionGraphRequest& request)
{
    ImportMotionAdaptor4SpeedGraph graph(request.graphDict, request.motion, &request.range, FileDurationOf(request),
                                         TimebaseOf(request));
    RunSpeedGraphDriver(graph);
}

void RunMotionAdaptor4PositionGraph(MotionGraphRequest& request)
{
    ImportMotionAdaptor4PositionGraph graph(request.graphDict, request.motion, &request.range,
                                            FileDurationOf(request), TimebaseOf(request));
    RunPositionGraphDriver(graph);
}

void RunSpeedGraph(MotionGraphRequest& request)
{
    ImportSpeedGraph graph(request.graphDict, request.motion, &request.range, FileDurationOf(request));
    RunSpeedGraphDriver(graph);
}

void RunSpeedGraphOneKF(MotionGraphRequest& request)
{
    ImportSpeedGraphOneKF graph(request.graphDict, request.motion, &request.range, FileDurationOf(request));
    RunPairDriver(graph);
    FinishPairGraph(graph);
}

void RunPositionGraph(MotionGraphRequest& request)
{
    ImportPositionGraph graph(request.graphDict, request.motion, &request.range, FileDurationOf(request));
    RunPositionGraphDriver(graph);
}

void RunMatchPortable(MotionGraphRequest& request)
{
    ImportMatchPortable graph(request.graphDict, request.motion, &request.range, FileDurationOf(request));
    RunPortableDriver(graph);
    FinishPairGraph(graph);
}

struct GraphRunnerRow {
    MotionGraphClass graphClass;
    MotionGraphRunner run;
};

constexpr GraphRunnerRow kGraphRunners[] = {
    {MotionGraphClass::MotionAdaptor2, RunMotionAdaptor2},
    {MotionGraphClass::MotionAdaptor4SpeedGraph, RunMotionAdaptor4SpeedGraph},
    {MotionGraphClass::MotionAdaptor4PositionGraph, RunMotionAdaptor4PositionGraph},
    {MotionGraphClass::SpeedGraph, RunSpeedGraph},
    {MotionGraphClass::SpeedGraphOneKF, RunSpeedGraphOneKF},
    {MotionGraphClass::PositionGraph, RunPositionGraph},
    {MotionGraphClass::MatchPortable, RunMatchPortable},
};

bool IsGraphKind(int kind)
{
    return kind == kSpeedGraph || kind == kPositionGraph || kind == kSpeedGraphFromOnePoint;
}

bool RowTakes(const GraphClassRow& row, const MotionEffectInfo& motion)
{
    if (row.portableOnly && motion.portableMatch != 1)
        return false;
    const bool anyKind = row.graphKinds[0] == -1 && row.graphKinds[1] == -1;
    if (!anyKind && row.graphKinds[0] != motion.graphKind && row.graphKinds[1] != motion.graphKind)
        return false;
    return row.motionAdapter == kAnyAdapter || row.motionAdapter == motion.motionAdapter;
}

MotionGraphRunner RunnerOf(MotionGraphClass graphClass)
{
    for (const GraphRunnerRow& row : kGraphRunners)
        if (row.graphClass == graphClass)
            return row.run;
    return nullptr;
}

}  // namespace

bool NeedsMotionGraph(const MotionEffectInfo& motion)
{
    return motion.motionAdapter == 2 || motion.portableMatch == 1 || IsGraphKind(motion.graphKind);
}

void PrepareGraphRange(MotionGraphRequest& request)
{
    const FCPClipItemTag& clip = *request.clipItem;
    const MotionEffectInfo& motion = *request.motion;
    GraphRange& range = request.range;
    if (motion.motionAdapter == 2 || (!IsGraphKind(motion.graphKind) && motion.portableMatch == 1)) {
        range.in = clip.in;
        range.out = clip.out;
        range.length = range.out - range.in;
    } else if (IsGraphKind(motion.graphKind)) {
        range.in = clip.in;
        range.out = clip.in + request.componentLength;
        range.length = request.componentLength;
    }
    request.graphDict->SetNameIdAndRange("graphdict", "graphdict", "0", IntToString(clip.GetSourceDuration() - 1));
}

MotionGraphClass ChooseMotionGraphClass(const MotionEffectInfo& motion)
{
    for (const GraphClassRow& row : kGraphClassRows)
        if (RowTakes(row, motion))
            return row.graphClass;
    return MotionGraphClass::None;
}

void CreateMotionGraph(MotionGraphRequest& request)
{
    if (const MotionGraphRunner run = RunnerOf(ChooseMotionGraphClass(*request.motion)))
        run(request);
    if (NeedsMotionGraph(*request.motion)) {
        request.clipItem->in = request.range.in;
        request.clipItem->out = request.range.out;
    }
}

void EmitGraphKeyframes(const std::map<int, KeyframeInfo>& keyframes, ParameterInfo& target)
{
    for (const auto& [key, keyframe] : keyframes) {
        const bool holdsSomething = !keyframe.values.empty() || !keyframe.inbez.empty() || !keyframe.outbez.empty();
        if (holdsSomething && keyframe.when >= 0)
            target.keyframes.push_back(keyframe);
    }
    if (!target.keyframes.empty())
        target.interpolations.push_back("FCPCurve");
}
