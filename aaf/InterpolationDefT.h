#pragma once

#include "aaf/DefinitionT.h"

// The interpolation definition of a varying value.
struct InterpolationDefT : DefinitionT {
    // Takes the varying value's interpolation definition (status := that call's result;
    // AAFRESULT_BADINDEX for a null varying value), then reads it as a definition.
    explicit InterpolationDefT(IAAFVaryingValue* varyingValue);
    ~InterpolationDefT();

    // 2 Avid Bezier, 3 constant, 4 Avid cubic, 5 B-spline, 6 log, 7 power; 1 for any other (none,
    // linear and unknown interpolations alike).
    int GetInterpolationKind() const;

    IAAFInterpolationDef* interpolationDef = nullptr;
};
