#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/SourceReference.h"

// What the import reads of one mob slot; a plain value.
struct SlotInfo {
    int32_t slotId = -1;
    std::string name;
    int32_t length = -1;  // the length of the slot's segment
    struct EditRate {
        int32_t numerator = 2997;
        int32_t denominator = 100;
    } editRate;
    int32_t physicalNumber = -1;
    int64_t origin = -1;
    int32_t dataKind = 0;
    int32_t markIn = -1;
    int32_t markOut = -1;
    // The references the source-chain reader found; only their MobID, slot id and start time count.
    std::vector<SourceReference> sourceRefs;
};
