#pragma once

#include "effects/ParameterValueR.h"

// The constant value of a parameter, read into the parameter's record.
struct ConstantValueR : ParameterValueR<IAAFConstantValue> {
    using ParameterValueR::ParameterValueR;

    // The value's type becomes the type of the record's AAF side; the decoded value (null for a
    // type that makes none) is appended to the record's constant values.
    void Read();
};
