#pragma once

#include <cstdint>

#include "aaf/AafInterfaces.h"
#include "records/ComponentContext.h"

// The AAF segment classes the traversal reads, in the order it asks for them; 2 while none has
// answered.
enum SegmentKind : std::int32_t {
    kSegmentKindNone = 2,
    kSegmentKindEssenceGroup = 10,
    kSegmentKindFiller = 13,
    kSegmentKindNestedScope = 17,
    kSegmentKindOperationGroup = 19,
    kSegmentKindScopeReference = 23,
    kSegmentKindSelector = 25,
    kSegmentKindSequence = 26,
    kSegmentKindSourceClip = 27,
    kSegmentKindTransition = 33,
};

// Reads one segment by the first of the nine segment kinds that answers it, in the fixed order
// essence group, filler, nested scope, operation group, scope reference, selector, sequence,
// source clip, transition. A kind answers when the segment is of that class and its import ends
// without a negative status; otherwise the next kind is asked.
struct SegmentReader {
    std::int32_t kind = kSegmentKindNone;  // the kind that answered
    ComponentContext context;

    // True when one of the kinds answered; kind then holds it.
    bool ReadSegment(IUnknown* segment);
};

// Real files nest segments a handful deep; deeper than this is damage, and the walk stops there
// rather than run out of stack.
inline constexpr int kMaxSegmentNesting = 1000;

// Reads one component of the traversal: as a segment, or, when no kind answers, through its
// component interface at its own length. The caller's context keeps the length changes (inside a
// nested scope they carry over to the following layers).
void ReadComponent(IUnknown* object, ComponentContext& context);
