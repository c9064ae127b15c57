#include "aaf/import/SlotAnyReference.h"

#include "aaf/import/SlotSourceReference.h"
#include "aaf/import/TimelineMobSlotT.h"

bool FindAnySlotReference(const TimelineMobSlotT& slot, SourceReference& out)
{
    if (slot.status < 0)
        return false;
    using Probe = std::int32_t (*)(IUnknown*, const SlotInfo&, SourceReference&);
    for (const Probe probe : {&ReadSourceClipReference, &ReadEssenceGroupReference, &ReadSequenceSourceReference}) {
        for (IUnknown* holder : {static_cast<IUnknown*>(slot.segment), static_cast<IUnknown*>(slot.component)}) {
            SourceReference found;
            found.length = 0;
            found.dataKind = 2;
            if (probe(holder, slot.info, found) >= 0) {
                out = found;
                return true;
            }
        }
    }
    return false;
}
