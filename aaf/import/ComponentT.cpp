#include "aaf/import/ComponentT.h"

#include <algorithm>
#include <limits>

#include "aaf/CheckHResult.h"

std::int64_t ComponentT::GetLength(IAAFComponent* component)
{
    aafLength_t length = 0;
    if (CheckNotNull(component, "ComponentT: GetLength")->GetLength(&length) != 0)
        return 0;
    return length;
}

std::int32_t ComponentT::GetFrameLength(IAAFComponent* component)
{
    // Sample-rate slots hold lengths in samples that pass the 32-bit range in real files; such a
    // length stays at the largest, and the places that put it in the document refuse it there.
    const std::int64_t length = GetLength(component);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(length, 0, std::numeric_limits<std::int32_t>::max()));
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
