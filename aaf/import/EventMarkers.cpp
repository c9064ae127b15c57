#include "aaf/import/EventMarkers.h"

EventMarkerLists EventMarkerMap;

void ClearEventMarkerMap() { EventMarkerMap.clear(); }

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
        MarkerInfo marker(frame, event.name, event.comment);
        if (!event.colours.empty()) {
            const MarkerRgbColour& colour = event.colours.front();
            SetMarkerColorFromRgb(colour.red, colour.green, colour.blue, marker);
        }
        markers.push_back(marker);
    }
}
