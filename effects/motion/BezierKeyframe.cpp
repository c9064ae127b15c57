#include "effects/motion/BezierKeyframe.h"

#include <cmath>

#include "fcpxml/NumberText.h"

namespace {

// The angles as the document's readers expect them, to the digits they were always written with.
constexpr float kPi = 3.14159f;
constexpr float kHalfPi = 1.570795f;

}  // namespace

PolarHandle HandleToPolar(const RationalPoint& handle, bool first)
{
    const float x = HandleX(handle);
    const float y = HandleY(handle);
    PolarHandle polar;
    polar.magnitude = 0.5f * std::sqrt(x * x + y * y);
    if (x > 0.0f) {
        polar.angle = 0.0f;
    } else if (x < 0.0f) {
        if (y < 0.0f)
            polar.angle = std::atan(y / x) - kPi;
        else if (y > 0.0f)
            polar.angle = std::atan(y / x) + kPi;
        else
            polar.angle = first ? -kPi : 0.0f;
    } else {
        polar.angle = y >= 0.0f ? kHalfPi : -kHalfPi;
    }
    return polar;
}

void ClampHandleAngles(PolarHandle& in, PolarHandle& out, bool descending)
{
    const float lower = descending ? kHalfPi : -kPi;
    const float upper = descending ? kPi : -kHalfPi;
    const float middle = descending ? -0.7853974f : 0.7853974f;
    float angle = in.angle;
    if (angle < lower || angle > upper)
        angle = angle > middle ? lower : upper;
    in.angle = angle;
    out.angle = static_cast<float>(static_cast<double>(angle) + 3.14159);
}

KeyframeInfo MakeBezierKeyframe(const ControlPointHandles& handles, int when, int value, bool descending)
{
    KeyframeInfo keyframe(when);
    keyframe.values.emplace_back(IntToString(value));
    PolarHandle in = HandleToPolar(handles.firstHandle, true);
    PolarHandle out = HandleToPolar(handles.secondHandle, false);
    ClampHandleAngles(in, out, descending);
    keyframe.inbez.push_back({in.magnitude, in.angle});
    keyframe.outbez.push_back({out.magnitude, out.angle});
    return keyframe;
}
