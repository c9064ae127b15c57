#pragma once

#include <string>
#include <vector>

#include "aaf/import/CompositionMobT.h"
#include "aaf/import/EventMarkers.h"
#include "records/SourceReference.h"

// An adjusted clip: a composition that trims the master clip its slots play. It makes no clip of
// its own; references to it resolve to the master clip it trims.
struct AdjustedClipMobT : CompositionMobT {
    explicit AdjustedClipMobT(const MobEntry& entry);

    // The slots' references, then the master clip named by the first of them trimmed.
    void Import();
    // The reference each readable slot's segment leaves, with the slot's length when it has none.
    void ReadSlots();
    // The mob's marks, comments and markers applied to the clip, and the mob mapped to it.
    void ApplyToMasterClip(const std::string& clipId);

    EventMarkerLists markers;
    std::vector<SourceReference> references;
};
