#include "aaf/import/TimelineMobSlotT.h"

#include "aaf/HeldInterface.h"
#include "aaf/import/SlotEditRate.h"

TimelineMobSlotT::TimelineMobSlotT(IAAFMob* mob, aafUInt32 index) : MobSlotT(mob, index)
{
    QueryAndRead();
}

TimelineMobSlotT::TimelineMobSlotT(IAAFMob* mob, SlotIdKey slotId) : MobSlotT(mob, slotId)
{
    QueryAndRead();
}

TimelineMobSlotT::~TimelineMobSlotT()
{
    ReleaseInterface(timelineSlot);
}

void TimelineMobSlotT::QueryAndRead()
{
    if (status < 0)
        return;
    status = GetInterface(&timelineSlot, IID_IAAFTimelineMobSlot, "IID_IAAFTimelineMobSlot", slot);
    if (status >= 0)
        ReadSlotInfo();
}

void TimelineMobSlotT::ReadSlotInfo()
{
    aafRational_t rate{};
    if (timelineSlot->GetEditRate(&rate) == 0)
        StoreSlotEditRate(info, rate);
    info.origin = GetOrigin(timelineSlot);
    Held<IAAFTimelineMobSlot2> second;
    if (GetInterface(second.out(), IID_IAAFTimelineMobSlot2, "IID_IAAFTimelineMobSlot2", slot) < 0)
        return;
    info.markIn = static_cast<std::int32_t>(GetMarkIn(second.get()));
    info.markOut = static_cast<std::int32_t>(GetMarkOut(second.get()));
}
