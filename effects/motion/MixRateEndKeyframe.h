#pragma once

#include "effects/motion/ImportGraphBase.h"
#include "effects/motion/MixRateScaling.h"

// The end keyframe of an adapter-4 graph: at the file's duration scaled to the clip's timebase,
// with that scaled time as its value too.
void AddMixRateEndKeyframe(ImportGraphBase& graph, const MixRateScaling& scaling);
