#include "aaf/import/MasterClipLookup.h"

#include "aaf/DefinitionNameTables.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/import/NestedSequences.h"
#include "aaf/import/UsageCodes.h"
#include "aaf/MobId.h"
#include "config/TranslationLog.h"
#include "records/MobRegistry.h"

std::string LookupMasterClipId(const SourceReference& reference)
{
    const auto found = MasterClipIdByMob.find(MobIdToText(reference.sourceMobId));
    return found == MasterClipIdByMob.end() ? std::string() : found->second;
}

void RemapAlphaSlot(const FCPClipTag& clip, SourceReference& reference)
{
    if (clip.alphaSlotId != -1 && clip.alphaSlotId == reference.sourceSlotId && !clip.videoSlots.empty())
        reference.sourceSlotId = clip.videoSlots.begin()->first;
}

bool FindSlotItem(const std::map<int, FCPClipItemTag>& slots, FCPClipItemTag& out, int slotId)
{
    const auto found = slots.find(slotId);
    if (found == slots.end())
        return false;
    out = found->second;
    return true;
}

const FCPClipItemTag* FindMasterSlotItem(SourceReference& reference)
{
    const auto clip = MasterClipMap.find(LookupMasterClipId(reference));
    if (clip == MasterClipMap.end())
        return nullptr;
    clip->second.referenced = true;
    RemapAlphaSlot(clip->second, reference);
    const std::map<int, FCPClipItemTag>* slots = nullptr;
    switch (reference.dataKind) {
    case 2: slots = &clip->second.videoSlots; break;
    case 1: slots = &clip->second.audioSlots; break;
    default: return nullptr;
    }
    const auto found = slots->find(reference.sourceSlotId);
    return found == slots->end() ? nullptr : &found->second;
}

bool FindMasterClipItem(SourceReference& reference, FCPClipItemTag& out)
{
    const FCPClipItemTag* item = FindMasterSlotItem(reference);
    if (item == nullptr)
        return false;
    out = *item;
    return true;
}

void UnmarkLowerLevelClip(const SourceReference& reference)
{
    if (MobRegistry::Find(reference.sourceMobId).usageCode != kUsageLowerLevel)
        return;
    const auto clip = MasterClipMap.find(LookupMasterClipId(reference));
    if (clip != MasterClipMap.end())
        clip->second.referenced = false;
}

void MakeUnknownMobSlug(const SourceReference& reference, const ComponentContext& context, FCPClipItemTag& out)
{
    const MobEntry entry = MobRegistry::Find(reference.sourceMobId);
    out = MakeSlugClipItem(context, entry.name.empty() ? "Unknown" : entry.name);
    std::string usage = GetMobUsageName(entry.usageCode);
    if (usage == "UNKNOWN")
        usage = "Unknown";
    out.AddTranslation("---", "Error: Unknown Mob Ref (type: " + entry.kindWord + ", usage: " + usage + ")",
                       "Clip replaced with Slug", kTranslationError);
}
