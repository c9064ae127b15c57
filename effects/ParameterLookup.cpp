#include "effects/ParameterLookup.h"

#include "aaf/Auid.h"
#include "records/ValueBase.h"

bool MapParameter(ParameterMap& parameters, ParameterMap& output, const Auid& parameterId,
                  const std::string& fcpName, const ValueConversionRule& rule)
{
    const auto found = parameters.find(AuidToText(parameterId));
    if (found == parameters.end())
        return false;
    found->second.mapping.rule = rule;
    output[fcpName] = found->second;
    return true;
}

bool ReadBoolParameter(const ParameterMap& parameters, const Auid& parameterId)
{
    return ReadBoolParameter(parameters, AuidToText(parameterId));
}

bool ReadBoolParameter(const ParameterMap& parameters, const std::string& parameterIdText)
{
    const auto found = parameters.find(parameterIdText);
    if (found == parameters.end() || found->second.constantValues.empty())
        return false;
    const auto* flag = dynamic_cast<const BoolValue*>(found->second.constantValues.front());
    return flag != nullptr && flag->value != 0;
}
