#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/ComponentContext.h"

// A transition of a sequence: it overlaps the segments on both sides by its length (the context's
// length), and its cut point says where within that length the edit falls.
struct TransitionR : ObjectT {
    TransitionR(IUnknown* segment, const ComponentContext& componentContext);
    ~TransitionR();

    // The transition's cut point; -1 when it cannot be read. A null interface raises.
    std::int64_t GetCutPoint();
    // The traversal's entry: a transition item with its effect on the item stack. Returns the
    // status.
    std::int32_t Import();
    // Fits the cut point to the item before the transition on the current track: a gap gives up
    // the transition's length and the cut moves to the transition's start; after a clip or
    // generator item a cut at the start moves to the middle.
    void FixCutPoint();
    // The transition item and its effect. A transition that leaves no effect is cut at its cut
    // point instead, so the items after it keep their places.
    void ImportItem();

    IAAFTransition* transition = nullptr;
    ComponentContext context;
    std::int64_t cutPoint = -1;
};
