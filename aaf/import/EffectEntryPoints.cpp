#include "aaf/import/EffectEntryPoints.h"

EffectEntryPoints RegisteredEffectEntryPoints;
