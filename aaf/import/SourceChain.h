#pragma once

#include <cstdint>
#include <vector>

#include "records/MobSourceInfo.h"
#include "records/SourceReference.h"

struct SourceMobT;

// The source one level on from a file mob: the physical or tape mob the reference names, as the
// registry knows its kind; any other mob, or one not registered, adds nothing.
void ReadSourcesOf(const SourceReference& reference, MobSourceInfo& out);

// A physical source: its record with its first locator path, and its slot of that ID with the
// slot's own reference.
void ReadPhysicalSource(std::vector<PhysicalSourceEntry>& list, SourceMobT& mob, std::int32_t slotId);

// A tape source, when its mob was read: its record with the tape descriptor's values.
void ReadTapeSource(std::vector<TapeSourceEntry>& list, SourceMobT& mob, std::int32_t slotId);

// The tape's start timecode named after the tape, and its slot of that ID with the slot's own
// reference.
void AddTapeSource(TapeMobInfo& info, std::vector<TapeSourceEntry>& list, SourceMobT& mob, std::int32_t slotId);
