#pragma once

#include <cstdint>

#include "effects/motion/ImportGraphBase.h"

// A speed graph: keyframe times from the speed points, source frames from the offset map.
class ImportSpeedGraph : public ImportGraphBase {
public:
    ImportSpeedGraph(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                     int clipFileDuration);

    bool ComputeOutKeyframe(KeyframeInfo& keyframe) override;
    bool ComputeInKeyframe(KeyframeInfo& keyframe) override;
    // A keyframe at the point's time; the speed value itself is not used.
    virtual void AddControlPoint(std::int32_t timeNumerator, std::int32_t timeDenominator,
                                 std::int32_t valueNumerator, std::int32_t valueDenominator);

    // The source frame at frame f of a point at time n/d: at the end of the graph (n/1, n not 0) the
    // frame after f is preferred; 0 where the offset map holds no rational there.
    float SourceFrameAt(std::int32_t timeNumerator, std::int32_t timeDenominator, int frame) const;
};

// Adds every speed point that holds a rational, then the in and out keyframes, stores the range and
// emits the keyframes. A graph with neither speed points nor source frames has nothing to follow:
// it makes no keyframes and leaves the range as it was.
void RunSpeedGraphDriver(ImportSpeedGraph& graph);
