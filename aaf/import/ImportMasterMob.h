#pragma once

#include "records/MobEntry.h"

// The master clip of one master mob: its slots' sources, its markers, and the clip with its file
// and slot items in MasterClipMap and MasterClipIdByMob.
void ImportMasterMob(const MobEntry& entry);
