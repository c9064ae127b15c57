#include "aaf/import/EventT.h"

#include "aaf/CheckHResult.h"
#include "aaf/PropertyValues.h"
#include "aaf/TextConversion.h"
#include "config/LogMessage.h"
#include "records/ValueBase.h"

namespace {

// The properties of a comment marker the import reads.
constexpr Auid kDescribedSlotsId = {0x01070105, 0x0000, 0x0000, {0x06, 0x0E, 0x2B, 0x34, 0x01, 0x01, 0x01, 0x04}};
constexpr Auid kMarkerNameId = {0xC4C45D9A, 0x0967, 0x11D4, {0xA0, 0x8A, 0x00, 0x60, 0x94, 0xEB, 0x75, 0xCB}};
constexpr Auid kMarkerColourId = {0xE96E6D44, 0xC383, 0x11D3, {0xA0, 0x69, 0x00, 0x60, 0x94, 0xEB, 0x75, 0xCB}};

// A marker describes a handful of slots; a larger count comes from a damaged file.
constexpr aafUInt32 kMaxDescribedSlots = 1u << 16;

template <class Interface>
HRESULT Query(Interface** out, REFIID iid, const char* name, IUnknown* holder)
{
    ReleaseInterface(*out);
    return GetInterface(out, iid, name, holder);
}

MarkerRgbColour ColourOf(const TaggedValueVector& components)
{
    MarkerRgbColour colour;
    for (const TaggedValueEntry& entry : components.entries) {
        const auto* number = dynamic_cast<const IntValue*>(entry.value);
        if (number == nullptr)
            continue;
        if (entry.name == "red")
            colour.red = number->value;
        else if (entry.name == "green")
            colour.green = number->value;
        else if (entry.name == "blue")
            colour.blue = number->value;
    }
    return colour;
}

}  // namespace

EventT::~EventT()
{
    ReleaseInterface(gpiTrigger);
    ReleaseInterface(descriptiveMarker);
    ReleaseInterface(commentMarker);
    ReleaseInterface(event);
}

std::int32_t EventT::Read(IUnknown* segment)
{
    if (status < 0)
        return status;
    readAsCommentMarker = false;
    status = Query(&commentMarker, IID_IAAFCommentMarker, "IID_IAAFCommentMarker", segment);
    if (status >= 0) {
        GetPosition(commentMarker);
        ReadCommentMarkerProperties();
        if (status >= 0) {
            readAsCommentMarker = true;
            return status;
        }
    }
    status = Query(&descriptiveMarker, IID_IAAFDescriptiveMarker, "IID_IAAFDescriptiveMarker", segment);
    if (status >= 0) {
        GetPosition(descriptiveMarker);
        GetDescribedSlotIDs(descriptiveMarker, describedSlotIds);
        return status;
    }
    status = Query(&gpiTrigger, IID_IAAFGPITrigger, "IID_IAAFGPITrigger", segment);
    if (status >= 0) {
        GetPosition(gpiTrigger);
        LogMessage("WARNING", "Component unknown: GPITrigger");
    }
    return status;
}

void EventT::GetPosition(IUnknown* holder)
{
    status = Query(&event, IID_IAAFEvent, "IID_IAAFEvent", holder);
    if (status < 0)
        return;
    aafPosition_t position = 0;
    CheckHResult("GetPosition", CheckNotNull(event, "EventT: GetPosition")->GetPosition(&position), kAafCallFailed);
    marker.position = position;
    marker.comment = GetComment();
}

std::string EventT::GetComment()
{
    return ReadText(event, "EventT: GetComment", &IAAFEvent::GetCommentBufLen, &IAAFEvent::GetComment);
}

void EventT::ReadCommentMarkerProperties()
{
    ReleaseObject();
    status = GetInterface(&object, IID_IAAFObject, "IID_IAAFObject", commentMarker);
    if (status >= 0)
        CountProperties();
    if (status < 0)
        return;
    PropertyValueList slots;
    CollectPropertyValues(slots, kDescribedSlotsId);
    for (const ValueBase* value : slots.values) {
        if (const auto* id = dynamic_cast<const IntValue*>(value))
            describedSlotIds.push_back(id->value);
    }
    PropertyValueList names;
    CollectPropertyValues(names, kMarkerNameId);
    for (const ValueBase* value : names.values) {
        if (const auto* name = dynamic_cast<const StringValue*>(value))
            marker.name = name->text;
    }
    PropertyValueList colours;
    CollectPropertyValues(colours, kMarkerColourId);
    for (const ValueBase* value : colours.values) {
        if (const auto* components = dynamic_cast<const TaggedValueVector*>(value))
            marker.colours.push_back(ColourOf(*components));
    }
}

HRESULT EventT::GetDescribedSlotIDs(IAAFDescriptiveMarker* descriptive, std::vector<std::int32_t>& list)
{
    if (descriptive == nullptr)
        return AAFRESULT_BADINDEX;
    aafUInt32 count = 0;
    if (descriptive->GetDescribedSlotIDsSize(&count) != 0 || count > kMaxDescribedSlots)
        count = 0;
    std::vector<aafUInt32> ids(count);
    const HRESULT result = descriptive->GetDescribedSlotIDs(count, ids.data());
    if (result >= 0) {
        for (aafUInt32 id : ids)
            list.push_back(static_cast<std::int32_t>(id));
    }
    if (result == 0)
        TraceAvailable("GetDescribedSlotIDs");
    return result;
}

void EventT::AddToMarkerMap(EventMarkerLists& map, std::int32_t slotKey) const
{
    if (slotKey == -1)
        return;
    // Some systems write sequence markers without described slots; dropping them would lose them.
    if (describedSlotIds.empty() && readAsCommentMarker)
        map[kWholeMobMarkerSlotId][slotKey].push_back(marker);
    for (std::int32_t id : describedSlotIds)
        map[id][slotKey].push_back(marker);
}
