#include "fcpxml/BasicMotionBase.h"

#include "fcpxml/FilterInfo.h"

bool BasicMotionBase::AddMotionParameter(const ParameterInfo& parameter)
{
    return motionParameters.emplace(parameter.parameterid, parameter).second;
}

void BasicMotionBase::AddParameterIfSet(const ParameterInfo& parameter, EffectInfo& effect)
{
    if (parameter.HasValuesOrKeyframes())
        effect.parameters.push_back(parameter);
}

void BasicMotionBase::WriteBasicMotionFilter() const
{
    if (motionParameters.empty())
        return;
    EffectInfo motion("Basic Motion", "basic", "motion", "motion", -1, 2);
    for (const auto& [id, parameter] : motionParameters)
        AddParameterIfSet(parameter, motion);
    WriteFilter(FilterInfo(motion));
}
