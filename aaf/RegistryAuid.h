#pragma once

#include <cstdint>
#include <string_view>

#include "aafsdk/stored/Auid.h"
#include "records/Auid.h"

// An AUID from its registry form "{60958184-47B1-11D4-A01C-0004AC969F50}" at compile time, so that
// tables can be written in the form the definitions are published in; a malformed text does not
// compile.
consteval Auid RegistryAuid(std::string_view text)
{
    aafsdk::Auid stored;
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' ||
        !aafsdk::detail::ParseAuidText(text.substr(1, 36), stored))
        throw "malformed registry AUID";
    // The stored form holds Data1 to Data3 little-endian.
    const auto& b = stored.bytes;
    Auid id;
    id.Data1 = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
    id.Data2 = static_cast<std::uint16_t>(b[4] | b[5] << 8);
    id.Data3 = static_cast<std::uint16_t>(b[6] | b[7] << 8);
    for (int i = 0; i < 8; ++i)
        id.Data4[i] = b[8 + i];
    return id;
}
