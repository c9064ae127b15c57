#pragma once

#include <map>
#include <string>

// Compressor name -> render mode, for the codecs that are processed in RGB. Filled per conversion
// job; the job's translation-table clear empties it.
extern std::map<std::string, std::string> CodecColorSpaceMap;

void BuildCodecColorSpaceMap();

// The render mode of the compressor: its map entry, "YUV8BPP" when it has none (exact match).
std::string LookupCodecColorSpace(const std::string& compressor);
