#pragma once

#include <span>
#include <string>

#include "effects/plugins/PluginConfiguration.h"

// The other name a plug-in effect's data files may be stored under: the partner of the name in the
// alias pairs (looked up by display name first, then by file name, where the pair whose display name
// sorts last wins), else its real-time form; empty when there is none.
std::string PluginNameAlias(const std::string& name, std::span<const PluginNamePair> aliases);

// The real-time variant's name form of the ZRQ line: "ZRQ  RT X" <-> "ZRQ X RT"; a name with " TR"
// is cut before it. Empty when the name has no such form, or is too short to hold one.
std::string PluginRtNameForm(const std::string& name);

// The name to write for the name the FCP-side data file gives, by the fix-up pairs; the name itself
// when no pair matches.
std::string FixPluginDisplayName(const std::string& name, std::span<const PluginNamePair> fixUps);
