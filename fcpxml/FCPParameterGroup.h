#pragma once

#include <vector>

#include "records/ParameterMapping.h"
#include "records/ParameterRecord.h"

// The AAF parameters that make up one grouped FCP parameter of a plug-in effect: the red, green and
// blue rows of a colour, or the x and y rows of a point.
struct FCPParameterGroup {
    explicit FCPParameterGroup(const FCPParameterSpec& groupSpec) : spec(groupSpec) {}

    std::vector<ParameterRecord> members;
    FCPParameterSpec spec;  // the group's own FCP parameter
};
