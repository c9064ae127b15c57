#include "records/MobRegistry.h"

std::map<std::string, MobEntry> MobRegistry::entries;

MobEntry MobRegistry::Find(const MobId& id)
{
    const auto found = entries.find(MobIdToText(id));
    return found != entries.end() ? found->second : MobEntry();
}

std::string MobRegistry::FindItemId(const MobId& id)
{
    const auto found = entries.find(MobIdToText(id));
    return found != entries.end() ? found->second.itemId : std::string();
}

void MobRegistry::Register(const MobEntry& entry)
{
    entries[MobIdToText(entry.mobId)] = entry;
}

void MobRegistry::Clear()
{
    entries.clear();
}
