#pragma once

#include <string>

#include "aaf/Auid.h"
#include "aafsdk/include/AAFTypes.h"
#include "records/MobId.h"

// Between our MobID record and the interfaces' identifier, which share one layout.
constexpr MobId ToMobId(const aafMobID_t& id)
{
    MobId out;
    for (int i = 0; i < 12; ++i)
        out.label[i] = id.label[i];
    out.length = id.length;
    out.instanceHigh = id.instanceHigh;
    out.instanceMid = id.instanceMid;
    out.instanceLow = id.instanceLow;
    out.material = ToAuid(id.material);
    return out;
}

constexpr aafMobID_t ToAafMobId(const MobId& id)
{
    aafMobID_t out{{}, id.length, id.instanceHigh, id.instanceMid, id.instanceLow, ToAafUid(id.material)};
    for (int i = 0; i < 12; ++i)
        out.label[i] = id.label[i];
    return out;
}
