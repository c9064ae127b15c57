#pragma once

#include <cstdint>

#include "aafsdk/include/AAF.h"
#include "fcpxml/ComponentContext.h"

// Reads one segment by the first of the nine segment kinds that answers it, in the fixed order
// essence group, filler, nested scope, operation group, scope reference, selector, sequence,
// source clip, transition.
struct SegmentReader {
    std::int32_t kind = 2;  // the kind that answered; 2 while none has
    ComponentContext context;

    // True when one of the kinds answered; kind then holds it.
    bool ReadSegment(IUnknown* segment);
};

// Reads one component of the traversal: as a segment, or, when no kind answers, through its
// component interface at its own length. The caller's context keeps the length changes (inside a
// nested scope they carry over to the following layers).
void ReadComponent(IUnknown* object, ComponentContext& context);
