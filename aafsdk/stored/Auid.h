#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <span>
#include <string>
#include <string_view>

namespace aafsdk {

// A 16-byte AUID exactly as stored (Data1, Data2, Data3 little-endian, then Data4). Compared as raw
// bytes; only the text form decodes the fields.
struct Auid {
    std::array<std::uint8_t, 16> bytes{};

    // As two words at run time: AUIDs are compared by the thousand, and a call to memcmp for 16
    // bytes costs more than the comparison.
    friend constexpr bool operator==(const Auid& a, const Auid& b)
    {
        if (std::is_constant_evaluated())
            return a.bytes == b.bytes;
        std::uint64_t a0 = 0, a1 = 0, b0 = 0, b1 = 0;
        std::memcpy(&a0, a.bytes.data(), 8);
        std::memcpy(&a1, a.bytes.data() + 8, 8);
        std::memcpy(&b0, b.bytes.data(), 8);
        std::memcpy(&b1, b.bytes.data() + 8, 8);
        return ((a0 ^ b0) | (a1 ^ b1)) == 0;
    }
    friend constexpr auto operator<=>(const Auid&, const Auid&) = default;

    // Lower-case "dddddddd-eeee-ffff-gggg-hhhhhhhhhhhh".
    std::string ToString() const;
    // Parses the text form; false (and *out untouched) when the text is not one.
    static bool FromString(std::string_view text, Auid* out);
    // The first 16 bytes of a span that the caller has checked to be long enough.
    static Auid FromBytes(std::span<const std::uint8_t> sixteen);
};


// The one parser of the text form, usable at compile time (the _auid literal) and at run time.
namespace detail {
constexpr int AuidHexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr bool ParseAuidText(std::string_view text, Auid& out)
{
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-')
        return false;
    // Text order prints Data1..Data3 most significant byte first; stored order is little-endian.
    constexpr int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    Auid result;
    std::size_t pos = 0;
    for (int i = 0; i < 16; ++i) {
        if (text[pos] == '-')
            ++pos;
        const int hi = AuidHexDigit(text[pos]);
        const int lo = AuidHexDigit(text[pos + 1]);
        if (hi < 0 || lo < 0)
            return false;
        result.bytes[std::size_t(order[i])] = std::uint8_t(hi << 4 | lo);
        pos += 2;
    }
    out = result;
    return true;
}
}  // namespace detail

}  // namespace aafsdk
