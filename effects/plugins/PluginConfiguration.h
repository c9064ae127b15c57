#pragma once

#include <span>
#include <string_view>

#include "records/Auid.h"

// Two names that belong together in one of the plug-ins' name tables.
struct PluginNamePair {
    std::string_view first;
    std::string_view second;
};

// The plug-ins' own configuration that the translation takes as data. These tables belong to the
// plug-ins and ship with them; this build carries none, so every name is its own data-file name and
// its own FCP name, no rows are renumbered and every filter reads its identity from the first row.
struct PluginTables {
    // Display name -> the name its data files are stored under.
    std::span<const PluginNamePair> nameAliases{};
    // The glow effects (plain and real-time forms) whose row ids are renumbered on loading.
    std::span<const std::string_view> glowEffectNames{};
    // Name as the FCP-side data file gives it -> the name to write.
    std::span<const PluginNamePair> displayNameFixUps{};
    // Operations whose filter identity is read from the alternative identity row.
    std::span<const Auid> alternateIdentityEffects{};
};

// The tables this build ships.
const PluginTables& ConfiguredPluginTables();
