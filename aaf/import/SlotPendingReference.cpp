#include "aaf/import/SlotPendingReference.h"

#include "aaf/import/EditRateConversion.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/import/TimelineMobSlotT.h"

bool ImportSlotReference(TimelineMobSlotT& slot, const SlotInfo::EditRate& frameRate, SourceReference& out)
{
    if (slot.status < 0)
        return false;
    auto& pending = GlobalImportTraversalLists.PendingSourceReferences;
    const std::size_t before = pending.size();
    slot.ImportSegment(kParentClipMobSlot, frameRate);
    if (pending.size() <= before)
        return false;
    SourceReference& front = pending.front();
    if (front.length == 0)
        front.length = static_cast<std::int32_t>(SlotToFrames(slot.info.editRate, frameRate).Span(0, slot.info.length));
    out = front;
    return true;
}
