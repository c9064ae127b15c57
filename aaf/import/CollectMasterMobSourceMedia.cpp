#include "aaf/import/CollectMasterMobSourceMedia.h"

// Not built yet: the mob is registered and sorted, and this step adds nothing to the document.
void CollectMasterMobSourceMedia(const MobEntry& /*entry*/) {}
