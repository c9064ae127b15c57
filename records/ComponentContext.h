#pragma once

#include <cstdint>
#include <string>

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
};
