#pragma once

#include <string>

#include "records/ParameterRecord.h"

// True when the record has a control point, or else a first constant value that holds a value.
bool HasData(const ParameterRecord& record);

// The AuidToText form of the record's parameter-definition AUID: the key of an effect's
// parameter map.
std::string GetParameterDefIdText(const ParameterRecord& record);
