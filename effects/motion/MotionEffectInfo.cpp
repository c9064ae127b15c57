#include "effects/motion/MotionEffectInfo.h"

#include "aaf/Auid.h"
#include "effects/EffectIds.h"
#include "effects/MotionEffectTags.h"
#include "effects/motion/FrameTimedMaps.h"
#include "effects/motion/GraphNumbers.h"
#include "records/FloatToInt.h"
#include "records/ValueBase.h"

namespace {

const ParameterRecord* FindParameter(const std::map<std::string, ParameterRecord>& parameters, const Auid& id)
{
    const auto found = parameters.find(AuidToText(id));
    return found == parameters.end() ? nullptr : &found->second;
}

void ReadSourceFrames(std::vector<ControlPointInfo> points, MotionEffectInfo& motion, int componentLength)
{
    ReadFrameTimedMap(points, componentLength);
    for (const ControlPointInfo& point : points) {
        const int frame = FrameAtTime(componentLength, point.timeNumerator, point.timeDenominator);
        if (motion.sourceFrames.contains(frame))
            continue;
        ControlPointInfo retimed = point;
        retimed.timeNumerator = frame;
        // A component of no length has only frame 0, which is 0/1 as well.
        retimed.timeDenominator = componentLength > 0 ? componentLength : 1;
        motion.sourceFrames.emplace(frame, retimed);
    }
}

}  // namespace

void ApplyMotionEffectTags(const MotionEffectTags& tags, MotionEffectInfo& motion)
{
    motion.graphKind = tags.graphEnabled;
    motion.motionAdapter = tags.motionAdapter;
    motion.portableMatch = tags.portableMatch;
    motion.mixMatchRateNumerator = tags.rateNumerator;
    motion.mixMatchRateDenominator = tags.rateDenominator;
}

void ReadMotionEffectInfo(const std::map<std::string, ParameterRecord>& parameters, MotionEffectInfo& motion,
                          int componentLength)
{
    if (const ParameterRecord* position = FindParameter(parameters, kPositionPointsParameter))
        motion.positionPoints = position->controlPoints;
    if (const ParameterRecord* speed = FindParameter(parameters, kSpeedPointsParameter)) {
        motion.speedPoints = speed->controlPoints;
        ReadFrameTimedMap(motion.speedPoints, componentLength);
    }
    if (const ParameterRecord* frames = FindParameter(parameters, kSourceFramesParameter))
        ReadSourceFrames(frames->controlPoints, motion, componentLength);
    ChooseMotionGraphKind(motion);
    const ParameterRecord* ratio = FindParameter(parameters, kSpeedRatioParameter);
    if (ratio && !ratio->constantValues.empty()) {
        if (const auto* value = dynamic_cast<const RatioValue*>(ratio->constantValues.front())) {
            motion.speedRatioNumerator = value->numerator;
            motion.speedRatioDenominator = value->denominator;
        }
    }
}

void ChooseMotionGraphKind(MotionEffectInfo& motion)
{
    if (motion.graphKind == kSpeedGraph || motion.graphKind == kPositionGraph)
        return;
    if (!motion.sourceFrames.empty())
        motion.graphKind = motion.speedPoints.size() == 1 ? kSpeedGraphFromOnePoint : kSpeedGraph;
    else if (!motion.positionPoints.empty())
        motion.graphKind = kPositionGraph;
    else
        motion.graphKind = kNoMotionGraph;
}

int SpeedPercent(std::int32_t numerator, std::int32_t denominator)
{
    // Widened, so that negating the most negative ratio stays defined.
    std::int64_t n = numerator;
    std::int64_t d = denominator;
    if (n < 0) {
        n = -n;
        d = -d;
    }
    if (n == 0)
        return 0;
    const float quotient = static_cast<float>(d) / static_cast<float>(n);
    const float percent = quotient * 100.0f;
    return FloatToInt(percent, IntRounding::Down);
}
