#pragma once

#include <cstdint>
#include <vector>

#include "aaf/ObjectT.h"
#include "fcpxml/ComponentContext.h"
#include "fcpxml/SlotInfo.h"
#include "fcpxml/SourceReference.h"
#include "run/config/Timecode.h"

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

    IAAFSequence* sequence = nullptr;
    std::int32_t componentCount = 0;
    ComponentContext context;
};
