#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "fcpxml/ComponentContext.h"

// A nested scope: its layers are read by its import in the segment traversal.
struct SegmentT : ObjectT {
    // Queries the nested-scope interface; when the holder is a nested scope, its segment count is a
    // required read.
    SegmentT(IUnknown* segment, const ComponentContext& componentContext);
    ~SegmentT();

    IAAFNestedScope* nestedScope = nullptr;
    std::int32_t segmentCount = 0;
    ComponentContext context;
};
