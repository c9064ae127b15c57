#include "aaf/import/SlotTimecodes.h"

#include "aaf/import/SequenceT.h"
#include "aaf/import/TimeT.h"
#include "aaf/import/TimelineMobSlotT.h"

namespace {

std::int32_t CollectSequenceTimecodes(IUnknown* holder, const SlotInfo::EditRate& editRate,
                                      std::vector<Timecode>& list)
{
    SequenceT sequence(holder);
    if (sequence.status >= 0)
        sequence.CollectTimecodes(list, editRate);
    return sequence.status;
}

}  // namespace

std::int32_t ReadTimecodeSegment(IUnknown* holder, const SlotInfo::EditRate& editRate, std::vector<Timecode>& list)
{
    const TimeT time(holder);
    if (time.status >= 0)
        list.emplace_back(time.startFrame, time.dropFrame, time.framesPerSecond, editRate.numerator,
                          editRate.denominator);
    return time.status;
}

std::int32_t ReadSlotTimecodes(const TimelineMobSlotT& slot, std::vector<Timecode>& list)
{
    const SlotInfo::EditRate& rate = slot.info.editRate;
    std::int32_t result = ReadTimecodeSegment(slot.segment, rate, list);
    if (result < 0)
        result = ReadTimecodeSegment(slot.component, rate, list);
    if (result < 0)
        result = CollectSequenceTimecodes(slot.segment, rate, list);
    if (result < 0)
        result = CollectSequenceTimecodes(slot.component, rate, list);
    for (Timecode& timecode : list) {
        timecode.rateNumerator = rate.numerator;
        timecode.rateDenominator = rate.denominator;
    }
    return result;
}
