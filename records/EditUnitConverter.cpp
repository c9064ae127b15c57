#include "records/EditUnitConverter.h"

#include <limits>
#include <numeric>

namespace {

constexpr std::int64_t kLowestSampleRate = 1000;

__extension__ typedef __int128 Wide;

}  // namespace

bool IsSampleRate(std::int64_t numerator, std::int64_t denominator)
{
    return numerator > 0 && denominator > 0 && numerator >= kLowestSampleRate * denominator;
}

EditUnitConverter::EditUnitConverter(std::int64_t slotNumerator, std::int64_t slotDenominator,
                                     std::int64_t frameNumerator, std::int64_t frameDenominator)
{
    if (!IsSampleRate(slotNumerator, slotDenominator) || frameNumerator <= 0 || frameDenominator <= 0)
        return;
    // Each part fits 32 bits as the file stores it, so the products fit 64.
    std::int64_t up = frameNumerator * slotDenominator;
    std::int64_t down = frameDenominator * slotNumerator;
    const std::int64_t common = std::gcd(up, down);
    up /= common;
    down /= common;
    if (up == down)
        return;
    multiplier = up;
    divisor = down;
}

std::int64_t EditUnitConverter::Frame(std::int64_t position) const
{
    if (!Converts())
        return position;
    const Wide scaled = static_cast<Wide>(position) * multiplier;
    // Halves away from zero; the remainder test keeps an odd divisor exact.
    Wide quotient = scaled / divisor;
    const Wide remainder = scaled % divisor;
    if (remainder >= 0 ? remainder * 2 >= divisor : -remainder * 2 >= divisor)
        quotient += remainder >= 0 ? 1 : -1;
    constexpr Wide kHighest = std::numeric_limits<std::int64_t>::max();
    constexpr Wide kLowest = std::numeric_limits<std::int64_t>::min();
    if (quotient > kHighest)
        return std::numeric_limits<std::int64_t>::max();
    if (quotient < kLowest)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(quotient);
}

std::int64_t EditUnitConverter::Span(std::int64_t start, std::int64_t length) const
{
    if (!Converts())
        return length;
    const Wide end = static_cast<Wide>(start) + length;
    const std::int64_t clampedEnd = end > std::numeric_limits<std::int64_t>::max()   ? std::numeric_limits<std::int64_t>::max()
                                    : end < std::numeric_limits<std::int64_t>::min() ? std::numeric_limits<std::int64_t>::min()
                                                                                     : static_cast<std::int64_t>(end);
    const Wide span = static_cast<Wide>(Frame(clampedEnd)) - Frame(start);
    if (span > std::numeric_limits<std::int64_t>::max())
        return std::numeric_limits<std::int64_t>::max();
    if (span < std::numeric_limits<std::int64_t>::min())
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(span);
}
