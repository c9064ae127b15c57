#pragma once

#include <string>

#include "aafsdk/include/AAFTypes.h"
#include "fcpxml/Auid.h"

// True when all sixteen bytes are equal.
constexpr bool AuidEquals(const Auid& a, const Auid& b) { return a == b; }

// The strict order of every map keyed by an AUID: Data1, Data2, Data3 unsigned, then Data4 bytes.
constexpr bool AuidLess(const Auid& a, const Auid& b) { return a < b; }

// "{0x60958184, 0x47b1, 0x11d4, {0xa0, 0x1c, 0x00, 0x04, 0xac, 0x96, 0x9f, 0x50}}".
std::string AuidToText(const Auid& id);

// Between our AUID record and the interfaces' identifier, which share one layout.
constexpr Auid ToAuid(const aafUID_t& id)
{
    Auid out;
    out.Data1 = id.Data1;
    out.Data2 = id.Data2;
    out.Data3 = id.Data3;
    for (int i = 0; i < 8; ++i)
        out.Data4[i] = id.Data4[i];
    return out;
}

constexpr aafUID_t ToAafUid(const Auid& id)
{
    aafUID_t out{id.Data1, id.Data2, id.Data3, {}};
    for (int i = 0; i < 8; ++i)
        out.Data4[i] = id.Data4[i];
    return out;
}
