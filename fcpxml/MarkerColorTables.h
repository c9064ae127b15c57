#pragma once

#include <map>
#include <string>

#include "fcpxml/ColorInfo.h"

// FCP label colour name -> colour. Filled when a conversion job starts; emptied with the
// translation tables.
extern std::map<std::string, ColorInfo> LabelColorTable;
// Avid marker colour name -> the exact components that identify it.
extern std::map<std::string, ColorInfo> AvidMarkerColorTable;
// Avid marker colour name -> FCP label colour name.
extern std::map<std::string, std::string> AvidToFcpColorNames;

// Inserts or overwrites every row of the three tables.
void BuildMarkerColorTables();

// The Avid colour whose red, green and blue all equal the given ones (alpha is not compared); empty
// when none does.
std::string AvidColorNameFromRgb(const ColorInfo& color);
