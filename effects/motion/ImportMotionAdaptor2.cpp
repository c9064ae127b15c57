#include "effects/motion/ImportMotionAdaptor2.h"

ImportMotionAdaptor2::ImportMotionAdaptor2(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion,
                                           GraphRange* graphRange, int clipFileDuration, int graphComponentLength)
    : ImportGraphBase(graphTarget, graphMotion, graphRange, clipFileDuration), componentLength(graphComponentLength)
{
}

bool ImportMotionAdaptor2::ComputeInKeyframe(KeyframeInfo& keyframe)
{
    keyframe = MakeKeyframe(0, range->in);
    return true;
}

bool ImportMotionAdaptor2::ComputeOutKeyframe(KeyframeInfo& keyframe)
{
    keyframe = MakeKeyframe(componentLength, range->out);
    return true;
}

// As the portable match does: the clip plays the whole component.
void ImportMotionAdaptor2::StoreInOut()
{
    range->in = 0;
    range->out = componentLength;
}
