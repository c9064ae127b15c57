#include "effects/VaryingValueR.h"

#include "aaf/CheckHResult.h"
#include "aaf/InterpolationDefT.h"
#include "effects/ControlPointR.h"
#include "effects/TypedValueDecoding.h"
#include "records/ParameterRecord.h"

void VaryingValueR::Read()
{
    if (status < 0)
        return;
    const InterpolationDefT interpolation(valueInterface);
    if (interpolation.status >= 0)
        interpolationKind = interpolation.GetInterpolationKind();
    ReadControlPoints();
}

void VaryingValueR::ReadControlPoints()
{
    aafUInt32 count = 0;
    if (CheckNotNull(valueInterface, "VaryingValueR: CountControlPoints")->CountControlPoints(&count) != AAFRESULT_SUCCESS)
        count = 0;
    for (aafUInt32 i = 0; i < count; ++i) {
        ControlPointR point(valueInterface, interpolationKind, i);
        if (point.status < 0)
            continue;
        Auid pointType;
        GetValueTypeAuid(point.controlPoint, pointType);
        if (DecodeTypedValue(pointType, point.controlPoint, &point.info.value) >= 0)
            record->controlPoints.push_back(point.info);
    }
}
