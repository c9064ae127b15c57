#include "aaf/import/ImportMasterMob.h"

// Not built yet: the mob is registered and sorted, and this step adds nothing to the document.
void ImportMasterMob(const MobEntry& /*entry*/) {}
