#pragma once

#include "records/SourceReference.h"

struct TimelineMobSlotT;

// The reference of a slot whose segment, or component, is a source clip, an essence group (its
// chosen choice) or a sequence (its first source clip), tried in that order; the first probe that
// succeeds fills out whole. False when the slot was not read or no probe succeeded.
bool FindAnySlotReference(const TimelineMobSlotT& slot, SourceReference& out);
