#include "aaf/import/SegmentT.h"

#include <limits>

#include "aaf/CheckHResult.h"
#include "aaf/HeldInterface.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SegmentReader.h"
#include "aaf/import/TimelineBuilder.h"

SegmentT::SegmentT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&nestedScope, IID_IAAFNestedScope, "IID_IAAFNestedScope", segment);
    if (status < 0)
        return;
    aafUInt32 count = 0;
    try {
        CheckHResult("CountSegments", CheckNotNull(nestedScope, "SegmentT: CountSegments")->CountSegments(&count),
                     kAafCallFailed);
    } catch (...) {
        ReleaseInterface(nestedScope);
        throw;
    }
    segmentCount = count > static_cast<aafUInt32>(std::numeric_limits<std::int32_t>::max())
                       ? std::numeric_limits<std::int32_t>::max()
                       : static_cast<std::int32_t>(count);
}

SegmentT::~SegmentT()
{
    ReleaseInterface(nestedScope);
}

std::int32_t SegmentT::Import()
{
    if (status < 0)
        return status;
    for (std::int32_t i = 0; i < segmentCount; ++i) {
        Held<IAAFSegment> layer;
        if (!Obtained(nestedScope->GetSegmentAt(static_cast<aafUInt32>(i), layer.out()), layer))
            continue;
        // The context is the scope's own: what ReadComponent changes in it carries over to the
        // following layers.
        context.parentKind = kParentNestedScopeLayer;
        context.layerIndex = context.slot.physicalNumber == 1 ? i + 1 : i + 1 - context.slot.physicalNumber;
        ReadComponent(layer.get(), context);
    }
    ReleaseObject();
    status = GetInterface(&object, IID_IAAFObject, "IID_IAAFObject", nestedScope);
    if (status >= 0)
        CountProperties();
    AddCommentsToCurrentItem(CurrentItemSlot());
    return status;
}
