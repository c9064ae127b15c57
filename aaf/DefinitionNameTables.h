#pragma once

#include <string>

#include "fcpxml/Auid.h"

// The single tables of the definition dictionary, for the callers that name one kind of definition.
// Each answers "UNKNOWN" for an AUID it does not list.
std::string GetAvidEffectName(const Auid& id);
std::string GetMobUsageName(const Auid& id);
std::string GetParameterDefName(const Auid& id);
std::string GetTypeDefName(const Auid& id);
// The names of a picture descriptor's definitions.
std::string GetCompressionDefName(const Auid& id);
std::string GetTransferCharacteristicName(const Auid& id);
std::string GetColorPrimariesName(const Auid& id);
std::string GetCodingEquationsName(const Auid& id);
