#pragma once

#include "aaf/import/MobtT.h"
#include "records/MobEntry.h"

// A composition mob: the mob and its composition interface, queried once the mob was read
// (status := the query's result).
struct CompositionMobT : MobtT {
    explicit CompositionMobT(const MobEntry& entry);
    explicit CompositionMobT(IEnumAAFMobs* mobs);
    ~CompositionMobT();

    // A top-level composition as a sequence in the first bin: its tracks from the timeline slots, its
    // markers from the event slots, its comments; the sequence is logged and leaves the builder,
    // and EventMarkerMap is emptied. Nothing when the mob was not read.
    void BuildSequence();

    // The steps of BuildSequence.
    // A sequence named after the mob, of the mob's length, becomes the current sequence.
    void OpenSequence();
    // The first bin takes the mob's name (after several compositions it bears the last one's).
    void NameBinAfterSequence();
    // The markers of the mob's event slots into EventMarkerMap.
    void ReadEventSlots();
    // Every timeline slot as a track of the current sequence.
    void ReadTimelineSlots();
    // The current sequence's own markers: those that describe the mob's start timecode slot, and
    // those that describe no slot at all.
    void AddCompositionMarkers();

    IAAFCompositionMob* compositionMob = nullptr;

private:
    void QueryComposition();
};
