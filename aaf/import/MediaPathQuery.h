#pragma once

#include "aaf/import/MobLists.h"

struct FileT;

// Run mode 1: every master mob's media path into SourcePathMap; nothing when the file is not open.
void CollectMediaPaths(FileT& file);
// The master, file, tape, film and physical mobs registered (compositions are not), then each
// master mob's media path collected; nothing without FileHeader.
void CollectMasterMobMedia(MobLists& lists);
