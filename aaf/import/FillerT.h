#pragma once

#include "aaf/ObjectT.h"
#include "fcpxml/ComponentContext.h"

// A filler. What it becomes (a gap, a gap track, a filler clip item) is decided by its import in
// the segment traversal.
struct FillerT : ObjectT {
    FillerT(IUnknown* segment, const ComponentContext& componentContext);
    ~FillerT();

    IAAFFiller* filler = nullptr;
    ComponentContext context;
};
