#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/ControlPointInfo.h"

// One control point of a varying value: its time, its interpolation and, for Bezier curves, its
// handles. The value is decoded by the varying value's reader.
struct ControlPointR : ObjectT {
    ControlPointR(IAAFVaryingValue* varyingValue, std::int32_t interpolationKind, aafUInt32 index);
    ~ControlPointR();

    // The handle parameters of the point's properties; any that are missing keep their defaults.
    void ReadHandles();

    IAAFControlPoint* controlPoint = nullptr;
    ControlPointInfo info;
    aafEditHint_t editHint = 0;
};
