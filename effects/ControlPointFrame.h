#pragma once

#include <utility>
#include <vector>

#include "records/ComponentContext.h"
#include "records/ControlPointInfo.h"

#include "fcpxml/TrimTagBase.h"

// The frame of an item that a control point's time (a fraction of the effect's length, numerator
// over denominator) falls on: 1/1 is the last frame before out, other times lie from in onward. A
// time with denominator 0 is the effect's start, the item's in point.
int ControlPointFrame(const TrimValues& item, int numerator, int denominator);

// The frame of the current item for a control point time: mode 2 (video) maps the fraction with
// ControlPointFrame; mode 1 (audio) adds the item's in point to the numerator in place and returns
// the sum. Any other mode, or no current item, gives -1 and leaves the time as it was.
int CurrentItemFrame(std::pair<int, int>& time, int mode);

// Points whose numerators count edit units of the effect's slot from its start (gain and pan on sound
// tracks) count frames from there instead. On a slot that counts samples several points can meet on
// one frame: the later one stays.
void CountPointsInFrames(const ComponentContext& effect, std::vector<ControlPointInfo>& points);
