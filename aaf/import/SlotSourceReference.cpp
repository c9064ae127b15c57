#include "aaf/import/SlotSourceReference.h"

#include "aaf/import/EssenceT.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SequenceT.h"
#include "aaf/import/SourceT.h"
#include "aaf/import/TimelineMobSlotT.h"

std::int32_t ReadSourceClipReference(IUnknown* holder, const SlotInfo& slot, SourceReference& out)
{
    if (holder == nullptr)
        return AAFRESULT_BADINDEX;
    const SourceT source(holder, ComponentContext(slot, kParentTimelineSlot));
    if (source.status >= 0)
        out = source.reference;
    return source.status;
}

std::int32_t ReadEssenceGroupReference(IUnknown* holder, const SlotInfo& slot, SourceReference& out)
{
    if (holder == nullptr)
        return AAFRESULT_BADINDEX;
    EssenceT group(holder, ComponentContext(slot, kParentTimelineSlot));
    if (group.status >= 0 && group.ReadAndChoose() >= 0)
        out = group.chosen;
    return group.status;
}

std::int32_t ReadSequenceSourceReference(IUnknown* holder, const SlotInfo& slot, SourceReference& out)
{
    if (holder == nullptr)
        return AAFRESULT_BADINDEX;
    SequenceT sequence(holder, ComponentContext(slot, kParentTimelineSlot));
    if (sequence.status >= 0)
        out = sequence.FindSourceClipInfo();
    return sequence.status;
}

std::int32_t FindSlotSourceReference(const TimelineMobSlotT& slot, SourceReference& out)
{
    SourceReference found;
    found.length = 0;
    found.dataKind = 2;
    std::int32_t result = ReadSourceClipReference(slot.segment, slot.info, found);
    if (result < 0)
        result = ReadSourceClipReference(slot.component, slot.info, found);
    if (result >= 0) {
        out.sourceMobId = found.sourceMobId;
        out.sourceSlotId = found.sourceSlotId;
        out.startTime = found.startTime;
    }
    return result;
}
