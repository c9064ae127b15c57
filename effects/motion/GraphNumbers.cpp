#include "effects/motion/GraphNumbers.h"

#include <limits>

#include "aaf/ValueMakers.h"
#include "records/ValueBase.h"

float RationalNumber(std::int32_t numerator, std::int32_t denominator)
{
    if (denominator == 0)
        return 0.0f;
    return static_cast<float>(numerator) / static_cast<float>(denominator);
}

bool HoldsRational(const ValueBase* value)
{
    return HasValue(value) && dynamic_cast<const RatioValue*>(value) != nullptr;
}

float RationalValueNumber(const ValueBase* value)
{
    const auto* ratio = dynamic_cast<const RatioValue*>(value);
    return ratio ? RationalNumber(ratio->numerator, ratio->denominator) : 0.0f;
}

int OneLess(int value)
{
    return value == std::numeric_limits<int>::min() ? value : value - 1;
}

int FrameAtTime(int length, std::int32_t numerator, std::int32_t denominator)
{
    if (denominator == 0)
        return 0;
    const long long frame = static_cast<long long>(length) * numerator / denominator;
    if (frame > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (frame < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(frame);
}
