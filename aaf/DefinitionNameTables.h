#pragma once

#include <string>

#include "records/Auid.h"

// The single tables of the definition dictionary, for the callers that name one kind of definition.
// Each answers "UNKNOWN" for an AUID it does not list. DefinitionNameTables() (DefinitionT.h) asks
// them in this order, all but the coding equations.
std::string GetCodecDefName(const Auid& id);
std::string GetColorPrimariesName(const Auid& id);
std::string GetCompressionDefName(const Auid& id);
std::string GetContainerDefName(const Auid& id);
std::string GetTransferCharacteristicName(const Auid& id);
std::string GetInterpolationDefName(const Auid& id);
std::string GetOperationDefName(const Auid& id);
std::string GetOperationalPatternName(const Auid& id);
std::string GetParameterDefName(const Auid& id);
std::string GetMobUsageName(const Auid& id);
std::string GetTypeDefName(const Auid& id);
std::string GetAvidEffectName(const Auid& id);
std::string GetEffectCategoryName(const Auid& id);
std::string GetFurtherDefinitionName(const Auid& id);
std::string GetPluginCategoryName(const Auid& id);
// Only a picture descriptor's coding equations are named by this one.
std::string GetCodingEquationsName(const Auid& id);
