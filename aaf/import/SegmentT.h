#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/ComponentContext.h"

// A nested scope: its layers are read by its import in the segment traversal.
struct SegmentT : ObjectT {
    // Queries the nested-scope interface; when the holder is a nested scope, its segment count is a
    // required read.
    SegmentT(IUnknown* segment, const ComponentContext& componentContext);
    ~SegmentT();

    // Each layer read as a component of its own track, numbered by its place in the scope (the
    // slot's physical number taken off unless it is 1); then the scope's comments go onto the
    // current item. status := the object query's result.
    std::int32_t Import();

    IAAFNestedScope* nestedScope = nullptr;
    std::int32_t segmentCount = 0;
    ComponentContext context;
};
