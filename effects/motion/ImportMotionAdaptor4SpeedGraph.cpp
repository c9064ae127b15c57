#include "effects/motion/ImportMotionAdaptor4SpeedGraph.h"

#include "effects/motion/MixRateEndKeyframe.h"

ImportMotionAdaptor4SpeedGraph::ImportMotionAdaptor4SpeedGraph(ParameterInfo* graphTarget,
                                                               MotionEffectInfo* graphMotion, GraphRange* graphRange,
                                                               int clipFileDuration, int clipTimebase)
    : ImportSpeedGraph(graphTarget, graphMotion, graphRange, clipFileDuration), scaling(*graphMotion, clipTimebase)
{
}

void ImportMotionAdaptor4SpeedGraph::AddEndKeyframe()
{
    AddMixRateEndKeyframe(*this, scaling);
}

KeyframeInfo ImportMotionAdaptor4SpeedGraph::MakeKeyframe(int when, int value)
{
    return ImportSpeedGraph::MakeKeyframe(when, scaling.Scale(value));
}
