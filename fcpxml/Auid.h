#pragma once

#include <compare>
#include <cstdint>

// A 16-byte AAF identifier in the SDK's in-memory layout. A plain value: copied byte for byte.
struct Auid {
    uint32_t Data1 = 0;
    uint16_t Data2 = 0;
    uint16_t Data3 = 0;
    uint8_t Data4[8] = {0, 0, 0, 0, 0, 0, 0, 0};

    // Field by field, unsigned, Data4 byte by byte: the order of every map keyed by an AUID.
    friend constexpr auto operator<=>(const Auid&, const Auid&) = default;
    friend constexpr bool operator==(const Auid&, const Auid&) = default;
};
