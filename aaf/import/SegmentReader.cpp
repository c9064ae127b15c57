#include "aaf/import/SegmentReader.h"

#include <stdexcept>
#include <string>

#include "aaf/HeldInterface.h"
#include "aaf/import/ComponentT.h"
#include "aaf/import/EffectEntryPoints.h"
#include "aaf/import/EssenceT.h"
#include "aaf/import/FillerT.h"
#include "aaf/import/ScopeReferenceT.h"
#include "aaf/import/SegmentT.h"
#include "aaf/import/SelectorT.h"
#include "aaf/import/SequenceT.h"
#include "aaf/import/SourceT.h"

namespace {

// Each probe builds its kind's wrapper and runs its import; a negative result means "not this kind".
template <class Wrapper>
std::int32_t ImportAs(IUnknown* segment, const ComponentContext& context)
{
    Wrapper wrapper(segment, context);
    if (wrapper.status < 0)
        return wrapper.status;
    return wrapper.Import();
}

// The effect translation answers for operation groups and transitions once it has registered.
std::int32_t ImportOperationGroup(IUnknown* segment, const ComponentContext& context)
{
    const auto import = RegisteredEffectEntryPoints.importOperationGroup;
    return import != nullptr ? import(segment, context) : E_NOINTERFACE;
}

std::int32_t ImportTransition(IUnknown* segment, const ComponentContext& context)
{
    const auto import = RegisteredEffectEntryPoints.importTransition;
    return import != nullptr ? import(segment, context) : E_NOINTERFACE;
}

// How many segment reads are under way, one inside the other; every recursive walk of a mob's
// segments goes through ReadSegment.
int segmentNesting = 0;

class NestingGuard {
public:
    NestingGuard()
    {
        if (segmentNesting >= kMaxSegmentNesting)
            throw std::runtime_error("The AAF file nests segments more than " + std::to_string(kMaxSegmentNesting) +
                                     " deep: it is damaged");
        ++segmentNesting;
    }
    ~NestingGuard() { --segmentNesting; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
};

struct Probe {
    std::int32_t kind;
    std::int32_t (*import)(IUnknown*, const ComponentContext&);
};

constexpr Probe kProbes[] = {
    {kSegmentKindEssenceGroup, ImportAs<EssenceT>},
    {kSegmentKindFiller, ImportAs<FillerT>},
    {kSegmentKindNestedScope, ImportAs<SegmentT>},
    {kSegmentKindOperationGroup, ImportOperationGroup},
    {kSegmentKindScopeReference, ImportAs<ScopeReferenceT>},
    {kSegmentKindSelector, ImportAs<SelectorT>},
    {kSegmentKindSequence, ReadSequenceSegment},
    {kSegmentKindSourceClip, ImportAs<SourceT>},
    {kSegmentKindTransition, ImportTransition},
};

}  // namespace

bool SegmentReader::ReadSegment(IUnknown* segment)
{
    const NestingGuard guard;
    for (const Probe& probe : kProbes) {
        if (probe.import(segment, context) >= 0) {
            kind = probe.kind;
            return true;
        }
    }
    return false;
}

void ReadComponent(IUnknown* object, ComponentContext& context)
{
    SegmentReader reader;
    reader.context = context;
    if (reader.ReadSegment(object))
        return;
    Held<IAAFComponent> component;
    if (GetInterface(component.out(), IID_IAAFComponent, "IID_IAAFComponent", object) < 0)
        return;
    context.enclosingLength = context.length;
    context.length = context.LengthInFrames(ComponentT::GetLength(component.get()));
    SegmentReader second;
    second.context = context;
    second.ReadSegment(component.get());
}
