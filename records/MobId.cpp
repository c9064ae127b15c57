#include <cstdio>

#include "records/MobId.h"

std::string MobIdToText(const MobId& id)
{
    char text[80];
    int n = 0;
    for (unsigned char byte : id.label)
        n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), "%02x", byte);
    std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n),
                  "%02x-%02x%02x%02x-%08x%04x%04x-%02x%02x%02x%02x%02x%02x%02x%02x", id.length, id.instanceHigh,
                  id.instanceMid, id.instanceLow, static_cast<unsigned>(id.material.Data1),
                  static_cast<unsigned>(id.material.Data2), static_cast<unsigned>(id.material.Data3),
                  id.material.Data4[0], id.material.Data4[1], id.material.Data4[2], id.material.Data4[3],
                  id.material.Data4[4], id.material.Data4[5], id.material.Data4[6], id.material.Data4[7]);
    return text;
}
