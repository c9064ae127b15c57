#include "aaf/DefinitionT.h"

// The name tables join this list, in lookup order, as they are built.
std::span<const DefinitionNameTable> DefinitionNameTables() { return {}; }
