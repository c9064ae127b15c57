#include "effects/ResolveClipParameter.h"

#include <cstdint>
#include <limits>

#include "aaf/import/TimelineBuilder.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPClipTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/ItemKind.h"
#include "records/ValueBase.h"

namespace {

// The track the layer offset names, counted from the last track of the current sequence's video.
TrackInfo* LayerTrack(int trackOffset)
{
    auto& sequences = GlobalTimelineBuilder.SequenceStack;
    if (trackOffset <= 0 || sequences.empty())
        return nullptr;
    auto& video = sequences.front().video;
    if (video.empty() || video.front().tracks.empty())
        return nullptr;
    std::vector<TrackInfo>& tracks = video.front().tracks;
    const std::int64_t position = static_cast<std::int64_t>(tracks.size()) - trackOffset;
    if (position < 0 || position >= static_cast<std::int64_t>(tracks.size()))
        return nullptr;
    return &tracks[static_cast<std::size_t>(position)];
}

// The first item of the track that lies under start..end: one starting with it, one it starts
// inside, or one that starts within it right after a gap.
const ItemSlot* ItemUnder(const TrackInfo& track, const TrimValues& current)
{
    int previousKind = 0;
    for (const ItemSlot& slot : track.items) {
        const int kind = GetItemKind(slot);
        if (kind == ItemKindFiller) {
            previousKind = ItemKindFiller;
            continue;
        }
        TrimValues other;
        GetItemTrimValues(slot, other);
        if (other.start == current.start || (other.start < current.start && current.start < other.end) ||
            (current.start < other.start && other.start < current.end && previousKind == ItemKindFiller))
            return &slot;
        previousKind = kind;
    }
    return nullptr;
}

FCPClipTag ClipOf(const ItemSlot& slot)
{
    FCPClipTag clip;
    if (const auto* clipItem = dynamic_cast<const FCPClipItemTag*>(slot.get())) {
        FCPClipItemTag copy(*clipItem);
        copy.SetUniqueId(copy.name);
        TranslationLogEntry::SetItemId(copy.id, copy.log);
        FCPClipTag::InitFromClipItem(copy, clip);
    } else if (const auto* generator = dynamic_cast<const FCPGeneratorItemTag*>(slot.get())) {
        FCPGeneratorItemTag copy(*generator);
        copy.SetUniqueId(copy.name);
        TranslationLogEntry::SetItemId(copy.id, copy.log);
        FCPClipTag::InitFromGeneratorItem(clip, copy);
    }
    clip.ismasterclip = false;
    return clip;
}

}  // namespace

void ResolveClipParameter(ItemSlot& item, ClipParameterValue& record)
{
    if (const auto* layer = dynamic_cast<const IntValue*>(record.source))
        record.trackOffset = layer->value == std::numeric_limits<int>::min() ? layer->value : layer->value - 1;
    if (GetItemKind(item) == ItemKindTransitionItem)
        return;
    const TrackInfo* track = LayerTrack(record.trackOffset);
    if (!track)
        return;
    TrimValues current;
    GetItemTrimValues(item, current);
    const ItemSlot* under = ItemUnder(*track, current);
    if (under)
        record.value.SetNestedClip(ClipOf(*under));
}
