#pragma once

#include <vector>

#include "records/ControlPointInfo.h"

// Control points time themselves as fractions of the effect's length (0/1 its start, 1/1 its end),
// but the editing system's speed and offset maps give their times in frames of the effect, and
// reach before its start and past its end. A map with a point outside 0..1 is such a map.
bool MapTimedInFrames(const std::vector<ControlPointInfo>& points);

// Rewrites each point's time, in frames, as the exact fraction of a component of the given length
// (reduced, so the end is 1/1). A length of 0 or less leaves the points as they are.
void TimeMapInFractions(std::vector<ControlPointInfo>& points, int componentLength);

// A map timed in frames read as fractions of the component: its points before the component's
// start or past its end only shape the curve outside the clip (and would take the place of its
// first frame, or give keyframes where the map has no source frame), so they are left out. A map
// timed in fractions stays as it is.
void ReadFrameTimedMap(std::vector<ControlPointInfo>& points, int componentLength);
