#pragma once

#include <list>

#include "fcpxml/ItemSlot.h"
#include "fcpxml/TrackInfo.h"

class FCPSequenceTag;

// The stacks the import fills while it walks a timeline; the top of each is its front. Every push
// stores a copy.
struct TimelineBuilder {
    std::list<FCPSequenceTag> SequenceStack;  // the sequences being built
    std::list<TrackInfo> TrackStack;          // the tracks being filled
    std::list<ItemSlot> ItemStack;            // the items waiting to be placed
};

// The one builder of the process. The per-run reset empties its sequence and track stacks.
extern TimelineBuilder GlobalTimelineBuilder;
