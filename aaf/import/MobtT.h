#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "aaf/ObjectT.h"
#include "aaf/import/TimelineMobSlotT.h"
#include "records/MobId.h"
#include "records/MobInfo.h"
#include "records/SlotInfo.h"

// A mob and what is read of it. Callers copy the MobInfo out before the wrapper goes.
struct MobtT : ObjectT {
    // The mob of that MobID, looked up through FileHeader (AAFRESULT_BADINDEX without a file).
    explicit MobtT(const MobId& id);
    // The enumerator's next mob.
    explicit MobtT(IEnumAAFMobs* mobs);
    ~MobtT();

    // ID, name, slots, comments, then usage code, KLV data and attributes through the second mob
    // interface; status := that query's result.
    std::int32_t Read();
    // ID (into the MobInfo, with the registry's item id and kind), name, slot count, ScanSlots.
    void ReadIdAndSlots();
    // Length, edit rate, marks and timecodes of the mob from its timeline slots.
    void ScanSlots();

    // The timeline reader of the slot at the index, or of the first slot of that ID, as ScanSlots
    // read it: the readers of a mob's slots after its own read use these rather than read the
    // slots again. One is made when ScanSlots kept none for it; an ID no slot has gives nullptr.
    // The readers live as long as the mob's wrapper.
    const TimelineMobSlotT& SlotAt(aafUInt32 index);
    const TimelineMobSlotT* SlotOfId(aafSlotID_t slotId);

    // The header's enumerator of the mobs that match the criterion; a failure raises.
    static void GetMobIter(IAAFHeader* header, IEnumAAFMobs** mobs, aafSearchCrit_t* criterion);

    IAAFMob* mob = nullptr;
    std::int32_t slotCount = 0;
    MobInfo info;
    // The frame rate its slots' sample-rate values convert to (MobFrameRate).
    SlotInfo::EditRate frameRate;

private:
    void ReadOrRelease();
    // The readers ScanSlots made, by index, and those made for later asks.
    std::vector<std::unique_ptr<TimelineMobSlotT>> slots_;
    std::vector<std::unique_ptr<TimelineMobSlotT>> made_;
    // The length and marks, read in the edit units of the slots they came from, in frames.
    void ConvertToFrames(const SlotInfo::EditRate& lengthRate, const SlotInfo::EditRate& marksRate);
};
