#include "effects/EffectsState.h"

#include "effects/FCPEffectCatalogue.h"
#include "effects/FxPlugUuidMap.h"

void ResetEffectsState()
{
    FCPEffectCatalogue.clear();
    FxPlugUuidMap.clear();
}
