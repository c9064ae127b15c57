#pragma once

#include "records/SlotInfo.h"
#include "records/SourceReference.h"

struct TimelineMobSlotT;

// The slot of an adjusted clip or subclip imported as such a slot, and the source reference its
// segment left for it, with the slot's length when the reference has none. False when the slot was
// not read or its segment left no reference: a reference an earlier slot or mob left is never taken
// for this slot's. Values of a slot at a sample rate are in frames at frameRate.
bool ImportSlotReference(TimelineMobSlotT& slot, const SlotInfo::EditRate& frameRate, SourceReference& out);
