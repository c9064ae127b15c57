#pragma once

#include <cstdint>

#include "aaf/import/EventMarkers.h"
#include "aaf/AafInterfaces.h"

// The events of every event slot of a mob into map, under each described slot ID and the event
// slot's physical number, in slot order and event order.
void ReadEventMarkers(std::int32_t slotCount, EventMarkerLists& map, IAAFMob* mob);
