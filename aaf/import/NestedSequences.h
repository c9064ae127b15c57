#pragma once

#include <string>

#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "records/ComponentContext.h"

struct MediaSettings;

// A sequence built from the settings, with the name, an id unique for the run made from it, and
// the duration. Every sequence the import makes comes from here.
FCPSequenceTag MakeSequenceTag(const MediaSettings& settings, const std::string& name, int duration);

// A clip item over a "Slug" file for the context's data kind, running 0 to the context's length.
FCPClipItemTag MakeSlugClipItem(const ComponentContext& context, const std::string& name);
// The item's media becomes a picture slug; it then runs from 0 for its former length.
void ReplaceMediaWithSlug(FCPClipItemTag& item);

// A copy of the item to place inside a nested sequence of the given length: a new id, cut to the
// length, starting at 0, without filters.
FCPClipItemTag CopyClipItemForNesting(const FCPClipItemTag& item, int length);
// A sequence of the given length holding the item on its one track, followed by a "Filler" slug
// for whatever the item leaves of the length.
FCPSequenceTag BuildNestedSequence(const FCPClipItemTag& item, int length);
// CopyClipItemForNesting, then BuildNestedSequence of the copy.
FCPSequenceTag NestItemCopyInSequence(int length, const FCPClipItemTag& item);
// The item stops playing its media and plays a copy of the sequence instead, 0 to out.
void MakeNestedSequenceItem(const FCPSequenceTag& sequence, FCPClipItemTag& item, int out, int duration);
// The item is wrapped in a nested sequence of the given length and plays it whole.
void NestClipItemInSequence(int length, FCPClipItemTag& item);
