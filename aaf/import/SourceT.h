#pragma once

#include "aaf/ObjectT.h"
#include "fcpxml/ComponentContext.h"
#include "fcpxml/SourceReference.h"

// A source clip and the reference read from it. Its import onto the timeline is part of the
// segment traversal.
struct SourceT : ObjectT {
    // The reference starts with the context's length and data kind; when the holder is a source
    // clip, its reference is read (GetSourceReference).
    SourceT(IUnknown* segment, const ComponentContext& componentContext);
    ~SourceT();

    // The clip's source reference (required) and fades; a clip of length 0 takes the enclosing
    // component's length, or on a timeline slot the slot's length.
    void GetSourceReference();

    IAAFSourceClip* sourceClip = nullptr;
    ComponentContext context;
    SourceReference reference;
};
