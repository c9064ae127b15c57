#pragma once

#include <map>
#include <string>

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPClipTag.h"
#include "records/ComponentContext.h"
#include "records/SourceReference.h"

// How a source clip on a timeline finds the clip item it plays: through the clip id made for the
// mob it names (MasterClipIdByMob), then that clip's slot item (MasterClipMap).

// The clip id made for the reference's mob; empty when none was made.
std::string LookupMasterClipId(const SourceReference& reference);

// Copies the slot item of the clip the reference names into out: a picture reference looks among
// the clip's video slots, a sound reference among its audio slots. The clip is marked referenced
// once it is found, whether or not it has the slot. A reference to the clip's alpha slot is turned
// to its first picture slot.
bool FindMasterClipItem(SourceReference& reference, FCPClipItemTag& out);
// The same lookup answering the slot item itself (null when none), for a caller that builds its
// copy in place.
const FCPClipItemTag* FindMasterSlotItem(SourceReference& reference);

// The reference names the alpha slot of a clip with picture slots: it names the lowest of them
// instead.
void RemapAlphaSlot(const FCPClipTag& clip, SourceReference& reference);

// A copy of the slot map's item under slotId into out.
bool FindSlotItem(const std::map<int, FCPClipItemTag>& slots, FCPClipItemTag& out, int slotId);

// A clip made from a Lower Level composition is not filed in a bin for being used by a title.
void UnmarkLowerLevelClip(const SourceReference& reference);

// A source clip whose mob has no clip item: a slug of the context's kind and length, named after the
// mob, with the error record that says which kind of mob was missing.
void MakeUnknownMobSlug(const SourceReference& reference, const ComponentContext& context, FCPClipItemTag& out);
