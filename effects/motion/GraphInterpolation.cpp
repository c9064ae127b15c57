#include "effects/motion/GraphInterpolation.h"


#include "records/FloatToInt.h"

namespace {

// Along a handle's slope from (time, source) to time r.
int AlongHandle(const RationalPoint& handle, float r, int time, int source)
{
    const float width = HandleX(handle);
    if (width == 0.0f)
        return source;
    return FloatToInt(HandleY(handle) / width * (r - static_cast<float>(time)) + static_cast<float>(source));
}

}  // namespace

int LinearInterpolate(int t1, int s1, int t0, int s0, float x)
{
    const float span = static_cast<float>(static_cast<long long>(t1) - t0);
    if (span == 0.0f)
        return s1;
    const float t1f = static_cast<float>(t1);
    const int r = FloatToInt(t1f - span * x, IntRounding::Down);
    const float slope = static_cast<float>(static_cast<long long>(s1) - s0) / span;
    return FloatToInt((static_cast<float>(r) - t1f) * slope + static_cast<float>(s1));
}

int CubicBezierValue(const ControlPointHandles& hf, const ControlPointHandles& he, int a, int b, int c, int d,
                     float x)
{
    const float af = static_cast<float>(a);
    const float r = static_cast<float>(FloatToInt(af - (af - static_cast<float>(c)) * x, IntRounding::Down));
    if (x > 1.0f)
        return AlongHandle(hf.firstHandle, r, c, d);
    if (x < 0.0f)
        return AlongHandle(he.firstHandle, r, a, b);
    const float bf = static_cast<float>(b);
    const float df = static_cast<float>(d);
    float p0 = 0, p1 = 0, p2 = 0, p3 = 0, u = 0;
    if (a > c) {
        p0 = df;
        p1 = df + HandleY(hf.secondHandle);
        p2 = bf + HandleY(he.firstHandle);
        p3 = bf;
        u = 1.0f - x;
    } else {
        // The later point's second handle, as the curves were always drawn.
        p0 = bf;
        p1 = bf + HandleY(he.secondHandle);
        p2 = df + HandleY(hf.secondHandle);
        p3 = df;
        u = x;
    }
    const float v = 1.0f - u;
    const float value = p0 * v * v * v + 3.0f * p1 * u * v * v + 3.0f * p2 * u * u * v + p3 * u * u * u;
    return FloatToInt(value, IntRounding::Down);
}
