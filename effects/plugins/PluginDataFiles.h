#pragma once

#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "effects/plugins/PluginConfiguration.h"

// The root of the plug-in data folders as the registry names it; nothing when the key is missing,
// empty when it lacks the value or the value does not fit.
std::optional<std::string> PluginDataRoot();

// The folders the data files of one side are looked for in, in order, with this platform's
// separator: the root followed by each folder, or empty texts (the current directory) without a root.
std::vector<std::string> FCPPluginDataFolders();
std::vector<std::string> AvidPluginDataFolders();

// A name that can stand in a file name: no path separator, no "..", no NUL. An effect's name comes
// from the AAF file and must not lead the search out of the data folders.
bool IsPluginFileNameSafe(const std::string& name);

// The first of folder + name + ".txt" that opens; with retry, then the same for the name's alias.
// A stream that is not open when none does.
std::ifstream OpenPluginDataFile(const std::string& name, const std::vector<std::string>& folders, bool retry,
                                 std::span<const PluginNamePair> aliases);

// The effect's FCP-side and AAF-side data files.
std::ifstream OpenFCPPluginDataFile(const std::string& name, std::span<const PluginNamePair> aliases);
std::ifstream OpenAvidPluginDataFile(const std::string& name, std::span<const PluginNamePair> aliases);
