#pragma once

#include <cstdint>

#include "aafsdk/include/AAF.h"
#include "fcpxml/Auid.h"

struct ParameterRecord;

// The constant value of a parameter, read into the parameter's record. Holds its own reference on
// the value's interface.
struct ConstantValueR {
    ConstantValueR(IAAFConstantValue* value, ParameterRecord& target);
    ~ConstantValueR();
    ConstantValueR(const ConstantValueR&) = delete;
    ConstantValueR& operator=(const ConstantValueR&) = delete;

    // The value's type becomes the type of the record's AAF side; the decoded value (null for a
    // type that makes none) is appended to the record's constant values.
    void Read();

    std::int32_t status = 0;
    ParameterRecord* record = nullptr;
    Auid typeId;
    IAAFConstantValue* constantValue = nullptr;
    std::int32_t interpolationKind = 1;
};
