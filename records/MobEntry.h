#pragma once

#include <cstdint>
#include <string>

#include "records/Auid.h"
#include "records/MobId.h"

// One registered mob: what any later step needs to name a mob it knows only by reference.
struct MobEntry {
    MobEntry() = default;
    MobEntry(std::int32_t mobKind, const Auid& usage, const std::string& mobName, const MobId& id);

    // The kind word and the item id: word, "_MOB_" and n.
    void SetKindLabel(const std::string& word, int n);

    MobId mobId;
    // The default entry of an unregistered mob has no kind.
    std::int32_t kind = -1;
    Auid usageCode;  // zero when the mob has none
    std::string name;
    std::string itemId;
    std::string kindWord = "Unknown";
};
