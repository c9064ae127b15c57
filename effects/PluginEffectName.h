#pragma once

#include <string>

// True when the display name of an operation names one of the maker's own plug-in effects: it holds
// "ZRQ" or "KVX" anywhere, matched case-sensitively.
bool IsPluginEffectName(std::string displayName);
