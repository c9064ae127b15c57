#include "effects/motion/ImportPositionGraph.h"

#include <cmath>
#include <vector>

#include "effects/motion/AutoBezierHandles.h"
#include "effects/motion/BezierKeyframe.h"
#include "effects/motion/GraphInterpolation.h"
#include "effects/motion/GraphNumbers.h"
#include "records/FloatToInt.h"

namespace {

constexpr int kLinear = 1;
constexpr int kBezier = 2;
constexpr int kAutomaticBezier = 4;

}  // namespace

ImportPositionGraph::ImportPositionGraph(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion,
                                         GraphRange* graphRange, int clipFileDuration)
    : ImportGraphBase(graphTarget, graphMotion, graphRange, clipFileDuration)
{
}

int ImportPositionGraph::PointFrame(const ControlPointInfo& point) const
{
    return FloatToInt(RationalNumber(point.timeNumerator, point.timeDenominator), IntRounding::Down);
}

int ImportPositionGraph::PointSourceFrame(const ControlPointInfo& point) const
{
    const float offset = std::floor(RationalValueNumber(point.value));
    return FloatToInt(static_cast<float>(range->in) + offset);
}

KeyframeInfo ImportPositionGraph::AddControlPoint(int when, int value, const ControlPointHandles& handles,
                                                  bool descending)
{
    return MakeBezierKeyframe(handles, when, value, descending);
}

bool ImportPositionGraph::Interpolate(int kind, std::size_t e, std::size_t f, int at, KeyframeInfo& keyframe)
{
    const std::vector<ControlPointInfo>& points = motion->positionPoints;
    const int t = PointFrame(points[e]);
    const int s = PointSourceFrame(points[e]);
    const int tf = PointFrame(points[f]);
    const int sf = PointSourceFrame(points[f]);
    if (tf == t)
        return false;
    const float x = static_cast<float>(static_cast<long long>(t) - at) / static_cast<float>(static_cast<long long>(t) - tf);
    int value = 0;
    if (kind == kLinear)
        value = OneLess(LinearInterpolate(t, s, tf, sf, x));
    else if (kind == kBezier)
        value = CubicBezierValue(HandlesOf(points[f]), HandlesOf(points[e]), t, s, tf, sf, x);
    else
        return false;
    keyframe = MakeKeyframe(at, value);
    return true;
}

bool ImportPositionGraph::ComputeInKeyframe(KeyframeInfo& keyframe)
{
    const std::vector<ControlPointInfo>& points = motion->positionPoints;
    const std::size_t count = points.size();
    if (count == 0)
        return false;
    std::size_t e = count;
    for (std::size_t i = 0; i < count; ++i) {
        const int t = PointFrame(points[i]);
        if (t == inTime)
            return false;
        if (t > inTime) {
            e = i;
            break;
        }
    }
    // Past the last point, the last point is the one extrapolated from.
    const std::size_t point = e == count ? count - 1 : e;
    if (count == 1) {
        keyframe = MakeKeyframe(inTime, PointSourceFrame(points[point]));
        return true;
    }
    std::size_t f = e - 1;
    if (e == 0)
        f = 1;
    else if (e == count)
        f = count - 2;
    return Interpolate(points.front().interpolationKind, point, f, inTime, keyframe);
}

bool ImportPositionGraph::ComputeOutKeyframe(KeyframeInfo& keyframe)
{
    const std::vector<ControlPointInfo>& points = motion->positionPoints;
    const std::size_t count = points.size();
    if (count == 0)
        return false;
    const std::size_t last = count - 1;
    bool found = false;
    std::size_t e = 0;  // before the first point, the first is the one extrapolated from
    for (std::size_t i = count; i-- > 0;) {
        const int t = PointFrame(points[i]);
        if (t == outTime)
            return false;
        if (t < outTime) {
            e = i;
            found = true;
            break;
        }
    }
    if (count == 1) {
        keyframe = MakeKeyframe(outTime, PointSourceFrame(points[e]));
        return true;
    }
    std::size_t f = e + 1;
    if (!found)
        f = 1;
    else if (e == last)
        f = e - 1;
    return Interpolate(points.back().interpolationKind, e, f, outTime, keyframe);
}

void RunPositionGraphDriver(ImportPositionGraph& graph)
{
    std::vector<ControlPointInfo>& points = graph.motion->positionPoints;
    if (points.empty())
        return;
    if (points.front().interpolationKind == kAutomaticBezier)
        AutoBezierHandles(points, graph.range->length);
    float previous = RationalNumber(-1, 1);
    for (const ControlPointInfo& point : points) {
        if (!HoldsRational(point.value))
            continue;
        const float number = RationalValueNumber(point.value);
        const int when = graph.PointFrame(point);
        int source = graph.PointSourceFrame(point);
        if (point.interpolationKind == kLinear) {
            if (when == graph.inTime && when != graph.outTime)
                source = OneLess(source);
            StoreKeyframe(graph, graph.MakeKeyframe(when, source));
        } else if (point.interpolationKind == kBezier) {
            if (when != graph.inTime)
                source = OneLess(source);
            StoreKeyframe(graph, graph.AddControlPoint(when, source, HandlesOf(point), previous > number));
        }
        previous = number;
    }
    graph.AddInKeyframe();
    graph.AddOutKeyframe();
    graph.StoreInOut();
    EmitGraphKeyframes(graph.keyframes, *graph.target);
}
