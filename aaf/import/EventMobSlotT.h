#pragma once

#include "aaf/import/EventMarkers.h"
#include "aaf/import/MobSlotT.h"

// An event slot: a mob slot with its edit rate and origin, and the marker map its events go to.
struct EventMobSlotT : MobSlotT {
    EventMobSlotT(IAAFMob* mob, aafUInt32 index, EventMarkerLists& markers);
    ~EventMobSlotT();

    // Edit rate, and the origin when the slot has the second interface; no read raises for a
    // failing call.
    void ReadSlotInfo();

    IAAFEventMobSlot* eventSlot = nullptr;
    EventMarkerLists* markerMap = nullptr;
};
