#include "aaf/import/FillerT.h"

#include "aaf/import/ParentKind.h"
#include "aaf/import/TimelineBuilder.h"

FillerT::FillerT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&filler, IID_IAAFFiller, "IID_IAAFFiller", segment);
}

FillerT::~FillerT()
{
    ReleaseInterface(filler);
}

std::int32_t FillerT::Import()
{
    if (status >= 0)
        ImportGap(context);
    return status;
}

void ImportGap(const ComponentContext& context)
{
    switch (context.parentKind) {
    case kParentNestedScopeLayer:
    case kParentTimelineSlot: AddGapTrack(context); break;
    case kParentEffectInput: PushFillerClipItem(context); break;
    case kParentSequenceComponent: AddGapFiller(context); break;
    default: break;
    }
}
