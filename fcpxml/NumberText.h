#pragma once

#include <string>

// The number as a default-formatted output stream writes it: plain decimal with a leading "-".
std::string IntToString(int value);

// General notation with six significant digits and no trailing zeros ("1.5", "0.1", "100",
// "1e+06"); "-0" for negative zero and "inf", "-inf", "nan" for non-finite values. Independent of
// the process locale.
std::string FloatToString(float value);
