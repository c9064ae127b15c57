#include "effects/motion/FrameTimedMaps.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

namespace {

bool OutsideUnit(const ControlPointInfo& point)
{
    const long long n = point.timeNumerator;
    const long long d = point.timeDenominator;
    if (d == 0)
        return false;
    // n/d < 0 or n/d > 1, without dividing.
    return d > 0 ? (n < 0 || n > d) : (n > 0 || n < d);
}

bool FitsInt32(long long value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

bool MapTimedInFrames(const std::vector<ControlPointInfo>& points)
{
    for (const ControlPointInfo& point : points)
        if (OutsideUnit(point))
            return true;
    return false;
}

void TimeMapInFractions(std::vector<ControlPointInfo>& points, int componentLength)
{
    if (componentLength <= 0)
        return;
    for (ControlPointInfo& point : points) {
        if (point.timeDenominator == 0)
            continue;
        long long n = point.timeNumerator;
        long long d = static_cast<long long>(point.timeDenominator) * componentLength;
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const long long divisor = std::gcd(n, d);
        if (divisor > 1) {
            n /= divisor;
            d /= divisor;
        }
        // A fraction too fine for 32 bits loses its last digits, not its size.
        while (!FitsInt32(n) || !FitsInt32(d)) {
            n /= 2;
            d /= 2;
        }
        point.timeNumerator = static_cast<std::int32_t>(n);
        point.timeDenominator = static_cast<std::int32_t>(d == 0 ? 1 : d);
    }
}

void ReadFrameTimedMap(std::vector<ControlPointInfo>& points, int componentLength)
{
    if (!MapTimedInFrames(points) || componentLength <= 0)
        return;
    std::erase_if(points, [componentLength](const ControlPointInfo& point) {
        const long long n = point.timeNumerator;
        long long d = point.timeDenominator;
        if (d == 0)
            return false;
        // Outside [0, length], without dividing.
        const long long end = d * componentLength;
        return d > 0 ? (n < 0 || n > end) : (n > 0 || n < end);
    });
    TimeMapInFractions(points, componentLength);
}
