#include "aaf/import/SourceT.h"

#include "aaf/CheckHResult.h"
#include "aaf/MobId.h"
#include "aaf/import/ParentKind.h"

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
    reference.startTime = source.startTime;

    aafLength_t fadeInLength = 0, fadeOutLength = 0;
    aafFadeType_t fadeInType = 0, fadeOutType = 0;
    aafBoolean_t fadeInPresent = kAAFFalse, fadeOutPresent = kAAFFalse;
    if (sourceClip->GetFade(&fadeInLength, &fadeInType, &fadeInPresent, &fadeOutLength, &fadeOutType,
                            &fadeOutPresent) == 0) {
        reference.fadeInLength = fadeInLength;
        reference.fadeInType = fadeInType;
        reference.fadeInPresent = fadeInPresent != kAAFFalse ? 1 : 0;
        reference.fadeOutLength = fadeOutLength;
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
