#pragma once

#include "effects/motion/MotionEffectInfo.h"

// How the adapter-4 graphs turn a value counted at the effect's mix-and-match rate into frames of
// the clip's timebase.
struct MixRateScaling {
    MixRateScaling(const MotionEffectInfo& motion, int clipTimebase);

    // trunc(floor(timebase × value / mixRate)) in single precision. A mix rate that is not a positive
    // finite number (no rate tag, a rate of 0) counts as the clip's own timebase: the value stays.
    int Scale(int value) const;

    float mixRate;
    float timebase;
};
