#include "aaf/import/AdjustedClipMobT.h"

#include "aaf/MobId.h"
#include "aaf/import/MasterClipLookup.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SlotPendingReference.h"
#include "aaf/import/TimelineMobSlotT.h"

AdjustedClipMobT::AdjustedClipMobT(const MobEntry& entry) : CompositionMobT(entry) {}

void AdjustedClipMobT::Import()
{
    if (status < 0)
        return;
    ReadSlots();
    if (references.empty())
        return;
    const std::string clipId = LookupMasterClipId(references.front());
    if (!clipId.empty())
        ApplyToMasterClip(clipId);
}

void AdjustedClipMobT::ReadSlots()
{
    for (std::int32_t i = 0; i < slotCount; ++i) {
        TimelineMobSlotT slot(mob, static_cast<aafUInt32>(i));
        SourceReference reference;
        if (ImportSlotReference(slot, frameRate, reference))
            references.push_back(reference);
    }
}

void AdjustedClipMobT::ApplyToMasterClip(const std::string& clipId)
{
    const auto found = MasterClipMap.find(clipId);
    if (found == MasterClipMap.end())
        return;
    FCPClipTag& clip = found->second;
    if (info.markIn != -1) {
        clip.in = info.markIn;
        clip.out = info.markOut != -1 ? info.markOut : clip.duration;
    } else if (info.markOut != -1) {
        clip.in = 0;
        clip.out = info.markOut;
    }
    if (!info.comments.empty())
        clip.AddAafCommentColumns(info.comments);
    // A master clip keeps its own markers when the adjusted clip brings none.
    const std::vector<MarkerInfo> own = CollectMarkers(markers);
    if (!own.empty())
        clip.markers = own;
    MasterClipIdByMob[MobIdToText(info.mobId)] = clipId;
}
