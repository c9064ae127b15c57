#pragma once

#include "records/MobEntry.h"

// Run mode 1: the media path of one master mob recorded in SourcePathMap.
void CollectMasterMobSourceMedia(const MobEntry& entry);
