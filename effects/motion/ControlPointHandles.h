#pragma once

#include <cstdint>

#include "records/ControlPointInfo.h"

// The handle part of a control point, copied whole into a graph point: the in-handle, the
// out-handle and the flag.
struct ControlPointHandles {
    RationalPoint firstHandle;
    RationalPoint secondHandle;
    std::int32_t handleFlag = -1;
};

ControlPointHandles HandlesOf(const ControlPointInfo& point);

// A handle component's number: numerator / denominator, 0 for a denominator of 0.
float HandleX(const RationalPoint& handle);
float HandleY(const RationalPoint& handle);
