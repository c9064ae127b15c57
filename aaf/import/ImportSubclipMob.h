#pragma once

#include "records/MobEntry.h"

// A subclip made into a clip of its own whose slot items are subclip items of the master clip's.
void ImportSubclipMob(const MobEntry& entry);
