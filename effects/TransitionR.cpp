#include "effects/TransitionR.h"

#include <algorithm>

#include "aaf/CheckHResult.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/TimelineBuilder.h"
#include "effects/EffectT.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "config/LogMessage.h"

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

// A dropped transition still joins its neighbours where the file puts them: both overlap it by its
// whole length, so the item before it ends at the cut and the item after it begins there.
void CutAtDroppedTransition(int length, int cut)
{
    auto& tracks = GlobalTimelineBuilder.TrackStack;
    if (tracks.empty() || tracks.front().items.empty())
        return;
    TrackInfo& track = tracks.front();
    TrimTagBase* before = TimedItem(track.items.back());
    // After a gap the cut already lies at the transition's start and the gap gave up the overlap.
    if (!before)
        return;
    const int tail = length - cut;
    before->out -= std::min(tail, std::max(before->out - before->in, 0));
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
    auto& tracks = GlobalTimelineBuilder.TrackStack;
    if (tracks.empty() || tracks.front().items.empty())
        return;
    ItemSlot& last = tracks.front().items.back();
    if (auto* gap = dynamic_cast<FCPFillerTag*>(last.get())) {
        // The gap gives up the whole overlap and the transition starts where it now ends, wherever
        // its cut lies: the next item starts a transition's length before the gap's end.
        cutPoint = 0;
        gap->duration = std::max(gap->duration - context.length, 0);
        gap->start = gap->in = 0;
        gap->end = gap->out = gap->duration;
    } else if (TimedItem(last) != nullptr && cutPoint == 0) {
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
        CutAtDroppedTransition(length, cut);
}
