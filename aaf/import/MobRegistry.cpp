#include "aaf/import/MobRegistry.h"

#include "aaf/MobId.h"
#include "fcpxml/MobInfo.h"

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

// The record sits with the document model, which may not reach the registry; its two registry
// lookups are defined here, beside the registry, and only the import calls them.
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
