#include "aaf/import/ImportAdjustedClipMob.h"

#include "aaf/import/AdjustedClipMobT.h"
#include "aaf/import/ReadEventMarkers.h"

void ImportAdjustedClipMob(const MobEntry& entry)
{
    AdjustedClipMobT adjusted(entry);
    if (adjusted.status < 0)
        return;
    ReadEventMarkers(adjusted.slotCount, adjusted.markers, adjusted.mob, adjusted.frameRate);
    adjusted.Import();
}
