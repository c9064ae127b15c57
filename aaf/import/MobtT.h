#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
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

    // The header's enumerator of the mobs that match the criterion; a failure raises.
    static void GetMobIter(IAAFHeader* header, IEnumAAFMobs** mobs, aafSearchCrit_t* criterion);

    IAAFMob* mob = nullptr;
    std::int32_t slotCount = 0;
    MobInfo info;
    // The frame rate its slots' sample-rate values convert to (MobFrameRate).
    SlotInfo::EditRate frameRate;

private:
    void ReadOrRelease();
    // The length and marks, read in the edit units of the slots they came from, in frames.
    void ConvertToFrames(const SlotInfo::EditRate& lengthRate, const SlotInfo::EditRate& marksRate);
};
