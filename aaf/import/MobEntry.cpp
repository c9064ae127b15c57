#include "records/MobEntry.h"

MobEntry::MobEntry(std::int32_t mobKind, const Auid& usage, const std::string& mobName, const MobId& id)
    : mobId(id), kind(mobKind), usageCode(usage), name(mobName)
{
}

void MobEntry::SetKindLabel(const std::string& word, int n)
{
    kindWord = word;
    itemId = word + "_MOB_" + std::to_string(n);
}
