#pragma once

#include "records/MobSourceInfo.h"

// The path the file of a source points to, by the preferences: nothing without
// "Import_UseSourceExt"; the file mob's own locator path with "Import_UseMXFSource"; with
// "Import_UseAnySource", the path of the physical source the file was made from when it has one
// (none when that path is only "file:///"), else the file mob's own. Replaces out's media path.
void ChooseMediaPath(MobSourceInfo& out);
