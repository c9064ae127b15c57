#include "records/ControlPointInfo.h"

#include "records/ValueBase.h"

void CopyRationalPoint(RationalPoint& target, const RationalPoint& source) { target = source; }

ControlPointInfo::ControlPointInfo(const ControlPointInfo& other) { *this = other; }

ControlPointInfo& ControlPointInfo::operator=(const ControlPointInfo& other)
{
    if (this == &other)
        return *this;
    ValueBase* copy = nullptr;
    CloneValue(&copy, &other.value);
    delete value;  // replacing a held value deletes the old one first
    value = copy;
    timeNumerator = other.timeNumerator;
    timeDenominator = other.timeDenominator;
    interpolationKind = other.interpolationKind;
    firstHandle = other.firstHandle;
    secondHandle = other.secondHandle;
    handleFlag = other.handleFlag;
    return *this;
}

ControlPointInfo::~ControlPointInfo() { delete value; }
