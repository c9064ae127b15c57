#pragma once

#include <span>

#include "aaf/AuidNameTable.h"

// The rows of each name table of DefinitionNameTables.h, sorted by AUID.
extern const std::span<const NamedAuid> CodecDefNames;
extern const std::span<const NamedAuid> ColorPrimariesNames;
extern const std::span<const NamedAuid> CompressionDefNames;
extern const std::span<const NamedAuid> ContainerDefNames;
extern const std::span<const NamedAuid> TransferCharacteristicNames;
extern const std::span<const NamedAuid> InterpolationDefNames;
extern const std::span<const NamedAuid> OperationDefNames;
extern const std::span<const NamedAuid> OperationalPatternNames;
extern const std::span<const NamedAuid> ParameterDefNames;
extern const std::span<const NamedAuid> MobUsageNames;
extern const std::span<const NamedAuid> TypeDefNames;
extern const std::span<const NamedAuid> AvidEffectNames;
extern const std::span<const NamedAuid> EffectCategoryNames;
extern const std::span<const NamedAuid> FurtherDefinitionNames;
extern const std::span<const NamedAuid> PluginCategoryNames;
extern const std::span<const NamedAuid> CodingEquationsNames;

// The rows of the tables of DefinitionNameTables() in one array sorted by AUID, each AUID with the
// name the first of them in lookup order gives it: one search names an AUID.
std::span<const NamedAuid> DefinitionNamesInLookupOrder();
