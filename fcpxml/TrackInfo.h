#pragma once

#include <map>
#include <vector>

#include "fcpxml/ItemSlot.h"
#include "records/ComponentContext.h"

// The "track" element: the items of one video or audio track, owned through their slots.
struct TrackInfo {
    TrackInfo() = default;
    explicit TrackInfo(int trackMediaType) : mediaType(trackMediaType) {}

    std::vector<ItemSlot> items;
    bool enabled = true;
    bool locked = false;
    int outputchannelindex = -1;  // -1: not set
    int mediaType = 0;            // 1 audio, 2 video; 0 until the holder sets it
    int index = -1;               // 1-based among its sequence's tracks of the same media
    SlotIdentity slot;
    bool laidOut = false;
    std::map<int, bool> parameterItems;  // item index -> plug-in parameters to apply at layout
    // item index -> frames the item's head gives up at layout: the part of a dropped transition
    // that lay after its cut.
    std::map<int, int> headTrims;
};

class FCPSequenceTag;

// index := one more than the tracks of the first video (or audio) entry of the current sequence;
// nothing without a current sequence (null).
void SetTrackIndexFromSequence(TrackInfo& track, const FCPSequenceTag* current);

void WriteTrack(const TrackInfo& track);
