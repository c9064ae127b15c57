#pragma once

#include <map>
#include <string>

// The command-line paths by name ("aafFilePath", "xmlFilePath", "prefFilePath", "mediaSettingPath",
// "logFilePath"). Written once by main before any run work; never cleared.
extern std::map<std::string, std::string> NamedParameters;

// The preferences file path, set by the converter from "prefFilePath" and read by the preferences
// reader.
extern std::string PrefFilePath;

// Stores value under name, replacing an earlier value.
void SetNamedParameter(const char* name, const char* value);

// A copy of the value stored under name, or an empty string; a lookup never inserts.
std::string GetNamedParameter(const char* name);
