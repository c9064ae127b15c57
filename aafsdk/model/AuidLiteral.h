#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "aafsdk/stored/Auid.h"

namespace aafsdk {

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

inline namespace literals {
// "0d010101-0101-2f00-060e-2b3402060101"_auid; a malformed literal does not compile.
consteval Auid operator""_auid(const char* text, std::size_t size)
{
    Auid result;
    if (!detail::ParseAuidText(std::string_view(text, size), result))
        throw "malformed AUID literal";
    return result;
}
}  // namespace literals

// For unordered containers keyed by AUID.
struct AuidHash {
    std::size_t operator()(const Auid& id) const noexcept
    {
        std::size_t h = 1469598103934665603ull;
        for (auto b : id.bytes)
            h = (h ^ b) * 1099511628211ull;
        return h;
    }
};

}  // namespace aafsdk
