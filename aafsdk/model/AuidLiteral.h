#pragma once

#include <cstddef>
#include <cstdint>
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
        std::size_t h = 1469598103934665603ull;
        for (auto b : id.bytes)
            h = (h ^ b) * 1099511628211ull;
        return h;
    }
};

}  // namespace aafsdk
