#include "effects/motion/ImportMotionAdaptor4SpeedGraph.h"

ImportMotionAdaptor4SpeedGraph::ImportMotionAdaptor4SpeedGraph(ParameterInfo* graphTarget,
                                                               MotionEffectInfo* graphMotion, GraphRange* graphRange,
                                                               int clipFileDuration, int clipTimebase)
    : ImportSpeedGraph(graphTarget, graphMotion, graphRange, clipFileDuration), scaling(*graphMotion, clipTimebase)
{
}

void ImportMotionAdaptor4SpeedGraph::AddEndKeyframe()
{
    // At the file's duration scaled to the clip's timebase, a value not scaled again.
    AddEndKeyframeAt(scaling.Scale(fileDuration));
}

KeyframeInfo ImportMotionAdaptor4SpeedGraph::MakeKeyframe(int when, int value)
{
    return ImportSpeedGraph::MakeKeyframe(when, scaling.Scale(value));
}
