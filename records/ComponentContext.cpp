#include "records/ComponentContext.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "records/SlotInfo.h"

ComponentContext::ComponentContext(const SlotInfo& slotInfo, int32_t parent)
    : length(slotInfo.length),
      enclosingLength(0),
      dataKind(slotInfo.dataKind),
      parentKind(parent),
      subKind(1),
      slot{slotInfo.slotId, slotInfo.physicalNumber, slotInfo.length, ""},
      layerIndex(slotInfo.physicalNumber)
{
}

int32_t ComponentContext::LengthInFrames(int64_t editUnits) const
{
    // A negative length counts as 0; one beyond the document's 32-bit frame numbers is damage,
    // never a wrap.
    const int64_t span = frames.Span(position, std::max<int64_t>(editUnits, 0));
    if (span > std::numeric_limits<int32_t>::max())
        throw std::runtime_error("A component length of " + std::to_string(span) +
                                 " frames is beyond what the document holds: the AAF file is damaged");
    return static_cast<int32_t>(std::max<int64_t>(span, 0));
}

int64_t ComponentContext::OffsetInFrames(int64_t offset) const
{
    return frames.Span(position, offset);
}
