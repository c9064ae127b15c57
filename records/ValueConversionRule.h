#pragma once

#include <cstdint>

// A numeric conversion of a parameter value: a and b are its operands, kind selects the formula.
struct ValueConversionRule {
    float a = 0;
    float b = 0;
    int32_t kind = 0;
};
