#include "aaf/import/EventMobSlotT.h"

#include "aaf/HeldInterface.h"
#include "aaf/import/SlotEditRate.h"

EventMobSlotT::EventMobSlotT(IAAFMob* mob, aafUInt32 index, EventMarkerLists& markers)
    : MobSlotT(mob, index), markerMap(&markers)
{
    if (status < 0)
        return;
    status = GetInterface(&eventSlot, IID_IAAFEventMobSlot, "IID_IAAFEventMobSlot", slot);
    if (status >= 0)
        ReadSlotInfo();
}

EventMobSlotT::~EventMobSlotT()
{
    ReleaseInterface(eventSlot);
}

void EventMobSlotT::ReadSlotInfo()
{
    aafRational_t rate{};
    if (eventSlot->GetEditRate(&rate) == 0)
        StoreSlotEditRate(info, rate);
    Held<IAAFEventMobSlot2> second;
    if (GetInterface(second.out(), IID_IAAFEventMobSlot2, "IID_IAAFEventMobSlot2", slot) >= 0)
        info.origin = GetEventSlotOrigin(second.get());
}
