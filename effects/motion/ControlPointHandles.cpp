#include "effects/motion/ControlPointHandles.h"

#include "effects/motion/GraphNumbers.h"

ControlPointHandles HandlesOf(const ControlPointInfo& point)
{
    return {point.firstHandle, point.secondHandle, point.handleFlag};
}

float HandleX(const RationalPoint& handle)
{
    return RationalNumber(handle.xNumerator, handle.xDenominator);
}

float HandleY(const RationalPoint& handle)
{
    return RationalNumber(handle.yNumerator, handle.yDenominator);
}
