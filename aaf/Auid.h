#pragma once

#include <string>

#include "aafsdk/include/AAFTypes.h"
#include "records/Auid.h"

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
