#pragma once

#include <span>
#include <string>

#include "aafsdk/include/AAFResult.h"

// One row of the result-code name table.
struct ResultCodeName {
    AAFRESULT code;
    const char* text;
};

// The name of every AAF result code a run may print, ascending by code.
extern const std::span<const ResultCodeName> ResultCodeNames;

// The table's text for the code, or the empty text for a code that is not in it.
std::string LookupResultName(AAFRESULT code);
