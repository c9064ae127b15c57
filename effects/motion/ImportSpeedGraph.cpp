#include "effects/motion/ImportSpeedGraph.h"

#include <algorithm>
#include <limits>

#include "effects/motion/GraphNumbers.h"
#include "records/FloatToInt.h"
#include "records/ValueBase.h"

ImportSpeedGraph::ImportSpeedGraph(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion, GraphRange* graphRange,
                                   int clipFileDuration)
    : ImportGraphBase(graphTarget, graphMotion, graphRange, clipFileDuration)
{
}

float ImportSpeedGraph::SourceFrameAt(std::int32_t timeNumerator, std::int32_t timeDenominator, int frame) const
{
    const auto numberAt = [this](long long at, float& number) {
        if (at != static_cast<int>(at))
            return false;
        const auto found = motion->sourceFrames.find(static_cast<int>(at));
        if (found == motion->sourceFrames.end() || !HoldsRational(found->second.value))
            return false;
        number = RationalValueNumber(found->second.value);
        return true;
    };
    float number = 0.0f;
    if (timeNumerator != 0 && timeDenominator == 1 && numberAt(static_cast<long long>(frame) + 1, number))
        return number;
    if (numberAt(frame, number))
        return number;
    return 0.0f;
}

void ImportSpeedGraph::AddControlPoint(std::int32_t timeNumerator, std::int32_t timeDenominator, std::int32_t,
                                       std::int32_t)
{
    const long long span = std::clamp<long long>(static_cast<long long>(range->out) - range->in,
                                                 std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    const int frame = FrameAtTime(static_cast<int>(span), timeNumerator, timeDenominator);
    int when = frame;
    if (timeNumerator == 0)
        when = 0;
    else if (timeDenominator == 1)
        when = range->length;
    const float source = SourceFrameAt(timeNumerator, timeDenominator, frame) + static_cast<float>(range->in);
    StoreKeyframe(*this, MakeKeyframe(when, FloatToInt(source)));
}

bool ImportSpeedGraph::ComputeInKeyframe(KeyframeInfo& keyframe)
{
    keyframe = MakeKeyframe(0, FloatToInt(SourceFrameAt(0, 1, 0) + static_cast<float>(range->in)));
    return true;
}

bool ImportSpeedGraph::ComputeOutKeyframe(KeyframeInfo& keyframe)
{
    const int length = range->length;
    keyframe = MakeKeyframe(length, FloatToInt(SourceFrameAt(1, 1, length) + static_cast<float>(range->in)));
    return true;
}

void RunSpeedGraphDriver(ImportSpeedGraph& graph)
{
    const MotionEffectInfo& motion = *graph.motion;
    if (motion.speedPoints.empty() && motion.sourceFrames.empty())
        return;
    for (const ControlPointInfo& point : motion.speedPoints) {
        if (!HoldsRational(point.value))
            continue;
        const auto* value = static_cast<const RatioValue*>(point.value);
        graph.AddControlPoint(point.timeNumerator, point.timeDenominator, value->numerator, value->denominator);
    }
    graph.AddInKeyframe();
    graph.AddOutKeyframe();
    graph.StoreInOut();
    EmitGraphKeyframes(graph.keyframes, *graph.target);
}
