#include "aaf/import/ImportDriver.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "aaf/Auid.h"
#include "aaf/CheckHResult.h"
#include "aaf/HeldInterface.h"
#include "aaf/import/BuildTopLevelSequence.h"
#include "aaf/import/EditRateConversion.h"
#include "aaf/import/EventMarkers.h"
#include "aaf/import/FileT.h"
#include "aaf/import/ImportAdjustedClipMob.h"
#include "aaf/import/ImportBins.h"
#include "aaf/import/ImportMasterMob.h"
#include "aaf/import/ImportSubclipMob.h"
#include "aaf/import/MasterClipLinks.h"
#include "aaf/import/MobListing.h"
#include "aaf/import/MobtT.h"
#include "aaf/import/SourceClipReferences.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/import/UsageCodes.h"
#include "aaf/MobId.h"
#include "records/MobRegistry.h"

namespace {

constexpr const char* kImportBinName = "AAF Import";
// The container a system writes beside its sequences; it is no sequence of the edit.
constexpr const char* kPrecomputeContainerName = "Precompute Sequence Container";

// One mob's import on empty builder stacks, which it leaves empty: a track or item that one mob's
// import leaves open (an adjusted clip or subclip opens tracks without a sequence to close them into)
// must not reach the next mob's timeline.
void ImportOneMob(const MobEntry& entry, void (*import)(const MobEntry&))
{
    EmptyTimelineBuilderStacks();
    import(entry);
    EmptyTimelineBuilderStacks();
}

}  // namespace

void ImportProject(const EffectEntryPoints& effects)
{
    UseEffectEntryPoints(effects);
    MobLists lists;
    BuildProjectFromMobs(lists);
}

void BuildProjectFromMobs(MobLists& lists)
{
    if (FileHeader == nullptr)
        return;
    SortMobsByKind(lists);
    FindProjectFrameRate(lists);
    ImportMasterMobs(lists);
    ImportAdjustedClipMobs(lists);
    ImportSubclipMobs(lists);
    AddBin(kImportBinName);
    ImportTopLevelMobs(lists);
    MarkMasterClipsNamedByItems();
    AddMasterClipsToBin();
    ClearMasterClipIdsWithoutClip();
}

void SortMobsByKind(MobLists& lists)
{
    CollectMobsOfKind(lists, kMobKindComposition, kCompositionKindWord);
    for (const MobKindWord& kind : kSourceMobKindWords)
        CollectMobsOfKind(lists, kind.kind, kind.word);
    if (lists.topLevel.empty())
        FileUnreferencedCompositionsAsTopLevel(lists);
}

aafNumSlots_t CountAndEnumerateMobs(MobKind kind, IEnumAAFMobs** mobs)
{
    aafNumSlots_t count = 0;
    // A count that cannot be read would turn the file into an empty document reported as success.
    CheckHResult("CountMobs", CheckNotNull(FileHeader, "HeaderR: GetNumMobs")->CountMobs(kind, &count),
                 kAafCallFailed);
    aafSearchCrit_t criterion{};
    criterion.searchTag = kAAFByMobKind;
    criterion.tags.mobKind = kind;
    MobtT::GetMobIter(FileHeader, mobs, &criterion);
    return count;
}

void CollectMobsOfKind(MobLists& lists, MobKind kind, const std::string& word)
{
    Held<IEnumAAFMobs> mobs;
    const aafNumSlots_t count = CountAndEnumerateMobs(kind, mobs.out());
    for (aafNumSlots_t i = 0; i < count; ++i) {
        const MobListing mob(mobs.get());
        if (mob.status < 0)
            continue;
        MobEntry entry(kind, mob.usageCode, mob.name, mob.mobId);
        entry.SetKindLabel(word, static_cast<int>(i + 1));
        MobRegistry::Register(entry);
        if (kind == kMobKindComposition)
            FileCompositionByUsage(entry, lists);
        else if (kind == kMobKindMaster)
            lists.masters.push_back(entry);
    }
}

void FileCompositionByUsage(const MobEntry& entry, MobLists& lists)
{
    const Auid& usage = entry.usageCode;
    if (AuidEquals(usage, kUsageTopLevel))
        lists.topLevel.push_back(entry);
    else if (AuidEquals(usage, kUsageSubclip))
        lists.subclips.push_back(entry);
    else if (AuidEquals(usage, kUsageAdjustedClip))
        lists.adjustedClips.push_back(entry);
    else if (AuidEquals(usage, kUsageLowerLevel))
        lists.lowerLevel.push_back(entry);
    else if (AuidEquals(usage, kUsageTemplate))
        lists.templates.push_back(entry);
    else
        lists.other.push_back(entry);
}

void FileUnreferencedCompositionsAsTopLevel(MobLists& lists)
{
    const auto withoutUsage = [](const MobEntry& entry) { return AuidEquals(entry.usageCode, Auid()); };
    if (std::none_of(lists.other.begin(), lists.other.end(), withoutUsage))
        return;
    const std::set<std::string> referenced = CollectMobsReferencedBySourceClips();
    std::vector<MobEntry> rest;
    for (MobEntry& entry : lists.other) {
        if (withoutUsage(entry) && referenced.count(MobIdToText(entry.mobId)) == 0)
            lists.topLevel.push_back(entry);
        else
            rest.push_back(entry);
    }
    lists.other = std::move(rest);
}

void FindProjectFrameRate(const MobLists& lists)
{
    ResetProjectFrameRate();
    if (lists.topLevel.empty())
        return;
    const MobtT first(lists.topLevel.front().mobId);
    if (first.status >= 0)
        SetProjectFrameRate(first.frameRate);
}

void ImportMasterMobs(MobLists& lists)
{
    for (const MobEntry& entry : lists.masters) {
        ImportOneMob(entry, ImportMasterMob);
        ClearEventMarkerMap();
    }
}

void ImportAdjustedClipMobs(MobLists& lists)
{
    for (const MobEntry& entry : lists.adjustedClips) {
        ImportOneMob(entry, ImportAdjustedClipMob);
        ClearEventMarkerMap();
    }
}

void ImportSubclipMobs(MobLists& lists)
{
    for (const MobEntry& entry : lists.subclips)
        ImportOneMob(entry, ImportSubclipMob);
}

void ImportTopLevelMobs(MobLists& lists)
{
    for (const MobEntry& entry : lists.topLevel) {
        if (entry.name != kPrecomputeContainerName)
            ImportOneMob(entry, BuildTopLevelSequence);
    }
}
