#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/Auid.h"

struct ParameterRecord;

// The layout the readers of a parameter's constant and varying value share: the status, the record
// they fill, the value's type, their own reference on the value's interface, the interpolation.
template <class Interface>
struct ParameterValueR {
    ParameterValueR(Interface* value, ParameterRecord& target) : record(&target), valueInterface(value)
    {
        if (valueInterface == nullptr)
            status = AAFRESULT_BADINDEX;
        else
            valueInterface->AddRef();
    }
    ~ParameterValueR() { ReleaseInterface(valueInterface); }
    ParameterValueR(const ParameterValueR&) = delete;
    ParameterValueR& operator=(const ParameterValueR&) = delete;

    std::int32_t status = 0;
    ParameterRecord* record = nullptr;
    Auid typeId;
    Interface* valueInterface = nullptr;
    std::int32_t interpolationKind = 1;
};
