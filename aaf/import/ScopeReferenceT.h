#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "records/ComponentContext.h"

// A scope reference. The import does not follow it to the segment it names: it stands for a gap of
// its own length.
struct ScopeReferenceT : ObjectT {
    ScopeReferenceT(IUnknown* segment, const ComponentContext& componentContext);
    ~ScopeReferenceT();

    // A gap as a filler would be (ImportGap); inside an adjusted clip or subclip only a warning.
    // Returns status.
    std::int32_t Import();

    IAAFScopeReference* scopeReference = nullptr;
    ComponentContext context;
};
