#include "aaf/import/SequenceT.h"

#include "aaf/HeldInterface.h"
#include "aaf/import/ComponentT.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SegmentReader.h"
#include "aaf/import/SourceT.h"
#include "aaf/import/TimeT.h"
#include "aaf/import/TimelineBuilder.h"
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
        componentContext.length = static_cast<std::int32_t>(ComponentT::GetLength(component.get()));
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
    reader.context.length = static_cast<std::int32_t>(ComponentT::GetLength(component.get()));
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
        ReadComponent(i, kParentSequenceComponent);
        if (!builder.ItemStack.empty())
            MoveItemToTrack();
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
