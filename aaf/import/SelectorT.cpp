#include "aaf/import/SelectorT.h"

#include "aaf/HeldInterface.h"
#include "aaf/import/ParentKind.h"
#include "aaf/import/SegmentReader.h"

SelectorT::SelectorT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&selector, IID_IAAFSelector, "IID_IAAFSelector", segment);
}

SelectorT::~SelectorT()
{
    ReleaseInterface(selector);
}

std::int32_t SelectorT::Import()
{
    if (status < 0)
        return status;
    Held<IAAFSegment> selected;
    if (Obtained(selector->GetSelectedSegment(selected.out()), selected)) {
        ComponentContext selectedContext = context;
        selectedContext.subKind = kSubKindClipItem;
        ReadComponent(selected.get(), selectedContext);
    }
    return status;
}
