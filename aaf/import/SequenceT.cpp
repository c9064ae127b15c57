#include "aaf/import/SequenceT.h"

#include "aaf/HeldInterface.h"
#include "aaf/import/ComponentT.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SourceT.h"
#include "aaf/import/TimeT.h"

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
