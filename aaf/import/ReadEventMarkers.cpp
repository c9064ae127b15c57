#include "aaf/import/ReadEventMarkers.h"

#include "aaf/HeldInterface.h"
#include "aaf/import/EditRateConversion.h"
#include "aaf/import/EventMobSlotT.h"
#include "aaf/import/EventT.h"
#include "aaf/import/SequenceT.h"

namespace {

// The holder read as a sequence of events; false when it is no sequence.
// The event's position in frames, then into the map.
void AddEvent(EventT& event, EventMarkerLists& map, std::int32_t slotKey, const EditUnitConverter& frames)
{
    event.marker.position = frames.Frame(event.marker.position);
    event.AddToMarkerMap(map, slotKey);
}

bool ReadEventSequence(IUnknown* holder, EventMarkerLists& map, std::int32_t slotKey, const EditUnitConverter& frames)
{
    if (holder == nullptr)
        return false;
    SequenceT sequence(holder);
    if (sequence.status < 0)
        return false;
    for (std::int32_t i = 0; i < sequence.componentCount; ++i) {
        // Held, so that a required read of the event that raises still releases the component.
        Held<IAAFComponent> component;
        if (!Obtained(sequence.sequence->GetComponentAt(static_cast<aafUInt32>(i), component.out()), component))
            continue;
        EventT event;
        if (event.Read(component.get()) >= 0)
            AddEvent(event, map, slotKey, frames);
    }
    return true;
}

// The holder read as one event; false when it is none.
bool ReadOneEvent(IUnknown* holder, EventMarkerLists& map, std::int32_t slotKey, const EditUnitConverter& frames)
{
    EventT event;
    if (event.Read(holder) < 0)
        return false;
    AddEvent(event, map, slotKey, frames);
    return true;
}

}  // namespace

void ReadEventMarkers(std::int32_t slotCount, EventMarkerLists& map, IAAFMob* mob, const SlotInfo::EditRate& frameRate)
{
    for (std::int32_t i = 0; i < slotCount; ++i) {
        EventMobSlotT slot(mob, static_cast<aafUInt32>(i), map);
        if (slot.status < 0)
            continue;
        const std::int32_t key = slot.info.physicalNumber;
        const EditUnitConverter frames = SlotToFrames(slot.info.editRate, frameRate);
        // The first reading that does not fail ends the slot.
        (void)(ReadEventSequence(slot.segment, map, key, frames) || ReadEventSequence(slot.component, map, key, frames) ||
               ReadOneEvent(slot.segment, map, key, frames) || ReadOneEvent(slot.component, map, key, frames));
    }
}
