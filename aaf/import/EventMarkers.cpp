#include "aaf/import/EventMarkers.h"

EventMarkerLists EventMarkerMap;

void ClearEventMarkerMap() { EventMarkerMap.clear(); }

namespace {

MarkerInfo ToMarker(const EventMarker& event, int frame, bool withColour)
{
    MarkerInfo marker(frame, event.name, event.comment);
    if (withColour && !event.colours.empty()) {
        const MarkerRgbColour& colour = event.colours.front();
        SetMarkerColorFromRgb(colour.red, colour.green, colour.blue, marker);
    }
    return marker;
}

// The marker's position in frames: its low 32 bits.
int PositionFrame(const EventMarker& event) { return static_cast<int>(static_cast<uint32_t>(event.position)); }

}  // namespace

std::vector<MarkerInfo> CollectMarkers(const EventMarkerLists& map)
{
    std::vector<MarkerInfo> markers;
    for (const auto& [slotId, layers] : map)
        for (const auto& [layer, events] : layers)
            for (const EventMarker& event : events)
                markers.push_back(ToMarker(event, PositionFrame(event), false));
    return markers;
}

void AddSlotMarkers(std::vector<MarkerInfo>& markers, int32_t slotId)
{
    if (slotId == -1)
        return;
    const auto slot = EventMarkerMap.find(slotId);
    if (slot == EventMarkerMap.end())
        return;
    for (const auto& [layer, events] : slot->second)
        for (const EventMarker& event : events)
            markers.push_back(ToMarker(event, PositionFrame(event), true));
}

void AddMarkersInRange(std::vector<MarkerInfo>& markers, const TrimValues& placement, int32_t slotId,
                       int32_t layerIndex)
{
    const auto slot = EventMarkerMap.find(slotId);
    if (slot == EventMarkerMap.end())
        return;
    const auto layer = slot->second.find(layerIndex);
    if (layer == slot->second.end())
        return;
    for (const EventMarker& event : layer->second) {
        if (event.position < placement.start || event.position > placement.end)
            continue;
        const int frame = static_cast<int>(event.position - placement.start) + placement.in;
        markers.push_back(ToMarker(event, frame, true));
    }
}
