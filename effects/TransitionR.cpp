#include "effects/TransitionR.h"

#include <algorithm>

#include "aaf/CheckHResult.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/LogMessage.h"
#include "effects/EffectT.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPTransitionItemTag.h"

namespace {

// The sub-kind of a transition's effect.
constexpr std::int32_t kTransitionSubKind = 3;

// The timing of a clip or generator item; null for the other kinds.
TrimTagBase* TimedItem(ItemSlot& slot)
{
    ItemTagBase* item = slot.get();
    if (auto* clip = dynamic_cast<FCPClipItemTag*>(item))
        return clip;
    if (auto* generator = dynamic_cast<FCPGeneratorItemTag*>(item))
        return generator;
    return nullptr;
}

// The item a transition follows. Inside an effect's input it still waits on the item stack, with
// the input's other items, until the effect is done; elsewhere it is the current track's last.
ItemSlot* ItemBefore(const ComponentContext& context)
{
    if (context.parentKind == kParentEffectInput) {
        auto& items = GlobalTimelineBuilder.ItemStack;
        return items.empty() ? nullptr : &items.front();
    }
    auto& tracks = GlobalTimelineBuilder.TrackStack;
    if (tracks.empty() || tracks.front().items.empty())
        return nullptr;
    return &tracks.front().items.back();
}

// A dropped transition still joins its neighbours where the file puts them: both overlap it by its
// whole length, so the item before it ends at the cut and the item after it begins there.
void CutAtDroppedTransition(const ComponentContext& context, int length, int cut)
{
    ItemSlot* last = ItemBefore(context);
    TrimTagBase* before = last ? TimedItem(*last) : nullptr;
    // After a gap the cut already lies at the transition's start and the gap gave up the overlap.
    if (!before)
        return;
    const int span = std::max(before->out - before->in, 0);
    if (context.parentKind == kParentEffectInput) {
        // The item after it is not read yet, so the item before gives up the whole overlap: the two
        // meet at the transition's start, and everything after keeps its place.
        before->out -= std::min(length, span);
        return;
    }
    before->out -= std::min(length - cut, span);
    TrackInfo& track = GlobalTimelineBuilder.TrackStack.front();
    if (cut > 0)
        track.headTrims[static_cast<int>(track.items.size())] += cut;
}

}  // namespace

TransitionR::TransitionR(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&transition, IID_IAAFTransition, "IID_IAAFTransition", segment);
    if (status >= 0)
        cutPoint = GetCutPoint();
    // The cut is an offset into the transition, in the edit units of its slot.
    if (cutPoint > 0)
        cutPoint = context.OffsetInFrames(cutPoint);
}

TransitionR::~TransitionR() { ReleaseInterface(transition); }

std::int64_t TransitionR::GetCutPoint()
{
    aafPosition_t cut = 0;
    if (CheckNotNull(transition, "TransitionR: GetCutPoint")->GetCutPoint(&cut) != AAFRESULT_SUCCESS)
        return -1;
    return cut;
}

std::int32_t TransitionR::Import()
{
    if (status < 0)
        return status;
    if (context.parentKind == kParentClipMobSlot) {
        LogMessage("WARNING", "Unknown Transition in Adjusted Clip");
        return status;
    }
    FixCutPoint();
    ImportItem();
    return status;
}

void TransitionR::FixCutPoint()
{
    const std::int64_t length = context.length;
    // A cut point that cannot be read, or lies before the transition, counts as its start.
    if (cutPoint < 0)
        cutPoint = 0;
    ItemSlot* before = ItemBefore(context);
    if (!before)
        return;
    if (auto* gap = dynamic_cast<FCPFillerTag*>(before->get())) {
        // The gap gives up the whole overlap and the transition starts where it now ends, wherever
        // its cut lies: the next item starts a transition's length before the gap's end.
        cutPoint = 0;
        gap->duration = std::max(gap->duration - context.length, 0);
        gap->start = gap->in = 0;
        gap->end = gap->out = gap->duration;
    } else if (TimedItem(*before) != nullptr && cutPoint == 0) {
        cutPoint = length / 2;
    }
}

void TransitionR::ImportItem()
{
    const int length = context.length;
    const int cut = static_cast<int>(std::clamp<std::int64_t>(cutPoint, 0, std::max(length, 0)));
    PushTransitionItem(FCPTransitionItemTag(length, cut));
    const ItemTagBase* pushed = GlobalTimelineBuilder.ItemStack.front().get();
    ComponentContext effectContext = context;
    effectContext.parentKind = kParentTransitionEffect;
    effectContext.subKind = kTransitionSubKind;
    {
        EffectT effect(transition, effectContext);
        effect.ImportTransitionEffect();
    }
    const auto& items = GlobalTimelineBuilder.ItemStack;
    if (items.empty() || items.front().get() != pushed)
        CutAtDroppedTransition(context, length, cut);
}
