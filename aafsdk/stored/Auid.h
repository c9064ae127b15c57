#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <span>
#include <string>

namespace aafsdk {

// A 16-byte AUID exactly as stored (Data1, Data2, Data3 little-endian, then Data4). Compared as raw
// bytes; only the text form decodes the fields.
struct Auid {
    std::array<std::uint8_t, 16> bytes{};

    friend constexpr bool operator==(const Auid&, const Auid&) = default;
    friend constexpr auto operator<=>(const Auid&, const Auid&) = default;

    // Lower-case "dddddddd-eeee-ffff-gggg-hhhhhhhhhhhh".
    std::string ToString() const;
    // Parses the text form; false (and *out untouched) when the text is not one.
    static bool FromString(std::string_view text, Auid* out);
    // The first 16 bytes of a span that the caller has checked to be long enough.
    static Auid FromBytes(std::span<const std::uint8_t> sixteen);
};

}  // namespace aafsdk
