#pragma once

#include <map>
#include <span>
#include <string>

#include "records/Auid.h"

// Operation AUID (its AuidToText form) -> FxPlug identifier of the maker's plug-in transitions whose
// FCP identifier differs from the one in their parameter data files. Lives until the process ends:
// the per-run reset leaves it alone.
extern std::map<std::string, std::string> FxPlugUuidMap;

// One row of the map: the identifier is 36 characters, upper-case hexadecimal digits in groups of
// 8, 4, 4, 4 and 12 joined by "_".
struct FxPlugUuidRow {
    Auid operation;
    const char* fxPlugId;
};

// Stores each row under its operation's AuidToText form, replacing any identifier already there.
void StoreFxPlugUuidRows(std::span<const FxPlugUuidRow> rows);

// Stores the configured rows; storing them again changes nothing.
void FillFxPlugUuidMap();

// Replaces fxPlugId by the map's identifier for the operation; leaves it as it is when there is none.
void LookupFxPlugUuid(const Auid& operation, std::string& fxPlugId);
