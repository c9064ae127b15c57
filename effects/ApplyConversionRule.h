#pragma once

#include "records/ValueConversionRule.h"

// Converts a parameter value by the rule, in place. A rule whose a is 0 changes nothing; kind 1
// adds a, 2 subtracts a, 3 scales by a / b, 4 divides by a (0 stays 0), 7 maps a magnitude onto a
// percentage, 11 maps the unit range onto the signed unit range; other kinds change nothing.
void ApplyConversionRule(float& value, const ValueConversionRule& rule);

// The same on an integer: converted to float, the rule applied, truncated toward zero.
void ApplyConversionRuleToInt(int& value, const ValueConversionRule& rule);
