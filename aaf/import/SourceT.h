#pragma once

#include <cstdint>

#include "aaf/ObjectT.h"
#include "fcpxml/FCPClipItemTag.h"
#include "records/ComponentContext.h"
#include "records/SourceReference.h"

// A source clip and the reference read from it. Its import onto the timeline is part of the
// segment traversal.
struct SourceT : ObjectT {
    // The reference starts with the context's length and data kind; when the holder is a source
    // clip, its reference is read (GetSourceReference).
    SourceT(IUnknown* segment, const ComponentContext& componentContext);
    // A reference read elsewhere (the choice an essence group made), imported as a source clip of
    // the context; it has no AAF object, so no comments.
    SourceT(const SourceReference& sourceReference, const ComponentContext& componentContext);
    ~SourceT();

    // By the context's parent kind: the item pushed (effect input, sequence component), the
    // reference kept for the adjusted clip or subclip being read, or the item on a track of its own.
    // Returns status.
    std::int32_t Import();
    // The item by the context's sub-kind: a clip item, a generator item, a gap of the reference's
    // length, or a title clip item; then the clip's comments go onto the current item.
    void ImportClip();
    // The clip item of the master clip the reference names, playing the reference's range; a slug
    // when no master clip has it.
    FCPClipItemTag MakeClipItem();
    // The clip item of a title: the master clip's item without its files (a master clip made from a
    // Lower Level composition is unmarked again, and is filed only while an item still names it), or
    // an item named "Title" with straight alpha when no master clip has it; either plays the
    // reference's range on one source track.
    FCPClipItemTag MakeTitleClipItem();

    // The clip's source reference (required) and fades; a clip of length 0 takes the enclosing
    // component's length, or on a timeline slot the slot's length.
    void GetSourceReference();

    IAAFSourceClip* sourceClip = nullptr;
    ComponentContext context;
    SourceReference reference;
};
