#pragma once

#include <vector>

#include "records/MobEntry.h"

// The mobs of one import or query, sorted by kind and by usage, each list in enumeration order.
struct MobLists {
    std::vector<MobEntry> masters;
    std::vector<MobEntry> topLevel;
    std::vector<MobEntry> subclips;
    std::vector<MobEntry> adjustedClips;
    std::vector<MobEntry> lowerLevel;
    std::vector<MobEntry> templates;
    std::vector<MobEntry> other;  // no usage code, or one outside the table
};
