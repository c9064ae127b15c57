#pragma once

#include <cstdint>

class ValueBase;

// A Bezier handle as rational coordinates; the two trailing ints are carried unchanged.
struct RationalPoint {
    int32_t xNumerator = 0;
    int32_t xDenominator = 1;
    int32_t yNumerator = 1;
    int32_t yDenominator = 1;
    int32_t extra1 = 0;
    int32_t extra2 = 0;
};

// Copies one whole point.
void CopyRationalPoint(RationalPoint& target, const RationalPoint& source);

// One control point of a varying parameter; owns its decoded value.
struct ControlPointInfo {
    ControlPointInfo() = default;
    ControlPointInfo(const ControlPointInfo& other);
    ControlPointInfo& operator=(const ControlPointInfo& other);
    ~ControlPointInfo();

    int32_t timeNumerator = 0;  // a fraction of the operation's length: 0/1 start, 1/1 end
    int32_t timeDenominator = 1;
    ValueBase* value = nullptr;
    int32_t interpolationKind = 0;
    RationalPoint firstHandle;
    RationalPoint secondHandle;
    int32_t handleFlag = -1;
};
