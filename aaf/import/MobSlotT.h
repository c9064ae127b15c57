#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/SlotInfo.h"

// A slot ID, as opposed to a slot index, to look a mob's slot up by.
struct SlotIdKey {
    aafSlotID_t id;
};

// One mob slot: its interfaces and what is read of it into its SlotInfo.
struct MobSlotT : ObjectT {
    // The mob's slot at the index, or the slot of that ID, then Read when the slot was obtained.
    // A slot that cannot be obtained leaves status 0 and the slot interface null; the slot readers
    // built on this then fail their own query.
    MobSlotT(IAAFMob* mob, aafUInt32 index);
    MobSlotT(IAAFMob* mob, SlotIdKey slotId);
    ~MobSlotT();

    // Slot ID, name, physical number, data kind, then the segment and its length; status := the
    // segment's result, then that of its component query.
    std::int32_t Read();

    // Reads the slot's segment (or, when no segment kind answers it, its component) onto the
    // timeline as a component of the given parent kind; returns the segment kind that answered,
    // 2 when none did.
    // frameRate: the composition's, which the slot's values convert to when the slot counts samples.
    std::int32_t ImportSegment(std::int32_t parentKind, const SlotInfo::EditRate& frameRate);

    // Optional reads of the slot readers: -1 when the call fails; a null interface raises.
    static std::int64_t GetOrigin(IAAFTimelineMobSlot* slot);
    static std::int64_t GetMarkIn(IAAFTimelineMobSlot2* slot);
    static std::int64_t GetMarkOut(IAAFTimelineMobSlot2* slot);
    static std::int64_t GetEventSlotOrigin(IAAFEventMobSlot2* slot);

    IAAFMobSlot* slot = nullptr;
    IAAFDataDef* dataDef = nullptr;
    IAAFSegment* segment = nullptr;
    IAAFComponent* component = nullptr;
    SlotInfo info;

protected:
    void ReleaseInterfaces();

private:
    void ReadOrRelease();
};
