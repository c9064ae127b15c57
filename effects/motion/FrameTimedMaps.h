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
