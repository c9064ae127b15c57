#pragma once

#include "effects/motion/ImportGraphBase.h"

// A portable match: two keyframes from the constant speed ratio.
class ImportMatchPortable : public ImportGraphBase {
public:
    ImportMatchPortable(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                        int clipFileDuration);

    bool ComputeOutKeyframe(KeyframeInfo& keyframe) override;
    bool ComputeInKeyframe(KeyframeInfo& keyframe) override;
    void StoreInOut() override;

    int length;
    float rate;  // the speed ratio; 0 when its denominator is 0
};
