#include "aaf/import/SequenceT.h"

#include <limits>

#include "aaf/HeldInterface.h"
#include "aaf/import/ComponentT.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SegmentReader.h"
#include "aaf/import/SourceT.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/import/TimeT.h"
#include "aaf/import/TrackLayout.h"

SequenceT::SequenceT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&sequence, IID_IAAFSequence, "IID_IAAFSequence", segment);
    if (status < 0)
        return;
    try {
        componentCount = ComponentT::CountComponents(sequence);
    } catch (...) {
        ReleaseInterface(sequence);
        throw;
    }
}

SequenceT::~SequenceT()
{
    ReleaseInterface(sequence);
}

SourceReference SequenceT::FindSourceClipInfo()
{
    for (std::int32_t i = 0; i < componentCount; ++i) {
        Held<IAAFComponent> component;
        if (!Obtained(sequence->GetComponentAt(static_cast<aafUInt32>(i), component.out()), component))
            continue;
        ComponentContext componentContext = context;
        componentContext.length = componentContext.LengthInFrames(ComponentT::GetLength(component.get()));
        componentContext.parentKind = kParentSequenceComponent;
        const SourceT source(component.get(), componentContext);
        if (source.status >= 0)
            return source.reference;
    }
    SourceReference none;
    none.length = 0;
    none.dataKind = 2;
    return none;
}

void SequenceT::CollectTimecodes(std::vector<Timecode>& list, const SlotInfo::EditRate& editRate)
{
    // Every component is read, as a timecode segment that fails its read ends the conversion; only
    // the first timecode is kept.
    bool found = false;
    for (std::int32_t i = 0; i < componentCount; ++i) {
        Held<IAAFComponent> component;
        if (!Obtained(sequence->GetComponentAt(static_cast<aafUInt32>(i), component.out()), component))
            continue;
        const TimeT time(component.get());
        if (time.status >= 0 && !found) {
            list.emplace_back(time.startFrame, time.dropFrame, time.framesPerSecond, editRate.numerator,
                              editRate.denominator);
            found = true;
        }
    }
}

namespace {

bool IsTransition(IAAFComponent* component)
{
    Held<IAAFTransition> transition;
    return GetInterface(transition.out(), IID_IAAFTransition, "IID_IAAFTransition", component) >= 0;
}

// Where the component begins relative to end, the end of the components before it; end moves past
// it. Lengths come from the file: the sum saturates instead of wrapping.
std::int64_t StepOver(IAAFComponent* component, std::int64_t editUnits, std::int64_t& end)
{
    const std::int64_t start = end;
    const bool transition = IsTransition(component);
    std::int64_t moved = 0;
    if (transition ? __builtin_sub_overflow(end, editUnits, &moved) : __builtin_add_overflow(end, editUnits, &moved))
        moved = (transition ? editUnits > 0 : editUnits < 0) ? std::numeric_limits<std::int64_t>::min()
                                                               : std::numeric_limits<std::int64_t>::max();
    end = moved;
    return transition ? end : start;
}

}  // namespace

std::int64_t SequenceT::ComponentPosition(std::int32_t index, IAAFComponent* component, std::int64_t editUnits)
{
    if (index != walkedIndex) {
        walkedIndex = 0;
        walkedEnd = 0;
        for (; walkedIndex < index; ++walkedIndex) {
            Held<IAAFComponent> before;
            if (Obtained(sequence->GetComponentAt(static_cast<aafUInt32>(walkedIndex), before.out()), before))
                StepOver(before.get(), ComponentT::GetLength(before.get()), walkedEnd);
        }
    }
    walkedIndex = index + 1;
    const std::int64_t start = StepOver(component, editUnits, walkedEnd);
    std::int64_t position = 0;
    if (__builtin_add_overflow(context.position, start, &position))
        position = start > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return position;
}

std::int32_t SequenceT::ReadComponent(std::int32_t index, std::int32_t parentKind)
{
    if (index >= componentCount)
        return 0;
    Held<IAAFComponent> component;
    if (!Obtained(sequence->GetComponentAt(static_cast<aafUInt32>(index), component.out()), component))
        return kSegmentKindNone;
    SegmentReader reader;
    reader.context = context;
    reader.context.enclosingLength = context.length;
    const std::int64_t editUnits = ComponentT::GetLength(component.get());
    if (context.frames.Converts())
        reader.context.position = ComponentPosition(index, component.get(), editUnits);
    reader.context.length = reader.context.LengthInFrames(editUnits);
    reader.context.parentKind = parentKind;
    reader.ReadSegment(component.get());
    return reader.kind;
}

void SequenceT::ReadComponents(std::int32_t parentKind)
{
    for (std::int32_t i = 0; i < componentCount; ++i)
        ReadComponent(i, parentKind);
}

void SequenceT::ReadTrackComponents(bool layOut)
{
    TimelineBuilder& builder = GlobalTimelineBuilder;
    for (std::int32_t i = 0; i < componentCount; ++i) {
        const std::size_t depth = ItemStackDepth();
        ReadComponent(i, kParentSequenceComponent);
        MoveItemsToTrack(depth);
    }
    if (layOut && !builder.TrackStack.empty())
        LayOutTrack(builder.TrackStack.front());
}

std::int32_t ReadSequenceSegment(IUnknown* segment, const ComponentContext& context)
{
    SequenceT sequence(segment, context);
    if (sequence.status < 0)
        return sequence.status;
    switch (context.parentKind) {
    case kParentEffectInput:
        sequence.ReadComponents(kParentEffectInput);
        PushTaggedValueMap(sequence);
        break;
    case kParentEffectInputOwnTrack: sequence.ReadTrackComponents(true); break;
    case kParentSequenceComponent: sequence.ReadTrackComponents(false); break;
    case kParentClipMobSlot: sequence.ReadComponents(kParentClipMobSlot); break;
    default:
        OpenTrack(sequence.context);
        sequence.ReadTrackComponents(true);
        CloseTrack();
        break;
    }
    return sequence.status;
}

void PushTaggedValueMap(SequenceT& sequence)
{
    sequence.ReleaseObject();
    sequence.status = GetInterface(&sequence.object, IID_IAAFObject, "IID_IAAFObject", sequence.sequence);
    if (sequence.status < 0)
        return;
    sequence.CountProperties();
    std::map<std::string, TaggedValueEntry> map;
    sequence.CollectTaggedValues(map, CurrentItemSlot());
    GlobalImportTraversalLists.TaggedValueMaps.push_back(std::move(map));
}
