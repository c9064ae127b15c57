#pragma once

#include "records/EditUnitConverter.h"
#include "records/SlotInfo.h"

// Every value the import reads in a slot's edit units (positions, lengths, source in and out,
// durations, marker positions, cut points, timecode offsets) becomes a frame of the composition
// through the converter of that slot: only slots at a sample rate convert.

// The converter of a slot at slotRate into frames at frameRate.
EditUnitConverter SlotToFrames(const SlotInfo::EditRate& slotRate, const SlotInfo::EditRate& frameRate);

// The frame rate of the project: that of the first top-level composition once the import has found
// it, else the output settings' rate. Mobs without a frame rate of their own (master and file mobs,
// sound-only compositions) count in it.
SlotInfo::EditRate ProjectFrameRate();
void SetProjectFrameRate(const SlotInfo::EditRate& rate);
// Back to the output settings' rate; once per run.
void ResetProjectFrameRate();

// A mob's frame rate from its slots, in order: the edit rate of its first picture slot, else of its
// first timecode slot, else the project's. A slot at a sample rate is passed over.
struct MobFrameRate {
    void See(const SlotInfo& slot);
    SlotInfo::EditRate Rate() const;

    bool pictureFound = false;
    bool timecodeFound = false;
    SlotInfo::EditRate picture;
    SlotInfo::EditRate timecode;
};
