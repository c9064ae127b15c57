#pragma once

#include "effects/motion/ImportSpeedGraph.h"
#include "effects/motion/MixRateScaling.h"

// A speed graph whose source frames count at the effect's mix-and-match rate.
class ImportMotionAdaptor4SpeedGraph : public ImportSpeedGraph {
public:
    ImportMotionAdaptor4SpeedGraph(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                                   int clipFileDuration, int clipTimebase);

    void AddEndKeyframe() override;
    KeyframeInfo MakeKeyframe(int when, int value) override;

    MixRateScaling scaling;
};
