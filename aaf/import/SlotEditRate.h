#pragma once

#include "aaf/AafInterfaces.h"
#include "records/SlotInfo.h"

// Stores a slot's edit rate read from the file. A rate whose denominator is 0 comes from a damaged
// file and would be divided by later: the slot keeps the default rate instead.
void StoreSlotEditRate(SlotInfo& info, const aafRational_t& rate);
