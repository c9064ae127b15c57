#pragma once

#include <map>
#include <string>

#include "records/MobEntry.h"
#include "records/MobId.h"

// Every mob of the file by the text of its MobID, filled before any mob is imported and emptied by
// the per-run reset.
struct MobRegistry {
    static std::map<std::string, MobEntry> entries;

    // A copy of the registered entry, or a default entry (empty name and item id, kind word
    // "Unknown", kind -1) when the mob is not registered.
    static MobEntry Find(const MobId& id);
    static std::string FindItemId(const MobId& id);
    // A later entry of the same MobID replaces the earlier one.
    static void Register(const MobEntry& entry);
    static void Clear();
};
