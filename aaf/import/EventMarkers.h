#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fcpxml/MarkerInfo.h"
#include "fcpxml/TrimTagBase.h"

// One colour of an AAF comment marker.
struct MarkerRgbColour {
    double red = 0;
    double green = 0;
    double blue = 0;
    int32_t alpha = 255;
};

// One AAF event read as a marker.
struct EventMarker {
    int64_t position = 0;  // in edit units of the event slot
    std::string comment;
    std::string name;
    std::vector<MarkerRgbColour> colours;
    int32_t reserved = 0;
};

// Described slot id -> event slot physical number -> the markers, in reading order.
using EventMarkerLists = std::map<int32_t, std::map<int32_t, std::vector<EventMarker>>>;

// The described-slot key of comment markers that describe no slot: markers of the whole mob (of the
// sequence, for a top-level composition). It is the slot ID 0x80000000, which files do not use.
inline constexpr int32_t kWholeMobMarkerSlotId = INT32_MIN;

// Per run: the markers of the timeline being imported.
extern EventMarkerLists EventMarkerMap;

// The per-run reset of EventMarkerMap.
void ClearEventMarkerMap();

// Every marker of a mob's map (described slots, then physical numbers, ascending; each list in
// order) at its position, without colour: the markers of a master clip, adjusted clip or subclip.
std::vector<MarkerInfo> CollectMarkers(const EventMarkerLists& map);

// Appends to markers every marker of EventMarkerMap under the described slot (all physical numbers
// ascending) at its position, with its first colour; nothing for the slot -1.
void AddSlotMarkers(std::vector<MarkerInfo>& markers, int32_t slotId);

// Appends to markers every marker of EventMarkerMap[slotId][layerIndex] whose position lies on the
// placed item (start to end, both included), at the item's source frame and with its first colour.
void AddMarkersInRange(std::vector<MarkerInfo>& markers, const TrimValues& placement, int32_t slotId,
                       int32_t layerIndex);
