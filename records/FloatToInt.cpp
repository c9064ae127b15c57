#include "records/FloatToInt.h"

#include <cmath>
#include <limits>

int FloatToInt(double value, IntRounding rounding)
{
    if (std::isnan(value))
        return 0;
    const double rounded = rounding == IntRounding::Down ? std::floor(value) : std::trunc(value);
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}
