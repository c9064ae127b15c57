#include "aaf/import/EffectEntryPoints.h"

EffectEntryPoints RegisteredEffectEntryPoints;

void UseEffectEntryPoints(const EffectEntryPoints& entries)
{
    RegisteredEffectEntryPoints = entries;
    SetReferencedParameterReader(entries.referencedParameterReader);
}
