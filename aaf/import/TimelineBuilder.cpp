#include "aaf/import/TimelineBuilder.h"

#include <iterator>
#include <utility>
#include <vector>

#include "aaf/import/NestedSequences.h"
#include "aaf/import/TrackLayout.h"
#include "aaf/import/TranslationLogCollection.h"
#include "config/ImportPreferences.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/FCPTransitionItemTag.h"

TimelineBuilder GlobalTimelineBuilder;
ImportTraversalLists GlobalImportTraversalLists;

namespace {

TimelineBuilder& Builder() { return GlobalTimelineBuilder; }

template <typename Item, typename Copy>
void PushItemCopy(const Item& item, Copy copy)
{
    Builder().ItemStack.emplace_front();
    copy(Builder().ItemStack.front(), item);
}

}  // namespace

void ResetTimelineBuilder()
{
    Builder().SequenceStack.clear();
    Builder().TrackStack.clear();
}

void EmptyTimelineBuilderStacks()
{
    ResetTimelineBuilder();
    Builder().ItemStack.clear();
}

void ClearImportTraversalLists()
{
    GlobalImportTraversalLists.PendingSourceReferences.clear();
    GlobalImportTraversalLists.TaggedValueMaps.clear();
}

void OpenTrack(const ComponentContext& context)
{
    TrackInfo track(context.dataKind);
    const auto& sequences = Builder().SequenceStack;
    SetTrackIndexFromSequence(track, sequences.empty() ? nullptr : &sequences.front());
    track.slot = context.slot;
    Builder().TrackStack.push_front(std::move(track));
}

void CloseTrack()
{
    TimelineBuilder& builder = Builder();
    if (builder.SequenceStack.empty() || builder.TrackStack.empty())
        return;
    TrackInfo& track = builder.TrackStack.front();
    FCPSequenceTag& sequence = builder.SequenceStack.front();
    // The track is dropped below, so the sequence takes it over rather than a copy.
    if (track.mediaType == 1) {
        if (!ImportPrefs.ignoreAudio) {
            LayOutTrack(track);
            sequence.AddAudioTrack(std::move(track));
        }
    } else if (track.mediaType == 2) {
        if (!ImportPrefs.ignoreVideo) {
            LayOutTrack(track);
            sequence.AddVideoTrack(std::move(track));
        }
    } else {
        LayOutTrack(track);
    }
    builder.TrackStack.pop_front();
}

void PushClipItem(const FCPClipItemTag& item) { PushItemCopy(item, NewClipItemCopy); }
void PushClipItem(FCPClipItemTag&& item)
{
    Builder().ItemStack.emplace_front(new FCPClipItemTag(std::move(item)));
}
void PushGeneratorItem(const FCPGeneratorItemTag& item) { PushItemCopy(item, NewGeneratorItemCopy); }
void PushTransitionItem(const FCPTransitionItemTag& item) { PushItemCopy(item, NewTransitionItemCopy); }
void PushFillerItem(const FCPFillerTag& item) { PushItemCopy(item, NewFillerCopy); }

void MoveItemToTrack()
{
    TimelineBuilder& builder = Builder();
    if (builder.TrackStack.empty() || builder.ItemStack.empty())
        return;
    builder.TrackStack.front().items.push_back(std::move(builder.ItemStack.front()));
    builder.ItemStack.pop_front();
}

void MoveCurrentItemToTrack() { MoveItemToTrack(); }

std::size_t ItemStackDepth() { return Builder().ItemStack.size(); }

std::size_t ItemsPushedSince(std::size_t depth)
{
    const std::size_t size = ItemStackDepth();
    return size > depth ? size - depth : 0;
}

void MoveItemsToTrack(std::size_t depth)
{
    TimelineBuilder& builder = Builder();
    if (builder.TrackStack.empty())
        return;
    std::list<ItemSlot> pushed;
    pushed.splice(pushed.begin(), builder.ItemStack, builder.ItemStack.begin(),
                  std::next(builder.ItemStack.begin(), static_cast<std::ptrdiff_t>(ItemsPushedSince(depth))));
    std::vector<ItemSlot>& items = builder.TrackStack.front().items;
    // The oldest lies deepest.
    for (auto item = pushed.rbegin(); item != pushed.rend(); ++item)
        items.push_back(std::move(*item));
}

void ForEachItemPushedSince(std::size_t depth, const std::function<void()>& apply)
{
    std::list<ItemSlot>& stack = Builder().ItemStack;
    std::vector<std::list<ItemSlot>::iterator> pushed;
    for (auto item = stack.begin(); pushed.size() < ItemsPushedSince(depth); ++item)
        pushed.push_back(item);
    for (auto item = pushed.rbegin(); item != pushed.rend(); ++item) {
        const auto after = std::next(*item);
        const ItemSlot* current = &**item;
        stack.splice(stack.begin(), stack, *item);
        apply();
        if (stack.empty() || &stack.front() != current)
            return;
        stack.splice(after, stack, stack.begin());
    }
}

void CloseNestedSequence()
{
    TimelineBuilder& builder = Builder();
    if (builder.ItemStack.empty() || builder.SequenceStack.empty())
        return;
    auto* item = dynamic_cast<FCPClipItemTag*>(builder.ItemStack.front().get());
    if (!item)
        return;
    // Logged first, as PopSequence would, so that the sequence moves into the item.
    LogTopSequence();
    item->nestedSequences.push_back(std::move(builder.SequenceStack.front()));
    builder.SequenceStack.pop_front();
}

void PopSequence()
{
    if (Builder().SequenceStack.empty())
        return;
    LogTopSequence();
    Builder().SequenceStack.pop_front();
}

ItemSlot* CurrentItemSlot()
{
    auto& items = Builder().ItemStack;
    return items.empty() ? nullptr : &items.front();
}

void AddTranslationToCurrentItem(TranslationStatus status, const std::string& fcpName,
                                 const std::string& avidName, const std::string& action)
{
    if (Builder().ItemStack.empty())
        return;
    AddItemTranslation(fcpName, avidName, action, Builder().ItemStack.front(), status);
}

void AddGapFiller(const ComponentContext& context)
{
    TimelineBuilder& builder = Builder();
    if (builder.TrackStack.empty())
        return;
    int length = context.length;
    std::vector<ItemSlot>& items = builder.TrackStack.front().items;
    if (!items.empty()) {
        if (auto* transition = dynamic_cast<FCPTransitionItemTag*>(items.back().get())) {
            // The transition already covers that much of the gap.
            length -= transition->duration;
            if (transition->alignment == kAlignCentre)
                SetTransitionCutPoint(transition->duration, *transition);
            // A gap no longer than the transition fills nothing, but it stays as an empty filler:
            // it keeps the transition ending at the cut, where a following clip would otherwise
            // pull it over its own head and start early.
            if (length < 0)
                length = 0;
        }
    }
    FCPFillerTag filler(length);
    filler.mediaType = context.dataKind;
    filler.layerIndex = context.layerIndex;
    PushFillerItem(filler);
}

void AddGapTrack(const ComponentContext& context)
{
    OpenTrack(context);
    AddGapFiller(context);
    MoveItemToTrack();
    CloseTrack();
}

void PushFillerClipItem(const ComponentContext& context)
{
    PushClipItem(MakeSlugClipItem(context, "Filler"));
}

void SetTransitionCutPoint(int cutPoint, FCPTransitionItemTag& transition)
{
    transition.alignment = TransitionAlignmentFromCutPoint(transition.duration, cutPoint);
}

void PushPendingSourceReference(const SourceReference& reference)
{
    GlobalImportTraversalLists.PendingSourceReferences.push_front(reference);
}
