#pragma once

#include <cstdint>

class ValueBase;

// The number of a rational: numerator / denominator in single precision, 0 for a denominator of 0.
float RationalNumber(std::int32_t numerator, std::int32_t denominator);

// Whether a control point's value is set and is a rational; only such values place a graph point.
bool HoldsRational(const ValueBase* value);

// The number of a rational value; 0 for no value or a value of another kind, so that a graph never
// reads a value that is not there.
float RationalValueNumber(const ValueBase* value);

// One less, held at the int range's lower end.
int OneLess(int value);

// The frame at time numerator/denominator of a span of the given length: length × time truncated
// toward zero, worked out exactly (a float product can land just below a whole frame); 0 for a
// denominator of 0, held to the int range.
int FrameAtTime(int length, std::int32_t numerator, std::int32_t denominator);
