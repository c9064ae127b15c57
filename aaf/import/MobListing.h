#pragma once

#include <cstdint>
#include <string>

#include "aaf/AafInterfaces.h"
#include "records/Auid.h"
#include "records/MobId.h"

// What the mob lists need of a mob: its ID, name and usage code. The lists are made before any
// mob is imported, and each import reads its mob in full then, so the listing reads no more.
struct MobListing {
    // The enumerator's next mob; status is negative when it gave none or the mob lacks the second
    // mob interface. A failing ID read raises.
    explicit MobListing(IEnumAAFMobs* mobs);

    std::int32_t status = 0;
    MobId mobId;
    std::string name;
    Auid usageCode;
};
