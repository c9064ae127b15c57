#pragma once

#include "records/MobEntry.h"

// An adjusted clip applied to the master clip it trims: marks, comments and markers, and the
// adjusted mob mapped to that clip.
void ImportAdjustedClipMob(const MobEntry& entry);
