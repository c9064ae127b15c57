#include "effects/EffectsState.h"

#include "effects/FCPEffectCatalogue.h"
#include "effects/FxPlugUuidMap.h"
#include "effects/plugins/PluginParameterLine.h"

void ResetEffectsState()
{
    FCPEffectCatalogue.clear();
    FxPlugUuidMap.clear();
    ForgetRememberedPluginField();
}
