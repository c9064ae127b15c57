#include "effects/motion/ImportMatchPortable.h"

#include "effects/motion/GraphNumbers.h"
#include "records/FloatToInt.h"

ImportMatchPortable::ImportMatchPortable(ParameterInfo* graphTarget, MotionEffectInfo* graphMotion,
                                         GraphRange* graphRange, int clipFileDuration)
    : ImportGraphBase(graphTarget, graphMotion, graphRange, clipFileDuration),
      length(graphRange->length),
      rate(RationalNumber(graphMotion->speedRatioNumerator, graphMotion->speedRatioDenominator))
{
}

bool ImportMatchPortable::ComputeInKeyframe(KeyframeInfo& keyframe)
{
    if (rate > 0.0f) {
        keyframe = MakeKeyframe(0, range->in);
        return true;
    }
    // A ratio of 0 gives no source frame to start from.
    if (rate == 0.0f)
        return false;
    keyframe = MakeKeyframe(0, FloatToInt(static_cast<float>(range->in) - static_cast<float>(length) / rate));
    return true;
}

bool ImportMatchPortable::ComputeOutKeyframe(KeyframeInfo& keyframe)
{
    const int value = rate > 0.0f ? FloatToInt(static_cast<float>(length) / rate + static_cast<float>(range->in))
                                  : OneLess(range->in);
    keyframe = MakeKeyframe(length, value);
    return true;
}

void ImportMatchPortable::StoreInOut()
{
    range->in = 0;
    range->out = length;
}
