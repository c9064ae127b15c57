#pragma once

#include <cstdint>

#include "aaf/AafInterfaces.h"
#include "aaf/import/EventMarkers.h"
#include "records/SlotInfo.h"

// The events of every event slot of a mob into map, under each described slot ID and the event
// slot's physical number, in slot order and event order. Positions of a slot at a sample rate become
// frames at frameRate.
void ReadEventMarkers(std::int32_t slotCount, EventMarkerLists& map, IAAFMob* mob, const SlotInfo::EditRate& frameRate);
