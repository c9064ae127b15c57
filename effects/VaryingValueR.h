#pragma once

#include "effects/ParameterValueR.h"

// The varying value of a parameter: its interpolation and its control points, read into the
// parameter's record.
struct VaryingValueR : ParameterValueR<IAAFVaryingValue> {
    using ParameterValueR::ParameterValueR;

    // The interpolation kind (1 when the definition cannot be read), then the control points.
    void Read();
    // Every control point that reads and decodes is appended, its value null or not.
    void ReadControlPoints();
};
