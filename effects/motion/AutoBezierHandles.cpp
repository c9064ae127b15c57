#include "effects/motion/AutoBezierHandles.h"

#include <cmath>
#include <limits>

#include "effects/motion/GraphNumbers.h"
#include "records/FloatToInt.h"

namespace {

constexpr float kHandleShare = 0.4f;

struct Handle {
    float x = 0;
    float y = 0;
};

// The slope between two points; 0 for points at one time.
float Slope(float rise, float run)
{
    return run == 0.0f ? 0.0f : rise / run;
}

void StoreHandle(const Handle& handle, RationalPoint& point)
{
    StoreFixedPoint(handle.x, point.xNumerator, point.xDenominator);
    StoreFixedPoint(handle.y, point.yNumerator, point.yDenominator);
}

}  // namespace

void StoreFixedPoint(float component, std::int32_t& numerator, std::int32_t& denominator)
{
    constexpr double kLimit = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    std::int32_t scale = 1000000;
    while (scale > 1 && std::fabs(static_cast<double>(component) * scale) > kLimit)
        scale /= 10;
    numerator = FloatToInt(static_cast<double>(component) * scale);
    denominator = scale;
}

void AutoBezierHandles(std::vector<ControlPointInfo>& points, int rangeLength)
{
    const std::size_t count = points.size();
    if (count == 0)
        return;
    std::vector<float> x(count);
    std::vector<float> v(count);
    for (std::size_t i = 0; i < count; ++i) {
        x[i] = static_cast<float>(rangeLength) * RationalNumber(points[i].timeNumerator, points[i].timeDenominator);
        v[i] = RationalValueNumber(points[i].value);
    }
    std::vector<Handle> first(count);
    std::vector<Handle> second(count);
    if (count == 1) {
        const long long k = FloatToInt(x[0]);
        const float h = static_cast<float>((2 * k) / 5);
        first[0] = {-h, 0.0f};
        second[0] = {h, 0.0f};
    } else {
        const float g = x[1] - x[0];
        const float h = kHandleShare * g;
        const float l = Slope(v[1] - v[0], g) * h;
        first[0] = {-h, -l};
        second[0] = {h, l};
        const std::size_t last = count - 1;
        const float back = kHandleShare * (x[last - 1] - x[last]);
        const float m = Slope(v[last] - v[last - 1], x[last] - x[last - 1]) * back;
        first[last] = {back, m};
        second[last] = {-back, -m};
        for (std::size_t i = 1; i < last; ++i) {
            float w = 0.0f;
            // Only a point on a steady rise or fall gets sloped handles; a peak or a trough stays flat.
            const float halfSpread = std::fabs(v[i + 1] - v[i - 1]) * 0.5f;
            if ((v[i + 1] - v[i]) * (v[i - 1] - v[i]) < 0.0f && halfSpread > 0.0f) {
                const float offMiddle = std::fabs(v[i] - (v[i + 1] + v[i - 1]) * 0.5f);
                w = (1.0f - offMiddle / halfSpread) * Slope(v[i + 1] - v[i - 1], x[i + 1] - x[i - 1]);
            }
            const float before = kHandleShare * (x[i - 1] - x[i]);
            const float after = kHandleShare * (x[i + 1] - x[i]);
            first[i] = {before, w * before};
            second[i] = {after, w * after};
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        StoreHandle(first[i], points[i].firstHandle);
        StoreHandle(second[i], points[i].secondHandle);
        points[i].handleFlag = 1;
        points[i].interpolationKind = 2;
    }
}
