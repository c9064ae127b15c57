#pragma once

#include "aaf/ObjectT.h"
#include "fcpxml/ComponentContext.h"

// A selector: only its selected segment is read, by its import in the segment traversal.
struct SelectorT : ObjectT {
    SelectorT(IUnknown* segment, const ComponentContext& componentContext);
    ~SelectorT();

    IAAFSelector* selector = nullptr;
    ComponentContext context;
};
