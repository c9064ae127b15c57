#pragma once

#include <cstdint>
#include <vector>

#include "records/ControlPointInfo.h"

// Rewrites every point's handles as automatic Bezier handles over a range of the given length, in
// fixed point, and makes each point a Bezier point (kind 2, flag 1). Points sharing a time, which
// give no slope, get flat handles.
void AutoBezierHandles(std::vector<ControlPointInfo>& points, int rangeLength);

// A handle component in fixed point: over 1000000, or over a smaller power of ten where the
// numerator would not fit an int; still beyond the range, the numerator is held at its end.
void StoreFixedPoint(float component, std::int32_t& numerator, std::int32_t& denominator);
