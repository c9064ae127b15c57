#include "aaf/import/ImportSubclipMob.h"

// Not built yet: the mob is registered and sorted, and this step adds nothing to the document.
void ImportSubclipMob(const MobEntry& /*entry*/) {}
