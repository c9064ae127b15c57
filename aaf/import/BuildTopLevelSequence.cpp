#include "aaf/import/BuildTopLevelSequence.h"

// Not built yet: the mob is registered and sorted, and this step adds nothing to the document.
void BuildTopLevelSequence(const MobEntry& /*entry*/) {}
