#include "effects/EffectT.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "aaf/HeldInterface.h"
#include "aaf/import/ComponentT.h"
#include "aaf/import/NestedSequences.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SegmentReader.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/ObjectT.h"
#include "config/MediaSettings.h"
#include "effects/EffectIds.h"
#include "fcpxml/CommentText.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/ItemKind.h"
#include "fcpxml/ItemSlot.h"
#include "records/FloatToInt.h"

namespace {

bool IsTitle(const Auid& operation)
{
    return operation == kTitleToolText || operation == kTitle2 || operation == kTitle3;
}

// The number at the start of the text, as atoi reads it; 0 for text that is no number, and held to
// the int range.
std::int32_t LeadingInteger(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

// Stores the integer of the tag's text when the map holds the tag.
void ReadRateTag(const std::map<std::string, TaggedValueEntry>& tags, const char* tag, std::int32_t& field)
{
    const auto found = tags.find(tag);
    if (found == tags.end())
        return;
    CommentText comment;
    TaggedValueToCommentText(found->second, comment);
    field = LeadingInteger(comment.text);
}

// Whether the group's input at index is a sequence.
bool InputIsSequence(IAAFOperationGroup* group, std::int32_t index)
{
    if (group == nullptr || index < 0)
        return false;
    Held<IAAFSegment> segment;
    if (!Obtained(group->GetInputSegmentAt(static_cast<aafUInt32>(index), segment.out()), segment))
        return false;
    Held<IAAFSequence> sequence;
    return segment->QueryInterface(IID_IAAFSequence, reinterpret_cast<void**>(sequence.out())) >= 0 &&
           static_cast<bool>(sequence);
}

// A speed change plays its input's source range over the group's own length: the item lies on its
// track where the group does, whatever range of its source it shows.
void PlaceOnTrackAsGroup(ItemSlot& item, std::int32_t groupLength)
{
    const int kind = GetItemKind(item);
    if (kind != ItemKindClipItem && kind != ItemKindGeneratorItem)
        return;
    if (auto* trim = dynamic_cast<TrimTagBase*>(item.get()))
        trim->recordLength = std::max(groupLength, 0);
}

// The input of a speed change plays at another speed, so it covers its own length of its source,
// not the group's; an input whose length cannot be read keeps the group's.
std::int32_t OwnLengthOfInput(IAAFSegment* segment, const ComponentContext& input)
{
    Held<IAAFComponent> component;
    if (GetInterface(component.out(), IID_IAAFComponent, "IID_IAAFComponent", segment) < 0)
        return input.length;
    const std::int64_t length = ComponentT::GetLength(component.get());
    return length > 0 ? input.LengthInFrames(length) : input.length;
}

}  // namespace

void SetPendingReferenceLength(std::int32_t length)
{
    auto& pending = GlobalImportTraversalLists.PendingSourceReferences;
    if (!pending.empty() && pending.front().length == 0)
        pending.front().length = length;
}

std::int32_t EffectT::Import()
{
    if (status < 0)
        return status;
    ReadParameters();
    switch (context.parentKind) {
    case kParentEffectInput:
    case kParentSequenceComponent:
        ImportEffect();
        break;
    case kParentClipMobSlot:
        // Effects inside adjusted clips are not carried over; their source still is.
        ImportLastInput(context.subKind, kParentClipMobSlot);
        SetPendingReferenceLength(context.length);
        break;
    case kParentTimelineSlot: {
        OpenTrack(context);
        const std::size_t depth = ItemStackDepth();
        ImportEffect();
        MoveItemsToTrack(depth);
        CloseTrack();
        break;
    }
    default:
        break;
    }
    return status;
}

void EffectT::ImportEffect()
{
    // The title's input is read as the title's clip.
    if (IsTitle(id))
        context.subKind = 8;
    if (id == kSubmaster) {
        ImportCollapsedLayers();
        AddCommentsToCurrentItem(CurrentItemSlot());
    } else {
        const std::size_t depth = ItemStackDepth();
        // A pan over a sequence at track level fills the track opened for it, gaps and
        // transitions in place. Anywhere else a pan's input is read like any effect's, so its
        // clips stay on the track that holds the pan, where the file puts them.
        const bool ownTrack = id == kMonoAudioPan && context.parentKind == kParentTimelineSlot &&
                              InputIsSequence(group, inputCount - 1);
        ImportLastInput(context.subKind, ownTrack ? kParentEffectInputOwnTrack : kParentEffectInput);
        // Over an input of several items, each keeps the length of its own source.
        if (isTimeWarp && ItemsPushedSince(depth) == 1)
            PlaceOnTrackAsGroup(GlobalTimelineBuilder.ItemStack.front(), context.length);
        ReadMixMatchRates();
        TranslateInputItems(depth);
    }
    GlobalImportTraversalLists.TaggedValueMaps.clear();
}

void EffectT::TranslateInputItems(std::size_t depth)
{
    // One item, or a pan that filled a track of its own (it covers that track's clips).
    if (ItemsPushedSince(depth) <= 1) {
        coveredStart = 0;
        TranslateEffect();
        AddCommentsToCurrentItem(CurrentItemSlot());
        return;
    }
    // An input of several components: the effect covers each of their clips, as it would cover one,
    // each from where it starts within the input (after the items before it).
    std::int64_t start = 0;
    ForEachItemPushedSince(depth, [this, &start] {
        const ItemSlot& item = GlobalTimelineBuilder.ItemStack.front();
        const int kind = GetItemKind(item);
        TrimValues trim;
        GetItemTrimValues(item, trim);
        coveredStart = FloatToInt(static_cast<double>(start));
        if (kind != ItemKindTransitionItem)
            start += std::max(std::int64_t{trim.out} - trim.in, std::int64_t{0});
        if (kind != ItemKindClipItem && kind != ItemKindGeneratorItem)
            return;
        TranslateEffect();
        AddCommentsToCurrentItem(CurrentItemSlot());
    });
    coveredStart = 0;
}

void EffectT::ImportInputSegment(std::int32_t index, std::int32_t subKind, std::int32_t parentKind)
{
    if (index < 0 || group == nullptr)
        return;
    ComponentContext input = context;
    input.parentKind = parentKind;
    input.subKind = subKind;
    Held<IAAFSegment> segment;
    if (!Obtained(group->GetInputSegmentAt(static_cast<aafUInt32>(index), segment.out()), segment))
        return;
    if (isTimeWarp)
        input.length = OwnLengthOfInput(segment.get(), input);
    ReadComponent(segment.get(), input);
}

void EffectT::ImportLastInput(std::int32_t subKind, std::int32_t parentKind)
{
    if (inputCount > 0)
        ImportInputSegment(inputCount - 1, subKind, parentKind);
}

void EffectT::ReadMixMatchRates()
{
    const auto& maps = GlobalImportTraversalLists.TaggedValueMaps;
    if (maps.empty() || motionEffectTags.empty())
        return;
    ReadRateTag(maps.front(), "_MIXMATCH_RATE_NUM", motionEffectTags.front().rateNumerator);
    ReadRateTag(maps.front(), "_MIXMATCH_RATE_DENOM", motionEffectTags.front().rateDenominator);
}

void EffectT::ImportCollapsedLayers()
{
    FCPClipItemTag placeholder;
    placeholder.InitNested(context);
    FCPSequenceTag sequence = MakeSequenceTag(OutputMediaSettings, placeholder.id + " Seq", context.length);
    sequence.timecode.text = sequence.timecode.displayformat == "DF" ? "00;00;00;00" : "00:00:00:00";
    sequence.timecode.frame = 0;
    GlobalTimelineBuilder.SequenceStack.push_front(sequence);
    // Every layer becomes one track of the nested sequence, in input order.
    for (std::int32_t i = 0; i < inputCount; ++i) {
        OpenTrack(context);
        ImportInputSegment(i, 1, kParentEffectInputOwnTrack);
        CloseTrack();
    }
    PushClipItem(placeholder);
    CloseNestedSequence();
    AddTranslationToCurrentItem(kTranslationApplied, "Nested Sequence", "Submaster/Collapsed Layers", "Applied");
}
