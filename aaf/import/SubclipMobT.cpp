#include "aaf/import/SubclipMobT.h"

#include <utility>

#include "aaf/MobId.h"
#include "aaf/import/DataT.h"
#include "aaf/import/MasterClipLookup.h"
#include "aaf/import/MasterClipMap.h"
#include "aaf/import/ReadEventMarkers.h"
#include "aaf/import/SlotPendingReference.h"
#include "aaf/import/TimelineMobSlotT.h"

SubclipMobT::SubclipMobT(const MobEntry& entry) : CompositionMobT(entry) {}

void SubclipMobT::Import()
{
    if (status < 0)
        return;
    ReadEventMarkers(slotCount, markers, mob, frameRate);
    ReadSlots();
    BuildClip();
    MasterClipIdByMob[MobIdToText(info.mobId)] = clip.id;
    MasterClipMap[clip.id] = clip;
    ClearEventMarkerMap();
}

void SubclipMobT::ReadSlots()
{
    for (std::int32_t i = 0; i < slotCount; ++i) {
        TimelineMobSlotT slot(mob, static_cast<aafUInt32>(i));
        SourceReference reference;
        if (!ImportSlotReference(slot, frameRate, reference))
            continue;
        if (slot.info.dataKind == kDataKindPicture)
            pictureRefs[slot.info.slotId] = reference;
        else if (slot.info.dataKind == kDataKindSound)
            soundRefs[slot.info.slotId] = reference;
    }
}

void SubclipMobT::BuildClip()
{
    clip.FillFromMobInfo(info, info.GetItemId());
    clip.SetSubclipMasterId(clip.id);
    clip.AddAafCommentColumns(info.comments);
    clip.markers = CollectMarkers(markers);
    AddSubclipItems(*this, pictureRefs);
    AddSubclipItems(*this, soundRefs);
}

void AddSubclipItems(SubclipMobT& subclip, const std::map<std::int32_t, SourceReference>& refs)
{
    for (const auto& [slotId, reference] : refs) {
        FCPClipItemTag item;
        if (!MakeSubclipItem(subclip, reference, slotId, item))
            continue;
        if (item.mediaType == kDataKindPicture)
            subclip.clip.videoSlots[slotId] = std::move(item);
        else if (item.mediaType == kDataKindSound)
            subclip.clip.audioSlots[slotId] = std::move(item);
    }
}

bool MakeSubclipItem(SubclipMobT& subclip, SourceReference reference, std::int32_t slotId, FCPClipItemTag& item)
{
    if (!FindMasterClipItem(reference, item))
        return false;
    const FCPClipTag& clip = subclip.clip;
    item.AssignSlotId(slotId, subclip.info.GetItemId());
    item.name = subclip.info.name;
    item.AppendMasterComments(clip.comments.mastercomment1, clip.comments.mastercomment2,
                              clip.comments.mastercomment3, clip.comments.mastercomment4);
    SubclipInfo info;
    const auto start = static_cast<std::int32_t>(reference.startTime);
    info.startoffset = start;
    info.endoffset = item.GetFileDuration() - start - clip.duration;
    info.length = clip.duration;
    item.MakeSubclip(info, clip.id);
    return true;
}
