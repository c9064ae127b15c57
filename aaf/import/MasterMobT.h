#pragma once

#include <string>
#include <vector>

#include "aaf/import/EventMarkers.h"
#include "aaf/import/MobtT.h"
#include "records/MobEntry.h"
#include "records/MobSourceInfo.h"

// A master mob made into a master clip: the media source of each of its picture and sound slots,
// and the markers of its own event slots.
struct MasterMobT : MobtT {
    // The mob looked up by its MobID; the master-mob interface is queried once it was read
    // (status := the query's result).
    explicit MasterMobT(const MobEntry& entry);
    ~MasterMobT();

    // Each slot's reference followed to its file mob's source chain. A source with a picture that
    // has an alpha component makes its slot the mob's alpha slot and is not listed; the others are
    // listed by the slot's data kind. The media path is that of the last slot that gave one.
    void ReadSlots();
    // The master clip with its file and slot items into MasterClipMap, under the mob in
    // MasterClipIdByMob.
    void BuildMasterClip();
    // Run mode 1: the one media path of the mob recorded in SourcePathMap: the first by byte order
    // of the paths its slots lead to, or with "Import_UseMXFSource" the first picture path among
    // several. A slot without a path records nothing.
    void CollectSourceMedia();

    EventMarkerLists markers;
    IAAFMasterMob* masterMob = nullptr;
    std::vector<MobSourceInfo> pictureSources;
    std::vector<MobSourceInfo> soundSources;
    std::string mediaPath;

private:
    // The slot at the index, its reference (any kind of segment) and the source chain of the mob the
    // reference names, under the slot's ID and length; false when the slot gives no readable source.
    bool ReadSlotSource(std::int32_t index, SlotInfo& slot, SourceReference& reference, MobSourceInfo& chain);
};
