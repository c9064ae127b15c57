#pragma once

#include <cstdint>
#include <vector>

#include "aaf/AafInterfaces.h"
#include "config/Timecode.h"
#include "records/SlotInfo.h"

struct TimelineMobSlotT;

// The timecode of a timecode slot: its segment, or its component, read as one timecode segment;
// else the first timecode of the segment, or of the component, read as a sequence. Every timecode
// found takes the slot's edit rate. When all four fail, nothing is added and the last result is
// returned.
std::int32_t ReadSlotTimecodes(const TimelineMobSlotT& slot, std::vector<Timecode>& list);

// The holder read as one timecode segment, appended at the edit rate; returns the read's status
// (AAFRESULT_BADINDEX for an empty holder).
std::int32_t ReadTimecodeSegment(IUnknown* holder, const SlotInfo::EditRate& editRate, std::vector<Timecode>& list);
