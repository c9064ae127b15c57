#pragma once

#include <map>
#include <string>

#include "records/Auid.h"
#include "records/ParameterRecord.h"
#include "records/ValueConversionRule.h"

// How converters pick an effect's parameters out of its map, which is keyed by the AuidToText form
// of the parameter definition.
using ParameterMap = std::map<std::string, ParameterRecord>;

// Copies the parameter the AUID names into output under the FCP parameter name, replacing what was
// there, after storing the rule into the effect's own record (so a record read by two converters
// carries the rule of the last). False, with nothing changed, when the effect has no such parameter.
bool MapParameter(ParameterMap& parameters, ParameterMap& output, const Auid& parameterId,
                  const std::string& fcpName, const ValueConversionRule& rule);

// The flag of the parameter's first constant value; false when the parameter is absent, has no
// constant value or its first is no flag. Control points are not looked at.
bool ReadBoolParameter(const ParameterMap& parameters, const Auid& parameterId);
bool ReadBoolParameter(const ParameterMap& parameters, const std::string& parameterIdText);
