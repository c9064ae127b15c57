#include "effects/motion/ImportSpeedGraphOneKF.h"

#include "effects/motion/GraphNumbers.h"
#include "records/FloatToInt.h"

namespace {

float FirstSpeedValue(const MotionEffectInfo& motion)
{
    return motion.speedPoints.empty() ? 0.0f : RationalValueNumber(motion.speedPoints.front().value);
}

// The number of a source-frame entry's value; false when it holds no rational to read.
bool SourceValue(const ControlPointInfo& point, float& number)
{
    if (!HoldsRational(point.value))
        return false;
    number = RationalValueNumber(point.value);
    return true;
}

}  // namespace

ImportSpeedGraphOneKF::ImportSpeedGraphOneKF(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion,
                                             GraphRange* graphRange, int clipFileDuration)
    : ImportGraphBase(graphTarget, graphMotion, graphRange, clipFileDuration),
      rate(0.0f),
      length(graphRange->length)
{
    const float speed = FirstSpeedValue(*graphMotion);
    if (speed != 0.0f)
        rate = 1.0f / speed;
}

bool ImportSpeedGraphOneKF::ComputeInKeyframe(KeyframeInfo& keyframe)
{
    const float in = static_cast<float>(range->in);
    int value = range->in;
    if (rate <= 0.0f) {
        if (!motion->sourceFrames.empty()) {
            float first = 0.0f;
            if (!SourceValue(motion->sourceFrames.begin()->second, first))
                return false;
            value = FloatToInt(first + in + 1.0f);
        } else if (rate == 0.0f) {
            return false;
        } else {
            value = FloatToInt(in - static_cast<float>(length) / rate);
        }
    }
    keyframe = MakeKeyframe(0, value);
    return true;
}

bool ImportSpeedGraphOneKF::ComputeOutKeyframe(KeyframeInfo& keyframe)
{
    const float in = static_cast<float>(range->in);
    int value = OneLess(range->in);
    if (rate > 0.0f) {
        if (!motion->sourceFrames.empty()) {
            float last = 0.0f;
            if (!SourceValue(motion->sourceFrames.rbegin()->second, last))
                return false;
            value = FloatToInt(last + in);
        } else {
            value = FloatToInt(static_cast<float>(length) / rate + in);
        }
    }
    keyframe = MakeKeyframe(length, value);
    return true;
}

void ImportSpeedGraphOneKF::StoreInOut()
{
    range->in = 0;
    range->out = length;
}
