#include "effects/motion/MixRateScaling.h"

#include <cmath>

#include "effects/motion/GraphNumbers.h"
#include "records/FloatToInt.h"

MixRateScaling::MixRateScaling(const MotionEffectInfo& motion, int clipTimebase)
    : mixRate(RationalNumber(motion.mixMatchRateNumerator, motion.mixMatchRateDenominator)),
      timebase(static_cast<float>(clipTimebase))
{
}

int MixRateScaling::Scale(int value) const
{
    if (!(std::isfinite(mixRate) && mixRate > 0.0f))
        return value;
    const float scaled = timebase * static_cast<float>(value) / mixRate;
    return FloatToInt(scaled, IntRounding::Down);
}
