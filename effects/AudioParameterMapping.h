#pragma once

#include "effects/EffectIds.h"
#include "fcpxml/FCPValueType.h"
#include "fcpxml/PluginParameterKind.h"
#include "records/ParameterMapping.h"

// Gain and pan values are AAF rationals written as FCP decimal numbers.
inline void UseAudioValueMapping(ParameterMapping& mapping)
{
    mapping.avid.kind = PluginKindDouble;
    mapping.fcp.valueType = FCPValueDouble;
    mapping.avid.typeDefId = kRationalType;
}
