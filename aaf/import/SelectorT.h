#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/ComponentContext.h"

// A selector: only its selected segment is read, by its import in the segment traversal.
struct SelectorT : ObjectT {
    SelectorT(IUnknown* segment, const ComponentContext& componentContext);
    ~SelectorT();

    // Reads the selected segment as a clip; the alternates produce nothing. Returns status.
    std::int32_t Import();

    IAAFSelector* selector = nullptr;
    ComponentContext context;
};
