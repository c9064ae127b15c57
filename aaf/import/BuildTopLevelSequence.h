#pragma once

#include "records/MobEntry.h"

// One top-level composition made into a sequence in the first bin, with its tracks, markers and
// comments.
void BuildTopLevelSequence(const MobEntry& entry);
