#pragma once

#include <string>

struct CompositionMobT;
struct FileT;

// Run mode 0: stores the format code of the first top-level composition that carries one
// (SetProjectFormatCode), 0 when none does.
void ReadProjectFormat();
void FindProjectFormat();

// The last of the mob's attributes whose name passes IsSequenceFormatName and whose value is an
// integer; 0 when there is none.
int ReadSequenceFormatType(CompositionMobT& mob);

// True when name occurs within "SEQUERNCE_FORMAT_TYPE" or "SEQUENCE_FORMAT_TYPE" (the empty name
// included): the systems that write the tag spell it either way.
bool IsSequenceFormatName(const std::string& name);
