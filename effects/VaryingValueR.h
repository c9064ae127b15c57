#pragma once

#include <cstdint>

#include "aafsdk/include/AAF.h"
#include "fcpxml/Auid.h"

struct ParameterRecord;

// The varying value of a parameter: its interpolation and its control points, read into the
// parameter's record. Holds its own reference on the value's interface.
struct VaryingValueR {
    VaryingValueR(IAAFVaryingValue* value, ParameterRecord& target);
    ~VaryingValueR();
    VaryingValueR(const VaryingValueR&) = delete;
    VaryingValueR& operator=(const VaryingValueR&) = delete;

    // The interpolation kind (1 when the definition cannot be read), then the control points.
    void Read();
    // Every control point that reads and decodes is appended, its value null or not.
    void ReadControlPoints();

    std::int32_t status = 0;
    ParameterRecord* record = nullptr;
    Auid typeId;
    IAAFVaryingValue* varyingValue = nullptr;
    std::int32_t interpolationKind = 1;
};
