#pragma once

#include <vector>

#include "records/ControlPointInfo.h"
#include "records/ParameterMapping.h"

class ValueBase;

// One AAF effect parameter: its constant values, its control points and its FCP mapping. Owns its
// values; a copy deep-copies them.
struct ParameterRecord {
    ParameterRecord() = default;
    ParameterRecord(const ParameterRecord& other);
    ParameterRecord& operator=(const ParameterRecord& other);
    ParameterRecord(ParameterRecord&& other) noexcept;
    ParameterRecord& operator=(ParameterRecord&& other) noexcept;
    ~ParameterRecord();

    std::vector<ValueBase*> constantValues;
    std::vector<ControlPointInfo> controlPoints;
    ParameterMapping mapping;
};
