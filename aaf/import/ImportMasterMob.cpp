#include "aaf/import/ImportMasterMob.h"

#include "aaf/import/MasterMobT.h"
#include "aaf/import/ReadEventMarkers.h"

void ImportMasterMob(const MobEntry& entry)
{
    MasterMobT master(entry);
    if (master.status < 0)
        return;
    ReadEventMarkers(master.slotCount, master.markers, master.mob, master.frameRate);
    master.ReadSlots();
    master.BuildMasterClip();
}
