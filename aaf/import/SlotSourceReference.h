#pragma once

#include <cstdint>

#include "aaf/AafInterfaces.h"
#include "records/SlotInfo.h"
#include "records/SourceReference.h"

struct TimelineMobSlotT;

// The source reference of a slot whose segment, or component, is a source clip: its MobID, slot ID
// and start time go to out. Returns the last probe's result.
std::int32_t FindSlotSourceReference(const TimelineMobSlotT& slot, SourceReference& out);

// The probes, each reading the holder in the context of the slot (as the segment of a timeline
// slot) and filling out whole when it succeeds; AAFRESULT_BADINDEX for an empty holder.
// A source clip's own reference.
std::int32_t ReadSourceClipReference(IUnknown* holder, const SlotInfo& slot, SourceReference& out);
// The reference an essence group chooses among its choices.
std::int32_t ReadEssenceGroupReference(IUnknown* holder, const SlotInfo& slot, SourceReference& out);
// The reference of the first source clip of a sequence.
std::int32_t ReadSequenceSourceReference(IUnknown* holder, const SlotInfo& slot, SourceReference& out);
