#include "aaf/import/ApplySourceTimecodes.h"

#include "aaf/import/EditRateConversion.h"

void ApplySourceTimecodes(MobSourceInfo& out)
{
    const std::int64_t startTime = out.slot.sourceRefs.empty() ? 0 : out.slot.sourceRefs.front().startTime;
    const MobInfo* source = nullptr;
    if (!out.physicalSources.empty())
        source = &out.physicalSources.front().mob;
    else if (!out.tapeSources.empty())
        source = &out.tapeSources.front().tape.mob;
    if (source != nullptr) {
        out.mob.startTimecode = source->startTimecode;
        out.mob.otherTimecodes = source->otherTimecodes;
    }
    // The start counts in the file slot's edit units. Samples (a sound file) move the timecode on by
    // the frames they last at the timecode's own rate, read whole: a time of day in samples passes
    // 32 bits after some twelve hours at 48 kHz.
    Timecode& start = out.mob.startTimecode;
    const EditUnitConverter toTimecodeFrames =
        SlotToFrames(out.slot.editRate, SlotInfo::EditRate{start.rateNumerator, start.rateDenominator});
    const std::int64_t offset =
        toTimecodeFrames.Converts() ? toTimecodeFrames.Frame(startTime) : static_cast<std::int32_t>(startTime);
    if (offset != 0)
        start.startFrame += offset;
}
