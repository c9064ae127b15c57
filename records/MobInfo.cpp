#include "records/MobInfo.h"

#include "records/MobRegistry.h"

MobInfo::MobInfo(const MobInfo& other) { *this = other; }

MobInfo& MobInfo::operator=(const MobInfo& other)
{
    if (this == &other)
        return *this;
    name = other.name;
    itemId.clear();
    mediaPath = other.mediaPath;
    mobId = other.mobId;
    usageCode = other.usageCode;
    kind = other.kind;
    comments = other.comments;
    klvData = other.klvData;
    attributes = other.attributes;
    alphaSlotId = other.alphaSlotId;
    length = other.length;
    markIn = other.markIn;
    markOut = other.markOut;
    startTimecode = other.startTimecode;
    otherTimecodes = other.otherTimecodes;
    return *this;
}

void MobInfo::SetMobId(const MobId& id)
{
    mobId = id;
    const MobEntry entry = MobRegistry::Find(id);
    itemId = entry.itemId;
    kind = entry.kind;
}

std::string MobInfo::GetItemId()
{
    if (itemId.empty())
        itemId = MobRegistry::FindItemId(mobId);
    return itemId;
}
