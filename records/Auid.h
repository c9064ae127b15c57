#pragma once

#include <compare>
#include <cstdint>
#include <string>

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

// True when all sixteen bytes are equal.
constexpr bool AuidEquals(const Auid& a, const Auid& b) { return a == b; }

// The strict order of every map keyed by an AUID: Data1, Data2, Data3 unsigned, then Data4 bytes.
constexpr bool AuidLess(const Auid& a, const Auid& b) { return a < b; }

// "{0x60958184, 0x47b1, 0x11d4, {0xa0, 0x1c, 0x00, 0x04, 0xac, 0x96, 0x9f, 0x50}}".
std::string AuidToText(const Auid& id);
