#include "aaf/ReferencedParameterReader.h"

namespace {
ReferencedParameterReader* currentReader = nullptr;
}

void SetReferencedParameterReader(ReferencedParameterReader* reader) { currentReader = reader; }

ReferencedParameterReader* GetReferencedParameterReader() { return currentReader; }
