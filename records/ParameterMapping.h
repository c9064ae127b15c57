#pragma once

#include <string>

#include "records/Auid.h"
#include "records/ValueConversionRule.h"

// The FCP side of a parameter: which FCP parameter it feeds.
struct FCPParameterSpec {
    std::string name;
    std::string parameterId;
    int valueType = 0;  // FCPValueType
};

// The AAF side of a parameter.
struct AvidParameterSpec {
    std::string name;
    Auid parameterDefId;
    int kind = 0;  // PluginParameterKind
    Auid typeDefId;
    std::string defaultValue;
};

// Ties one AAF parameter to one FCP parameter and says how its values convert. A plain value.
struct ParameterMapping {
    FCPParameterSpec fcp;
    AvidParameterSpec avid;
    ValueConversionRule rule;
    std::string rowId;
    std::string effectName;
};
