#include "effects/ParameterR.h"

#include <utility>

#include "aaf/HeldInterface.h"
#include "aaf/TextConversion.h"
#include "effects/ConstantValueR.h"
#include "effects/VaryingValueR.h"

ParameterR::ParameterR(IEnumAAFParameters* enumerator)
{
    if (enumerator == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    status = enumerator->NextOne(&parameter);
    if (status >= 0 && parameter == nullptr)
        status = AAFRESULT_BADINDEX;
    if (status >= 0)
        ReadDefinition();
}

ParameterR::ParameterR(IAAFTypeDefObjectRef* type, IAAFPropertyValue* value)
{
    if (type == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    IUnknown* referenced = nullptr;
    status = type->GetObject(value, IID_IAAFParameter, &referenced);
    if (status >= 0 && referenced == nullptr)
        status = AAFRESULT_BADINDEX;
    if (status >= 0)
        parameter = static_cast<IAAFParameter*>(referenced);
}

ParameterR::~ParameterR()
{
    ReleaseInterface(definition);
    ReleaseInterface(parameter);
}

void ParameterR::ReadDefinition()
{
    if (parameter == nullptr || definitionRead_)
        return;
    definitionRead_ = true;
    if (parameter->GetParameterDefinition(&definition) < 0 || definition == nullptr)
        return;
    // The definition's own result must not make the parameter unusable: its values still count.
    const std::int32_t parameterStatus = status;
    const std::int32_t definitionStatus = ReadDefObject(definition);
    status = parameterStatus;
    if (definitionStatus < 0)
        return;
    record.mapping.avid.parameterDefId = id;
    AssignDefinitionName(id, record);
    displayUnits = GetDisplayUnits();
}

std::int32_t ParameterR::ReadValue()
{
    if (status < 0)
        return status;
    ReadDefinition();
    Held<IAAFConstantValue> constant;
    if (Obtained(GetInterface(constant.out(), IID_IAAFConstantValue, "IID_IAAFConstantValue", parameter), constant))
        ConstantValueR(constant.get(), record).Read();
    Held<IAAFVaryingValue> varying;
    if (Obtained(GetInterface(varying.out(), IID_IAAFVaryingValue, "IID_IAAFVaryingValue", parameter), varying))
        VaryingValueR(varying.get(), record).Read();
    return status;
}

std::string ParameterR::GetDisplayUnits()
{
    return ReadText(definition, "ParameterR: GetDisplayUnits", &IAAFParameterDef::GetDisplayUnitsBufLen,
                    &IAAFParameterDef::GetDisplayUnits);
}

void ReferencedParameterR::Read(IAAFTypeDefObjectRef* type, IAAFPropertyValue* value, Auid& definition,
                                ParameterRecord& record)
{
    ParameterR parameter(type, value);
    if (parameter.ReadValue() < 0)
        return;
    definition = parameter.record.mapping.avid.parameterDefId;
    record = std::move(parameter.record);
}
