#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aaf/ObjectT.h"
#include "aaf/import/EventMarkers.h"

// One AAF event read as a marker, with the slots it describes.
struct EventT : ObjectT {
    EventT() = default;
    ~EventT();

    // Reads the holder as a comment marker, else as a descriptive marker, else as a GPI trigger
    // (which only logs a warning); status is the last query's result.
    std::int32_t Read(IUnknown* segment);
    // The event's position (required) and comment into the marker; status := the event query.
    void GetPosition(IUnknown* holder);
    // The comment text of the event; empty when it cannot be read.
    std::string GetComment();
    // The described slots, the name and the colours of a comment marker, read through its
    // properties; status := the object query's result.
    void ReadCommentMarkerProperties();
    // Appends the marker's described slot IDs to list; returns the read's result
    // (AAFRESULT_BADINDEX for a null marker).
    static HRESULT GetDescribedSlotIDs(IAAFDescriptiveMarker* marker, std::vector<std::int32_t>& list);
    // A copy of the marker under each described slot ID and the slot key; nothing for the key -1. A
    // comment marker that describes no slot marks the mob as a whole: it goes under
    // kWholeMobMarkerSlotId. Other events without described slots add nothing.
    void AddToMarkerMap(EventMarkerLists& map, std::int32_t slotKey) const;

    IAAFEvent* event = nullptr;
    IAAFCommentMarker* commentMarker = nullptr;
    IAAFDescriptiveMarker* descriptiveMarker = nullptr;
    IAAFGPITrigger* gpiTrigger = nullptr;
    EventMarker marker;
    std::vector<std::int32_t> describedSlotIds;
    bool readAsCommentMarker = false;  // the last Read took the comment-marker branch
};
