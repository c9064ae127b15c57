#pragma once

#include "fcpxml/EffectInfo.h"

// The "filter" element that wraps an effect applied to an item or an audio format.
struct FilterInfo {
    explicit FilterInfo(const EffectInfo& filterEffect) : effect(filterEffect) {}

    int start = -1;  // -1: not set
    int end = -1;
    bool enabled = true;
    EffectInfo effect;
};

void WriteFilter(const FilterInfo& filter);
