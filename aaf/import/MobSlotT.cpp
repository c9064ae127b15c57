#include "aaf/import/MobSlotT.h"

#include "aaf/CheckHResult.h"
#include "aaf/import/CommonT.h"
#include "aaf/import/ComponentT.h"
#include "aaf/import/DataT.h"
#include "aaf/import/EditRateConversion.h"
#include "aaf/import/SegmentReader.h"

namespace {

template <class Interface>
std::int64_t ReadPosition(Interface* slot, const char* label, const char* name,
                          HRESULT (Interface::*get)(aafPosition_t*))
{
    aafPosition_t position = 0;
    if ((CheckNotNull(slot, label)->*get)(&position) != 0)
        return -1;
    TraceAvailable(name);
    return position;
}

}  // namespace

MobSlotT::MobSlotT(IAAFMob* mob, aafUInt32 index)
{
    if (mob != nullptr && mob->GetSlotAt(index, &slot) == 0 && slot != nullptr)
        ReadOrRelease();
}

MobSlotT::MobSlotT(IAAFMob* mob, SlotIdKey slotId)
{
    if (mob != nullptr && mob->LookupSlot(slotId.id, &slot) == 0 && slot != nullptr)
        ReadOrRelease();
}

MobSlotT::~MobSlotT()
{
    ReleaseInterfaces();
}

void MobSlotT::ReleaseInterfaces()
{
    ReleaseInterface(component);
    ReleaseInterface(segment);
    ReleaseInterface(dataDef);
    ReleaseInterface(slot);
}

void MobSlotT::ReadOrRelease()
{
    // A constructor that raises never reaches the destructor.
    try {
        Read();
    } catch (...) {
        ReleaseInterfaces();
        throw;
    }
}

std::int32_t MobSlotT::Read()
{
    aafSlotID_t slotId = 0;
    CheckHResult("GetSlotID", CheckNotNull(slot, "MobSlotT: GetMobSlotID")->GetSlotID(&slotId), kAafCallFailed);
    info.slotId = static_cast<std::int32_t>(slotId);
    info.name = CommonT::GetName(slot);
    aafUInt32 physical = 0;
    info.physicalNumber =
        CheckNotNull(slot, "MobSlotT: GetPhysicalNum")->GetPhysicalNum(&physical) == 0 ? static_cast<std::int32_t>(physical) : -1;
    ReleaseInterface(dataDef);
    CheckHResult("GetDataDef", CheckNotNull(slot, "CommonT: GetDataDef")->GetDataDef(&dataDef), kAafCallFailed);
    if (dataDef != nullptr)
        info.dataKind = DataT::GetDataKind(dataDef);

    ReleaseInterface(component);
    ReleaseInterface(segment);
    status = slot->GetSegment(&segment);
    if (status >= 0) {
        status = GetInterface(&component, IID_IAAFComponent, "IID_IAAFComponent", segment);
        if (status >= 0)
            info.length = ComponentT::GetFrameLength(component);
    }
    return status;
}

std::int32_t MobSlotT::ImportSegment(std::int32_t parentKind, const SlotInfo::EditRate& frameRate)
{
    ComponentContext context(info, parentKind);
    context.frames = SlotToFrames(info.editRate, frameRate);
    context.length = context.slot.length = context.LengthInFrames(info.length);
    SegmentReader reader;
    reader.context = context;
    if (reader.ReadSegment(segment))
        return reader.kind;
    SegmentReader second;
    second.context = context;
    second.ReadSegment(component);
    return second.kind;
}

std::int64_t MobSlotT::GetOrigin(IAAFTimelineMobSlot* s)
{
    return ReadPosition(s, "MobSlotT: GetOrigin", "GetOrigin", &IAAFTimelineMobSlot::GetOrigin);
}

std::int64_t MobSlotT::GetMarkIn(IAAFTimelineMobSlot2* s)
{
    return ReadPosition(s, "MobSlotT: GetMarkIn", "GetMarkIn", &IAAFTimelineMobSlot2::GetMarkIn);
}

std::int64_t MobSlotT::GetMarkOut(IAAFTimelineMobSlot2* s)
{
    return ReadPosition(s, "MobSlotT: GetMarkOut", "GetMarkOut", &IAAFTimelineMobSlot2::GetMarkOut);
}

std::int64_t MobSlotT::GetEventSlotOrigin(IAAFEventMobSlot2* s)
{
    return ReadPosition(s, "MobSlotT: GetEventSlotOrigin", "GetEventSlotOrigin", &IAAFEventMobSlot2::GetEventSlotOrigin);
}
