#pragma once

#include <cstdint>
#include <vector>

#include "aaf/ObjectT.h"
#include "config/Timecode.h"
#include "records/ComponentContext.h"
#include "records/SlotInfo.h"
#include "records/SourceReference.h"

// An AAF sequence: its components in order. Reading them onto the timeline is part of the segment
// traversal.
struct SequenceT : ObjectT {
    // Queries the sequence interface; when the holder is a sequence, its component count is a
    // required read.
    explicit SequenceT(IUnknown* segment, const ComponentContext& componentContext = ComponentContext());
    ~SequenceT();

    // The reference of the first component that is a source clip, each read at its own length as a
    // component of the sequence; without one, a reference of length 0 and picture kind.
    SourceReference FindSourceClipInfo();
    // The first timecode among the components, at the slot's edit rate, appended to list; nothing
    // when no component is a timecode.
    void CollectTimecodes(std::vector<Timecode>& list, const SlotInfo::EditRate& editRate);

    // Reads component index as a component of the given parent kind, at its own length inside the
    // sequence's; returns the segment kind that answered (2 when none did, 0 past the last index).
    std::int32_t ReadComponent(std::int32_t index, std::int32_t parentKind);
    // Every component in order.
    void ReadComponents(std::int32_t parentKind);
    // Every component in order onto the current track, each item moved there as soon as it is made;
    // with layOut, the track is then laid out.
    void ReadTrackComponents(bool layOut);

    IAAFSequence* sequence = nullptr;
    std::int32_t componentCount = 0;
    ComponentContext context;

private:
    // Where component index (of length editUnits) begins in its slot, in the slot's edit units. A
    // transition begins its length before the end of the component before it, and so does the
    // component after it. Walked only while the slot converts to frames.
    std::int64_t ComponentPosition(std::int32_t index, IAAFComponent* component, std::int64_t editUnits);
    // The components before walkedIndex end walkedEnd edit units into the sequence.
    std::int32_t walkedIndex = 0;
    std::int64_t walkedEnd = 0;
};

// A sequence met by the traversal, by the context's parent kind: its components as effect inputs
// (their tagged values kept for the effect), onto the current track, as references of an adjusted
// clip or subclip, or onto a track of its own. Returns the sequence's status.
std::int32_t ReadSequenceSegment(IUnknown* segment, const ComponentContext& context);

// Appends the sequence's tagged values to TaggedValueMaps, for the effect that takes the sequence as
// an input. The property count is a required read.
void PushTaggedValueMap(SequenceT& sequence);
