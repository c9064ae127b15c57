#include "records/ComponentContext.h"

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
    return static_cast<int32_t>(frames.Span(position, editUnits));
}

int64_t ComponentContext::OffsetInFrames(int64_t offset) const
{
    return frames.Span(position, offset);
}
