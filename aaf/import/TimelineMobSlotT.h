#pragma once

#include "aaf/import/MobSlotT.h"

// A timeline slot: a mob slot with its edit rate, origin and marks.
struct TimelineMobSlotT : MobSlotT {
    TimelineMobSlotT(IAAFMob* mob, aafUInt32 index);
    TimelineMobSlotT(IAAFMob* mob, SlotIdKey slotId);
    ~TimelineMobSlotT();

    // Edit rate and origin, and the marks (their low 32 bits) when the slot has the second
    // interface. None of these reads raises for a failing call.
    void ReadSlotInfo();

    IAAFTimelineMobSlot* timelineSlot = nullptr;

private:
    void QueryAndRead();
};
