#include "aaf/import/SourceT.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "aaf/CheckHResult.h"
#include "aaf/import/MasterClipLookup.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/MobId.h"
#include "fcpxml/FCPGeneratorItemTag.h"

SourceT::SourceT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    reference.length = context.length;
    reference.dataKind = context.dataKind;
    status = GetInterface(&sourceClip, IID_IAAFSourceClip, "IID_IAAFSourceClip", segment);
    if (status < 0)
        return;
    try {
        GetSourceReference();
    } catch (...) {
        ReleaseInterface(sourceClip);
        throw;
    }
}

SourceT::SourceT(const SourceReference& sourceReference, const ComponentContext& componentContext)
    : context(componentContext), reference(sourceReference)
{
}

SourceT::~SourceT()
{
    ReleaseInterface(sourceClip);
}

void SourceT::GetSourceReference()
{
    aafSourceRef_t source{};
    CheckHResult("GetSourceReference",
                 CheckNotNull(sourceClip, "SourceT: GetSourceReference")->GetSourceReference(&source), kAafCallFailed);
    reference.sourceMobId = ToMobId(source.sourceID);
    reference.sourceSlotId = static_cast<std::int32_t>(source.sourceSlotID);
    reference.startTime = context.frames.Frame(source.startTime);

    aafLength_t fadeInLength = 0, fadeOutLength = 0;
    aafFadeType_t fadeInType = 0, fadeOutType = 0;
    aafBoolean_t fadeInPresent = kAAFFalse, fadeOutPresent = kAAFFalse;
    if (sourceClip->GetFade(&fadeInLength, &fadeInType, &fadeInPresent, &fadeOutLength, &fadeOutType,
                            &fadeOutPresent) == 0) {
        reference.fadeInLength = context.OffsetInFrames(fadeInLength);
        reference.fadeInType = fadeInType;
        reference.fadeInPresent = fadeInPresent != kAAFFalse ? 1 : 0;
        reference.fadeOutLength = context.OffsetInFrames(fadeOutLength);
        reference.fadeOutType = fadeOutType;
        reference.fadeOutPresent = fadeOutPresent != kAAFFalse ? 1 : 0;
    }

    if (reference.length == 0) {
        if (context.enclosingLength > 0)
            reference.length = context.enclosingLength;
        else if (context.parentKind == kParentTimelineSlot)
            reference.length = context.slot.length;
    }
}

namespace {

// The item plays the reference's range of its source; a range beyond the document's 32-bit frame
// numbers is damage, never a wrap.
void PlayRange(FCPClipItemTag& item, const SourceReference& reference)
{
    const std::int64_t in = reference.startTime;
    const std::int64_t out = in + std::max<std::int64_t>(reference.length, 0);
    if (in < std::numeric_limits<std::int32_t>::min() || out > std::numeric_limits<std::int32_t>::max())
        throw std::runtime_error("A source range of " + std::to_string(in) + " to " + std::to_string(out) +
                                 " frames is beyond what the document holds: the AAF file is damaged");
    item.in = static_cast<int>(in);
    item.out = static_cast<int>(out);
}

}  // namespace

std::int32_t SourceT::Import()
{
    if (status < 0)
        return status;
    switch (context.parentKind) {
    case kParentEffectInput:
    case kParentSequenceComponent: ImportClip(); break;
    case kParentClipMobSlot: PushPendingSourceReference(reference); break;
    default: {
        OpenTrack(context);
        const std::size_t depth = ItemStackDepth();
        ImportClip();
        MoveItemsToTrack(depth);
        CloseTrack();
        break;
    }
    }
    return status;
}

void SourceT::ImportClip()
{
    switch (context.subKind) {
    case kSubKindGap: {
        ComponentContext gap = context;
        gap.length = reference.length;
        AddGapFiller(gap);
        break;
    }
    case kSubKindClipItem: PushClipItem(MakeClipItem()); break;
    case kSubKindGeneratorItem: {
        FCPGeneratorItemTag generator = ToGeneratorItem(MakeClipItem());
        // It takes an id from its name once more (made from a clip item named Clip it becomes
        // Clip 1), and its log entry follows.
        generator.SetUniqueId(generator.name);
        TranslationLogEntry::SetItemId(generator.id, generator.log);
        PushGeneratorItem(generator);
        break;
    }
    case kSubKindTitle: PushClipItem(MakeTitleClipItem()); break;
    default: break;
    }
    if (sourceClip == nullptr)
        return;
    ReleaseObject();
    status = GetInterface(&object, IID_IAAFObject, "IID_IAAFObject", sourceClip);
    if (status >= 0)
        CountProperties();
    AddCommentsToCurrentItem(CurrentItemSlot());
}

FCPClipItemTag SourceT::MakeClipItem()
{
    // Copied straight from the master clip's slot item: most clips have one.
    const FCPClipItemTag* slotItem = FindMasterSlotItem(reference);
    FCPClipItemTag item = slotItem != nullptr ? FCPClipItemTag(*slotItem) : FCPClipItemTag();
    if (slotItem != nullptr) {
        item.AssignIdFromName();
        PlayRange(item, reference);
    } else {
        MakeUnknownMobSlug(reference, context, item);
    }
    item.layerIndex = context.layerIndex;
    return item;
}

FCPClipItemTag SourceT::MakeTitleClipItem()
{
    FCPClipItemTag item;
    item.SetAlphaType("straight");
    if (FindMasterClipItem(reference, item)) {
        item.ClearFiles();
        UnmarkLowerLevelClip(reference);
    } else {
        item.name = "Title";
    }
    item.AssignIdFromName();
    item.mediaType = context.dataKind;
    // The master clip's slot item brings a source track of its own; an item plays one track.
    item.sourcetracks.assign(1, SourceTrackInfo{item.mediaType, 1});
    item.layerIndex = context.layerIndex;
    item.duration = reference.length;
    PlayRange(item, reference);
    return item;
}
