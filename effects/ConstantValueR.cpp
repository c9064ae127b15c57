#include "effects/ConstantValueR.h"

#include "aaf/ObjectT.h"
#include "effects/TypedValueDecoding.h"
#include "fcpxml/ParameterRecord.h"
#include "fcpxml/ValueBase.h"

ConstantValueR::ConstantValueR(IAAFConstantValue* value, ParameterRecord& target)
    : record(&target), constantValue(value)
{
    if (constantValue == nullptr)
        status = AAFRESULT_BADINDEX;
    else
        constantValue->AddRef();
}

ConstantValueR::~ConstantValueR() { ReleaseInterface(constantValue); }

void ConstantValueR::Read()
{
    if (status < 0)
        return;
    GetValueTypeAuid(constantValue, typeId);
    record->mapping.avid.typeDefId = typeId;
    ValueBase* value = nullptr;
    if (DecodeTypedValue(typeId, constantValue, &value) >= 0)
        record->constantValues.push_back(value);
}
