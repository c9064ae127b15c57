#include "effects/PluginEffectName.h"

bool IsPluginEffectName(std::string displayName)
{
    return displayName.find("ZRQ") != std::string::npos ||
           displayName.find("KVX") != std::string::npos;
}
