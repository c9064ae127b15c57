#include "aaf/import/ComponentT.h"

#include <limits>

#include "aaf/CheckHResult.h"

std::int64_t ComponentT::GetLength(IAAFComponent* component)
{
    aafLength_t length = 0;
    if (CheckNotNull(component, "ComponentT: GetLength")->GetLength(&length) != 0)
        return 0;
    return length;
}

std::int32_t ComponentT::CountComponents(IAAFSequence* sequence)
{
    aafUInt32 count = 0;
    CheckHResult("CountComponents", CheckNotNull(sequence, "ComponentT: CountComponents")->CountComponents(&count),
                 kAafCallFailed);
    // The count is held as a 32-bit signed number; more components than that no file holds.
    return count > static_cast<aafUInt32>(std::numeric_limits<std::int32_t>::max())
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(count);
}
