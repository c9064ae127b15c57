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
