#pragma once

#include <set>
#include <string>

// The MobIDs (as MobIdToText) that source clips of the file's mobs name, a mob's own clips naming
// that mob left out. Each mob's slots are walked through sequences, nested scopes, selected
// segments, essence-group choices, effect inputs and transitions, within fixed bounds of depth and
// of objects visited; no timeline object is built. Nothing without FileHeader.
std::set<std::string> CollectMobsReferencedBySourceClips();
