#pragma once

// The one way a parameter or time value leaves floating point for an integer: rounded as asked,
// then held to the int range (a value beyond it gives the nearest end, NaN gives 0), so a
// damaged or extreme value never makes the conversion undefined.
enum class IntRounding {
    TowardZero,
    Down,
};

int FloatToInt(double value, IntRounding rounding = IntRounding::TowardZero);
