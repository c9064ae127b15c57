#include "aaf/ObjectT.h"

#include "aaf/CheckHResult.h"

std::int32_t ObjectT::CountProperties()
{
    CheckHResult("CountProperties", CheckNotNull(object, "ObjectT: CountProperties")->CountProperties(&propertyCount),
                 kAafCallFailed);
    return status;
}
