#pragma once

#include <map>
#include <string>

// One QuickTime codec description: a row of QtCodecTable and the "qtcodec" element.
struct QtCodecInfo {
    std::string codecname = "Apple DV - NTSC";
    std::string codectypename = "DV - NTSC";
};

// Compressor name (the "Import_Compressor" preference) -> QuickTime codec description. Filled per
// conversion job; the job's translation-table clear empties it.
extern std::map<std::string, QtCodecInfo> QtCodecTable;

// Stores every row, overwriting rows already present.
void BuildQtCodecTable();

// Copies the row of the compressor name into the record; an unknown name leaves the record as it is.
// The match is exact and case-sensitive.
void LookupQtCodec(const std::string& compressor, QtCodecInfo& codec);

void WriteQtCodec(const QtCodecInfo& codec);
