#include "effects/plugins/PluginConfiguration.h"

#include "effects/AlternateIdentityEffects.h"

const PluginTables& ConfiguredPluginTables()
{
    static const PluginTables tables{{}, {}, {}, ConfiguredAlternateIdentityEffects()};
    return tables;
}
