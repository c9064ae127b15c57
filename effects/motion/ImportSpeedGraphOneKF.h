#pragma once

#include "effects/motion/ImportGraphBase.h"

// A speed graph of a single speed point: a constant rate, its ends read from the source frames.
class ImportSpeedGraphOneKF : public ImportGraphBase {
public:
    ImportSpeedGraphOneKF(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                          int clipFileDuration);

    bool ComputeOutKeyframe(KeyframeInfo& keyframe) override;
    bool ComputeInKeyframe(KeyframeInfo& keyframe) override;
    void StoreInOut() override;

    float rate;  // 1 / the speed point's value; 0 when there is no rational value to invert
    int length;
};
