#pragma once

#include <string>

#include "records/Auid.h"

// A lower-cased copy of the text (ASCII letters only).
std::string ToLowerCopy(const std::string& text);

// The AUID of a data file's hexadecimal text: digits in order, "-" skipped, any other character a
// zero digit, and zero digits past the end. 8 digits make the first field, 4 each the next two, then
// 2 digits a byte.
Auid AuidFromHexText(const std::string& text);

// The PluginParameterKind of an AAF-side kind word, by its lower-cased form; 0 for any other word.
int PluginParameterKindFromWord(const std::string& word);

// The FCPValueType of a row pair: 0 for the FCP type word "nodata" (exactly), 17 for "layer" in any
// case, else by the AAF-side kind word; 0 for a word without an FCP type.
int ParseFCPValueType(const std::string& kindWord, const std::string& fcpTypeWord);

// The leading decimal number of the text as atoi reads it (blanks, a sign, digits; 0 without
// digits), held to the int range instead of overflowing.
int LeadingInt(const std::string& text);
