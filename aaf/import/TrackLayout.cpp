#include "aaf/import/TrackLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "aaf/import/EffectEntryPoints.h"
#include "aaf/import/EventMarkers.h"
#include "aaf/import/TimelineBuilder.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/ParameterInfo.h"
#include "records/ValueBase.h"

namespace {

constexpr int kCodeClip = 1;
constexpr int kCodeGenerator = 2;
constexpr int kCodeTransition = 3;
constexpr int kCodeOther = 4;

// The running state of one layout.
struct LayoutState {
    TrackInfo& track;
    int lastStart = 0;  // where the item (or transition) placed last begins
    int position = 0;   // where the next item begins
    std::vector<int> codes;
};

FCPTransitionItemTag* TransitionAt(TrackInfo& track, std::size_t i)
{
    if (GetItemKind(track.items[i]) != ItemKindTransitionItem)
        return nullptr;
    return static_cast<FCPTransitionItemTag*>(track.items[i].get());
}

// A transition with its cut at its end lies wholly before the cut; before a clip or generator it
// is moved so that its cut lies in its middle.
void AdjustTransitionBefore(LayoutState& state, std::size_t i)
{
    if (i == 0 || state.codes.empty() || state.codes.back() != kCodeTransition)
        return;
    FCPTransitionItemTag* transition = TransitionAt(state.track, i - 1);
    if (transition && transition->alignment == kAlignEnd)
        SetTransitionCutPoint(transition->duration / 2, *transition);
}

// An item that follows a dropped transition begins at the transition's cut.
void ApplyHeadTrims(TrackInfo& track)
{
    for (const auto& [index, frames] : track.headTrims) {
        if (index < 0 || static_cast<std::size_t>(index) >= track.items.size() || frames <= 0)
            continue;
        TrimTagBase* trim = GetItemTrim(track.items[index]);
        if (!trim || GetItemKind(track.items[index]) == ItemKindTransitionItem)
            continue;
        trim->in += std::min(frames, std::max(trim->out - trim->in, 0));
        if (trim->recordLength > 0)
            trim->recordLength -= std::min(frames, trim->recordLength);
    }
}

TrimTagBase* TimedItemAt(TrackInfo& track, std::size_t i)
{
    const int kind = GetItemKind(track.items[i]);
    if (kind != ItemKindClipItem && kind != ItemKindGeneratorItem)
        return nullptr;
    return GetItemTrim(track.items[i]);
}

// A transition cut at its start lies wholly after the cut, so the clip or generator before it must
// end at the cut: the file overlaps that item's tail with the transition, and keeping the tail would
// push everything after the transition its length late. (A gap before such a transition was
// already shortened when the transition was read.) With nothing before it on the track, a
// transition can only lie over the head of the item after it.
void EndItemsAtTheirCuts(TrackInfo& track)
{
    for (std::size_t i = 0; i < track.items.size(); ++i) {
        FCPTransitionItemTag* transition = TransitionAt(track, i);
        if (!transition)
            continue;
        if (i == 0) {
            SetTransitionCutPoint(0, *transition);
            continue;
        }
        TrimTagBase* before = TimedItemAt(track, i - 1);
        if (!before || transition->alignment != kAlignStart || transition->duration <= 0)
            continue;
        before->out -= std::min(transition->duration, std::max(before->out - before->in, 0));
        if (before->recordLength > 0)
            before->recordLength -= std::min(transition->duration, before->recordLength);
    }
}

void ClassifyItems(LayoutState& state)
{
    for (std::size_t i = 0; i < state.track.items.size(); ++i) {
        int code = kCodeOther;
        switch (GetItemKind(state.track.items[i])) {
        case ItemKindTransitionItem: code = kCodeTransition; break;
        case ItemKindClipItem: code = kCodeClip; break;
        case ItemKindGeneratorItem: code = kCodeGenerator; break;
        default: break;
        }
        if (code == kCodeClip || code == kCodeGenerator)
            AdjustTransitionBefore(state, i);
        state.codes.push_back(code);
    }
    state.codes.clear();
}

TransitionEdge EdgeOf(const FCPTransitionItemTag& transition)
{
    return TransitionEdge{transition.alignment, transition.duration};
}

// The transition over the item's start; one that ends at the cut lies before the item.
TransitionEdge TransitionBefore(LayoutState& state, std::size_t i)
{
    if (i == 0)
        return {};
    const FCPTransitionItemTag* transition = TransitionAt(state.track, i - 1);
    if (!transition || transition->alignment == kAlignEnd)
        return {};
    return EdgeOf(*transition);
}

// The transition over the item's end; one that starts at the cut lies after the item.
TransitionEdge TransitionAfter(LayoutState& state, std::size_t i, std::size_t count)
{
    if (i + 1 >= count)
        return {};
    const FCPTransitionItemTag* transition = TransitionAt(state.track, i + 1);
    if (!transition || transition->alignment == kAlignStart)
        return {};
    return EdgeOf(*transition);
}

// How long the item lies on its track: its source range, unless a speed change gives it the
// length of its time-warp group.
int LengthOnTrack(const TrimTagBase& trim)
{
    return trim.recordLength >= 0 ? trim.recordLength : trim.out - trim.in;
}

// The position length frames on; a track beyond the document's 32-bit frame numbers is damage.
int Advanced(int position, int length)
{
    const std::int64_t next = static_cast<std::int64_t>(position) + length;
    if (next > std::numeric_limits<int>::max() || next < std::numeric_limits<int>::min())
        throw std::runtime_error("A track longer than " + std::to_string(std::numeric_limits<int>::max()) +
                                 " frames is beyond what the document holds: the AAF file is damaged");
    return static_cast<int>(next);
}

void PlaceTrim(TrimTagBase& trim, LayoutState& state, const TransitionEdge& startTransition)
{
    const int length = LengthOnTrack(trim);
    if (startTransition.length != -1 && startTransition.alignment != 0) {
        // The item begins where the transition over its start begins.
        trim.start = state.lastStart;
        trim.end = Advanced(state.lastStart, length);
        state.position = trim.end;
    } else {
        trim.start = state.position;
        state.position = Advanced(state.position, length);
        trim.end = state.position;
        state.lastStart = trim.start;
    }
}

TrimValues PlacedValues(const TrimTagBase& trim)
{
    return TrimValues{trim.duration, trim.start, trim.end, trim.in, trim.out};
}

// The Avid names of the effects the translation ignored on the item.
std::string IgnoredTranslationsText(const ItemTagBase& item)
{
    return item.log.ListIgnoredTranslations("avid");
}

// Steps shared by clip and generator items: edges, place, markers; returns the length.
template <typename Item>
int PlaceTimedItem(Item& item, LayoutState& state, std::size_t i, std::size_t count, bool marks)
{
    item.startTransition = TransitionBefore(state, i);
    item.endTransition = TransitionAfter(state, i, count);
    const int length = LengthOnTrack(item);
    PlaceTrim(item, state, item.startTransition);
    if (marks) {
        AddMarkersInRange(item.markers, PlacedValues(item), state.track.slot.slotId, item.layerIndex);
        item.AddMissingEffectsMarker(item.in, length, IgnoredTranslationsText(item));
    }
    return length;
}

void PlaceClipItem(FCPClipItemTag& item, LayoutState& state, std::size_t i, std::size_t count)
{
    // A still (the nested copy a freeze frame makes) takes no markers of its own.
    const bool still = item.stillframe || item.stillframeoffset != -1;
    const int length = PlaceTimedItem(item, state, i, count, !still);
    if (!item.nestedSequences.empty() && !item.freezeFrame) {
        item.duration = length;
        item.in = 0;
        item.out = length;
        item.CopyMarkersToNestedSequences();
    }
}

void PlaceGeneratorItem(FCPGeneratorItemTag& item, LayoutState& state, std::size_t i, std::size_t count)
{
    PlaceTimedItem(item, state, i, count, true);
}

void PlaceTransition(FCPTransitionItemTag& transition, LayoutState& state)
{
    if (transition.alignment == kAlignStart) {
        transition.start = state.position;
        transition.end = Advanced(state.position, transition.duration);
        state.lastStart = transition.start;
        state.position = transition.end;
    } else {
        // It lies over the tail of the item before it, and never reaches before the track's start.
        transition.end = state.position;
        transition.start = std::max(0, Advanced(state.position, -transition.duration));
        state.lastStart = transition.start;
    }
}

void PlaceFiller(FCPFillerTag& filler, LayoutState& state)
{
    filler.start = state.position;
    state.position = Advanced(state.position, filler.out - filler.in);
    filler.end = state.position;
    state.lastStart = filler.start;
}

void PlaceItems(LayoutState& state)
{
    const std::size_t count = state.track.items.size();
    for (std::size_t i = 0; i < count; ++i) {
        ItemTagBase* item = state.track.items[i].get();
        switch (GetItemKind(state.track.items[i])) {
        case ItemKindClipItem: PlaceClipItem(*static_cast<FCPClipItemTag*>(item), state, i, count); break;
        case ItemKindGeneratorItem:
            PlaceGeneratorItem(*static_cast<FCPGeneratorItemTag*>(item), state, i, count);
            break;
        case ItemKindTransitionItem: PlaceTransition(*static_cast<FCPTransitionItemTag*>(item), state); break;
        case ItemKindFiller: PlaceFiller(*static_cast<FCPFillerTag*>(item), state); break;
        default: break;
        }
    }
}

void ConvertDeferredParameter(EffectInfo& effect, ItemSlot& item,
                              const std::vector<ParameterRecord>& records)
{
    for (const ParameterRecord& record : records) {
        if (record.constantValues.empty())
            continue;
        ParameterInfo parameter;
        parameter.name = record.mapping.fcp.name;
        parameter.parameterid = MakeInputParameterName(record.mapping.fcp);
        ClipParameterValue conversion;
        conversion.source = record.constantValues.front();
        conversion.mapping = record.mapping;
        if (RegisteredEffectEntryPoints.resolveClipParameter)
            RegisteredEffectEntryPoints.resolveClipParameter(item, conversion);
        if (conversion.value.IsSet())
            parameter.values.push_back(conversion.value);
        if (parameter.HasValuesOrKeyframes())
            effect.parameters.push_back(parameter);
    }
}

template <typename Item>
void ConvertOnFilters(Item& item, ItemSlot& slot, int filterIndex,
                      const std::vector<ParameterRecord>& records)
{
    if (static_cast<std::size_t>(filterIndex) < item.filters.size())
        ConvertDeferredParameter(item.filters[filterIndex].effect, slot, records);
}

// Layer parameters name clips on other tracks, which exist only once the earlier tracks are laid
// out.
void ResolveDeferredParameters(TrackInfo& track)
{
    for (const auto& [index, deferred] : track.parameterItems) {
        if (!deferred || index < 0 || static_cast<std::size_t>(index) >= track.items.size())
            continue;
        ItemSlot& slot = track.items[index];
        const auto* layered = dynamic_cast<const WellLayerBase*>(slot.get());
        if (!layered)
            continue;
        const std::map<int, std::vector<ParameterRecord>> pending = layered->layerParameters;
        for (const auto& [filterIndex, records] : pending) {
            if (filterIndex < 0)
                continue;
            ItemTagBase* item = slot.get();
            if (auto* clip = dynamic_cast<FCPClipItemTag*>(item)) {
                ConvertOnFilters(*clip, slot, filterIndex, records);
            } else if (auto* generator = dynamic_cast<FCPGeneratorItemTag*>(item)) {
                ConvertOnFilters(*generator, slot, filterIndex, records);
            } else if (auto* transition = dynamic_cast<FCPTransitionItemTag*>(item)) {
                if (!transition->effects.empty())
                    ConvertDeferredParameter(transition->effects.front(), slot, records);
            }
        }
    }
}

}  // namespace

void LayOutTrack(TrackInfo& track)
{
    if (track.laidOut)
        return;
    ApplyHeadTrims(track);
    LayoutState state{track, 0, 0, {}};
    ClassifyItems(state);
    EndItemsAtTheirCuts(track);
    PlaceItems(state);
    track.laidOut = true;
    ResolveDeferredParameters(track);
}
