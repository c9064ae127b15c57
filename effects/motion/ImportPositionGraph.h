#pragma once

#include "effects/motion/ControlPointHandles.h"
#include "effects/motion/ImportGraphBase.h"

// A position graph: each point gives a timeline frame and the source frame shown there, joined
// linearly or by a Bezier curve.
class ImportPositionGraph : public ImportGraphBase {
public:
    ImportPositionGraph(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                        int clipFileDuration);

    // The in (out) keyframe interpolated, or extrapolated, from the points nearest the in (out) time.
    bool ComputeOutKeyframe(KeyframeInfo& keyframe) override;
    bool ComputeInKeyframe(KeyframeInfo& keyframe) override;
    // The Bezier keyframe of a point at frame `when` showing source frame `value`.
    virtual KeyframeInfo AddControlPoint(int when, int value, const ControlPointHandles& handles, bool descending);

    // A point's timeline frame, and its source frame within the range.
    int PointFrame(const ControlPointInfo& point) const;
    int PointSourceFrame(const ControlPointInfo& point) const;

private:
    // The value at `at` from point e and its neighbour f, by the interpolation kind given.
    bool Interpolate(int kind, std::size_t e, std::size_t f, int at, KeyframeInfo& keyframe);
};

// Adds each point that holds a rational (linear points for kind 1, Bezier points for kind 2;
// automatic handles first when the first point asks for them), then the in and out keyframes,
// stores the range and emits the keyframes. A graph without points makes no keyframes and leaves
// the range as it was.
void RunPositionGraphDriver(ImportPositionGraph& graph);
