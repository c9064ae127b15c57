#include "effects/ParameterRecordData.h"

#include "aaf/Auid.h"
#include "aaf/ValueMakers.h"

bool HasData(const ParameterRecord& record)
{
    if (!record.controlPoints.empty())
        return true;
    return !record.constantValues.empty() && HasValue(record.constantValues.front());
}

std::string GetParameterDefIdText(const ParameterRecord& record)
{
    return AuidToText(record.mapping.avid.parameterDefId);
}
