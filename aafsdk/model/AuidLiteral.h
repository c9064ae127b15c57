#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "aafsdk/stored/Auid.h"

namespace aafsdk {


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
        // Two words mixed: the model looks AUIDs up by the thousand, and labels differ mostly in
        // their first eight bytes while sharing the last eight.
        std::uint64_t a = 0, b = 0;
        std::memcpy(&a, id.bytes.data(), 8);
        std::memcpy(&b, id.bytes.data() + 8, 8);
        std::uint64_t h = a ^ (b * 0x9e3779b97f4a7c15ull);
        h ^= h >> 32;
        h *= 0xd6e8feb86659fd93ull;
        h ^= h >> 32;
        return static_cast<std::size_t>(h);
    }
};

}  // namespace aafsdk
