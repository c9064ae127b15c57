#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/ComponentContext.h"

// A filler. What it becomes (a gap, a gap track, a filler clip item) is decided by its import in
// the segment traversal.
struct FillerT : ObjectT {
    FillerT(IUnknown* segment, const ComponentContext& componentContext);
    ~FillerT();

    // The gap by the context's parent kind (ImportGap); returns status.
    std::int32_t Import();

    IAAFFiller* filler = nullptr;
    ComponentContext context;
};

// A component that is only a gap, by where it sits: a track of its own holding the gap (a
// nested-scope layer or a timeline slot), a "Filler" slug clip item (an effect input), or a gap in
// the current track (a sequence component); elsewhere nothing.
void ImportGap(const ComponentContext& context);
