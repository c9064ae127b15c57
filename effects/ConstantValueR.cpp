#include "effects/ConstantValueR.h"

#include "effects/TypedValueDecoding.h"
#include "records/ParameterRecord.h"
#include "records/ValueBase.h"

void ConstantValueR::Read()
{
    if (status < 0)
        return;
    GetValueTypeAuid(valueInterface, typeId);
    record->mapping.avid.typeDefId = typeId;
    ValueBase* value = nullptr;
    if (DecodeTypedValue(typeId, valueInterface, &value) >= 0)
        record->constantValues.push_back(value);
}
