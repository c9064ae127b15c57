#pragma once

#include "effects/motion/ControlPointHandles.h"
#include "fcpxml/KeyframeInfo.h"

// A handle as FCP stores it: its magnitude, then its angle in radians.
struct PolarHandle {
    float magnitude = 0;
    float angle = 0;
};

// Half the handle's length, and its direction; a handle pointing right has angle 0 whatever its
// height, and a flat handle pointing left is -pi as an in-handle and 0 as an out-handle.
PolarHandle HandleToPolar(const RationalPoint& handle, bool first);

// Holds the in-handle's angle to the half-plane the curve's direction allows (the upper one when
// descending) and points the out-handle the opposite way.
void ClampHandleAngles(PolarHandle& in, PolarHandle& out, bool descending);

// A keyframe at the time with the value text and the point's handles in polar form.
KeyframeInfo MakeBezierKeyframe(const ControlPointHandles& handles, int when, int value, bool descending);
