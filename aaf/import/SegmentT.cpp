#include "aaf/import/SegmentT.h"

#include <limits>

#include "aaf/CheckHResult.h"

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
