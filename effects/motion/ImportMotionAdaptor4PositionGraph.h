#pragma once

#include "effects/motion/ImportPositionGraph.h"
#include "effects/motion/MixRateScaling.h"

// A position graph whose source frames and handles count at the effect's mix-and-match rate.
class ImportMotionAdaptor4PositionGraph : public ImportPositionGraph {
public:
    ImportMotionAdaptor4PositionGraph(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion,
                                      GraphRange* graphRange, int clipFileDuration, int clipTimebase);

    void AddEndKeyframe() override;
    KeyframeInfo MakeKeyframe(int when, int value) override;
    KeyframeInfo AddControlPoint(int when, int value, const ControlPointHandles& handles, bool descending) override;

    MixRateScaling scaling;
};
