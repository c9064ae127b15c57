#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "records/Auid.h"

// A 32-byte AAF mob identifier in the SDK's in-memory layout. A plain value: copied as 32 bytes.
struct MobId {
    uint8_t label[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    uint8_t length = 0;
    uint8_t instanceHigh = 0;
    uint8_t instanceMid = 0;
    uint8_t instanceLow = 0;
    Auid material;

    friend constexpr auto operator<=>(const MobId&, const MobId&) = default;
    friend constexpr bool operator==(const MobId&, const MobId&) = default;
};

// 67 lower-case hexadecimal digits in four groups: label and length, instance, the material's
// Data1 to Data3, the material's Data4. Keys the mob registry.
std::string MobIdToText(const MobId& id);
