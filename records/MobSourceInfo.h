#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/DescriptorLists.h"
#include "records/MobInfo.h"
#include "records/SlotInfo.h"

// A tape source mob with its tape descriptor's values.
struct TapeMobInfo {
    TapeMobInfo() = default;
    explicit TapeMobInfo(const MobInfo& tapeMob) : mob(tapeMob) {}

    MobInfo mob;
    std::string tapeManufacturer;
    std::string tapeModel;
    int32_t tapeFormFactor = 0;
    int32_t signalType = 0;
    int32_t tapeFormat = 0;
};

struct TapeSourceEntry {
    TapeSourceEntry() = default;
    explicit TapeSourceEntry(const TapeMobInfo& tapeMob) : tape(tapeMob) {}

    TapeMobInfo tape;
    SlotInfo slot;  // the referenced tape slot
};

struct PhysicalSourceEntry {
    PhysicalSourceEntry() = default;
    explicit PhysicalSourceEntry(const MobInfo& physicalMob) : mob(physicalMob) {}

    MobInfo mob;
    SlotInfo slot;  // the referenced slot
};

// One media source of a master mob slot.
struct MobSourceInfo {
    MobSourceInfo() = default;
    explicit MobSourceInfo(const MobInfo& fileMob) : mob(fileMob) {}

    // 63 with a physical source, else 61 with a tape source, else 0.
    int32_t GetSourceKind() const { return !physicalSources.empty() ? 63 : !tapeSources.empty() ? 61 : 0; }

    MobInfo mob;  // the file mob the slot leads to
    DescriptorLists descriptors;
    SlotInfo slot;  // the file mob's referenced slot
    int32_t slotId = 0;  // the master mob slot it belongs to
    std::vector<TapeSourceEntry> tapeSources;
    std::vector<PhysicalSourceEntry> physicalSources;
};
