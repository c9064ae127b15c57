#pragma once

#include <cstdint>
#include <string>

#include "records/EditUnitConverter.h"

struct SlotInfo;

// The mob slot a component comes from; tracks carry a copy.
struct SlotIdentity {
    int32_t slotId = 1;
    int32_t physicalNumber = 1;
    int32_t length = 0;
    std::string name;
};

// Where the component being read sits, handed down the traversal by value.
struct ComponentContext {
    ComponentContext() = default;
    // The context of a slot's own segment.
    ComponentContext(const SlotInfo& slotInfo, int32_t parent);

    int32_t length = 0;
    int32_t enclosingLength = 0;
    int32_t dataKind = 0;
    int32_t parentKind = 0;
    int32_t subKind = 1;
    SlotIdentity slot;
    int32_t layerIndex = 1;
    // Where the component begins in its slot, in the slot's edit units, and how those become frames
    // of the composition. length and enclosingLength are already in frames.
    int64_t position = 0;
    EditUnitConverter frames;

    // The frames of a component of editUnits that begins at position: 0 for a negative length; one
    // beyond the 32-bit range of the document raises.
    int32_t LengthInFrames(int64_t editUnits) const;
    // The frames from the component's start to an offset into it (a cut point, a fade).
    int64_t OffsetInFrames(int64_t offset) const;
};
