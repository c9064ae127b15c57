#pragma once

#include "aaf/import/EffectEntryPoints.h"
#include "fcpxml/ItemSlot.h"

// A layer parameter names another track of the current sequence (2 the last track, 3 the one
// before it); the item of that track that lies under the given item becomes a clip in the record's
// value. Nothing is stored when no track or no item qualifies.
void ResolveClipParameter(ItemSlot& item, ClipParameterValue& record);
