#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "config/Timecode.h"
#include "records/Auid.h"
#include "records/MobId.h"
#include "records/ValueBase.h"

// What the import reads of one mob; a plain value.
struct MobInfo {
    MobInfo() = default;
    // A copy leaves itemId empty: it is a cache of the registry that the copy fills again on
    // demand.
    MobInfo(const MobInfo& other);
    MobInfo& operator=(const MobInfo& other);

    // SetMobId stores the MobID and takes the mob's item id and kind from the mob registry;
    // GetItemId fills the item id from the registry when it is still empty.
    void SetMobId(const MobId& id);
    std::string GetItemId();

    std::string name;
    std::string itemId;
    std::string mediaPath;
    MobId mobId;
    Auid usageCode;
    int32_t kind = 0;  // MobKind
    std::map<std::string, TaggedValueEntry> comments;
    std::map<std::string, TaggedValueEntry> klvData;
    std::map<std::string, TaggedValueEntry> attributes;
    int32_t alphaSlotId = -1;
    int32_t length = 0;
    int32_t markIn = -1;
    int32_t markOut = -1;
    Timecode startTimecode;
    std::map<int32_t, Timecode> otherTimecodes;  // by physical number
};
