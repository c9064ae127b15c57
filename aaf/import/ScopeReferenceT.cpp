#include "aaf/import/ScopeReferenceT.h"

#include "aaf/import/FillerT.h"
#include "aaf/import/ParentKind.h"
#include "config/LogMessage.h"

ScopeReferenceT::ScopeReferenceT(IUnknown* segment, const ComponentContext& componentContext)
    : context(componentContext)
{
    status = GetInterface(&scopeReference, IID_IAAFScopeReference, "IID_IAAFScopeReference", segment);
}

ScopeReferenceT::~ScopeReferenceT()
{
    ReleaseInterface(scopeReference);
}

std::int32_t ScopeReferenceT::Import()
{
    if (status < 0)
        return status;
    if (context.parentKind == kParentClipMobSlot)
        LogMessage("WARNING", "Unknown Scope Ref in Adjusted Clip");
    else
        ImportGap(context);
    return status;
}
