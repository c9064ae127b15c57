#pragma once

#include <cstdint>
#include <map>

#include "aaf/import/CompositionMobT.h"
#include "aaf/import/EventMarkers.h"
#include "fcpxml/FCPClipTag.h"
#include "records/SourceReference.h"

// A subclip: a composition that cuts part of a master clip, made into a clip of its own whose slot
// items are subclip items of the master clip's.
struct SubclipMobT : CompositionMobT {
    explicit SubclipMobT(const MobEntry& entry);

    // Markers, slots and the clip, filed in MasterClipMap under the mob.
    void Import();
    // The reference each readable picture or sound slot's segment leaves, by slot ID.
    void ReadSlots();
    // The clip from the mob's record, comments and markers, with its subclip items.
    void BuildClip();

    EventMarkerLists markers;
    FCPClipTag clip;
    std::map<std::int32_t, SourceReference> pictureRefs;
    std::map<std::int32_t, SourceReference> soundRefs;
};

// One subclip item per reference whose master clip has the slot, filed by its media type.
void AddSubclipItems(SubclipMobT& subclip, const std::map<std::int32_t, SourceReference>& refs);

// The master clip's slot item cut to the reference's part of its file and named after the
// subclip; false when the reference finds no slot item.
bool MakeSubclipItem(SubclipMobT& subclip, SourceReference reference, std::int32_t slotId, FCPClipItemTag& item);
