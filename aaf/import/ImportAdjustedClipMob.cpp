#include "aaf/import/ImportAdjustedClipMob.h"

// Not built yet: the mob is registered and sorted, and this step adds nothing to the document.
void ImportAdjustedClipMob(const MobEntry& /*entry*/) {}
