#include "aaf/DefinitionNameTables.h"

#include "aaf/DefinitionT.h"

// The name tables join this list, in lookup order, as they are built.
std::span<const DefinitionNameTable> DefinitionNameTables() { return {}; }

std::string GetAvidEffectName(const Auid&) { return "UNKNOWN"; }
std::string GetMobUsageName(const Auid&) { return "UNKNOWN"; }
std::string GetParameterDefName(const Auid&) { return "UNKNOWN"; }
std::string GetTypeDefName(const Auid&) { return "UNKNOWN"; }
std::string GetCompressionDefName(const Auid&) { return "UNKNOWN"; }
std::string GetTransferCharacteristicName(const Auid&) { return "UNKNOWN"; }
std::string GetColorPrimariesName(const Auid&) { return "UNKNOWN"; }
std::string GetCodingEquationsName(const Auid&) { return "UNKNOWN"; }
