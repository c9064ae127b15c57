#pragma once

#include "effects/motion/ControlPointHandles.h"

// The source frame at fraction x of the way from point (t1, s1) back towards (t0, s0), on the line
// through both; x outside [0, 1] extrapolates. The two times differ.
int LinearInterpolate(int t1, int s1, int t0, int s0, float x);

// The same on the Bezier segment between point e (time a, source frame b, handles he) and its
// neighbour (time c, source frame d, handles hf); outside the segment the curve goes on along the
// in-handle of the point it leaves from. A handle of no width there gives no slope to follow: the
// curve holds that point's source frame.
int CubicBezierValue(const ControlPointHandles& hf, const ControlPointHandles& he, int a, int b, int c, int d,
                     float x);
