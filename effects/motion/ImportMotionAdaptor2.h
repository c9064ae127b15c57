#pragma once

#include "effects/motion/ImportGraphBase.h"

// A plain adapter: the clip's in at the start of the component, its out at the end.
class ImportMotionAdaptor2 : public ImportGraphBase {
public:
    ImportMotionAdaptor2(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                         int clipFileDuration, int graphComponentLength);

    bool ComputeOutKeyframe(KeyframeInfo& keyframe) override;
    bool ComputeInKeyframe(KeyframeInfo& keyframe) override;
    void StoreInOut() override;

    int componentLength;
};
