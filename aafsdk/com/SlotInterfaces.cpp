// Mob slots and data definitions.

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

constexpr Auid kDataDefMatte = "05cba731-1daa-11d3-80ad-006008143e6f"_auid;
constexpr Auid kDataDefPictureWithMatte = "05cba732-1daa-11d3-80ad-006008143e6f"_auid;
constexpr Auid kDataDefEdgecode = "d2bb2af0-d234-11d2-89ee-006097116212"_auid;
constexpr Auid kDataDefAuxiliary = "01030203-0100-0000-060e-2b3404010105"_auid;
constexpr Auid kDataDefDescriptiveMetadata = "01030201-1000-0000-060e-2b3404010101"_auid;

class MobSlot final : public Facet<IAAFMobSlot> {
public:
    using Facet::Facet;

    HRESULT GetSlotID(aafSlotID_t* pSlotID) override { return ReadInteger(stored(), pids::kMobSlotSlotID, pSlotID); }
    HRESULT GetNameBufLen(aafUInt32* pBufSize) override
    {
        return TextPropertyBufLen(stored(), pids::kMobSlotSlotName, pBufSize);
    }
    HRESULT GetName(aafCharacter* pName, aafUInt32 bufSize) override
    {
        return CopyTextProperty(stored(), pids::kMobSlotSlotName, pName, bufSize);
    }
    HRESULT GetPhysicalNum(aafUInt32* pPhysicalNum) override
    {
        return ReadInteger(stored(), pids::kMobSlotPhysicalTrackNumber, pPhysicalNum);
    }
    HRESULT GetDataDef(IAAFDataDef** ppDataDef) override
    {
        if (!ppDataDef)
            return AAFRESULT_NULL_PARAM;
        *ppDataDef = nullptr;
        ObjectId segment = kNoObject;
        const HRESULT hr = ReadStrongReference(stored(), pids::kMobSlotSegment, &segment);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        return HandDataDefinition(self().file(), self().graph().object(segment), pids::kComponentDataDefinition,
                                  ppDataDef);
    }
    HRESULT GetSegment(IAAFSegment** ppSegment) override
    {
        if (!ppSegment)
            return AAFRESULT_NULL_PARAM;
        *ppSegment = nullptr;
        ObjectId segment = kNoObject;
        const HRESULT hr = ReadStrongReference(stored(), pids::kMobSlotSegment, &segment);
        return hr != AAFRESULT_SUCCESS ? hr : HandStored(self().file(), segment, ppSegment);
    }
};

class TimelineMobSlot final : public Facet<IAAFTimelineMobSlot> {
public:
    using Facet::Facet;
    HRESULT GetEditRate(aafRational_t* pEditRate) override
    {
        return ReadRational(stored(), pids::kTimelineMobSlotEditRate, pEditRate);
    }
    HRESULT GetOrigin(aafPosition_t* pOrigin) override
    {
        return ReadInteger(stored(), pids::kTimelineMobSlotOrigin, pOrigin);
    }
};

class TimelineMobSlot2 final : public Facet<IAAFTimelineMobSlot2> {
public:
    using Facet::Facet;
    HRESULT GetMarkIn(aafPosition_t* pMarkIn) override
    {
        return ReadInteger(stored(), pids::kTimelineMobSlotMarkIn, pMarkIn);
    }
    HRESULT GetMarkOut(aafPosition_t* pMarkOut) override
    {
        return ReadInteger(stored(), pids::kTimelineMobSlotMarkOut, pMarkOut);
    }
};

class EventMobSlot final : public Facet<IAAFEventMobSlot> {
public:
    using Facet::Facet;
    HRESULT GetEditRate(aafRational_t* pEditRate) override
    {
        return ReadRational(stored(), pids::kEventMobSlotEditRate, pEditRate);
    }
};

class EventMobSlot2 final : public Facet<IAAFEventMobSlot2> {
public:
    using Facet::Facet;
    HRESULT GetEventSlotOrigin(aafPosition_t* pOrigin) override
    {
        return ReadInteger(stored(), pids::kEventMobSlotEventSlotOrigin, pOrigin);
    }
};

// The definition's AUID in its current form, so legacy Picture, Sound and Timecode match too.
HRESULT DataDefinitionId(const ModelObject& self, Auid* out)
{
    if (self.subject().kind == Subject::Kind::Definition) {
        *out = DefinitionDictionary::CurrentDataDefinition(self.subject().id);
        return AAFRESULT_SUCCESS;
    }
    aafUID_t uid{};
    const HRESULT hr = ReadUid(*self.stored(), pids::kDefinitionObjectIdentification, &uid);
    if (hr == AAFRESULT_SUCCESS)
        *out = DefinitionDictionary::CurrentDataDefinition(AuidFromUid(uid));
    return hr;
}

HRESULT IsKind(const ModelObject& self, const Auid& kind, aafBoolean_t* out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    Auid id;
    const HRESULT hr = DataDefinitionId(self, &id);
    if (hr == AAFRESULT_SUCCESS)
        *out = id == kind ? kAAFTrue : kAAFFalse;
    return hr;
}

class DataDef final : public Facet<IAAFDataDef> {
public:
    using Facet::Facet;
    HRESULT IsSoundKind(aafBoolean_t* b) override { return IsKind(self(), ids::kDataDefSound, b); }
    HRESULT IsPictureKind(aafBoolean_t* b) override { return IsKind(self(), ids::kDataDefPicture, b); }
    HRESULT IsMatteKind(aafBoolean_t* b) override { return IsKind(self(), kDataDefMatte, b); }
    HRESULT IsPictureWithMatteKind(aafBoolean_t* b) override { return IsKind(self(), kDataDefPictureWithMatte, b); }
};

class DataDef2 final : public Facet<IAAFDataDef2> {
public:
    using Facet::Facet;
    HRESULT IsEdgecodeKind(aafBoolean_t* b) override { return IsKind(self(), kDataDefEdgecode, b); }
    HRESULT IsTimecodeKind(aafBoolean_t* b) override { return IsKind(self(), ids::kDataDefTimecode, b); }
};

class DataDef3 final : public Facet<IAAFDataDef3> {
public:
    using Facet::Facet;
    HRESULT IsAuxiliaryKind(aafBoolean_t* b) override { return IsKind(self(), kDataDefAuxiliary, b); }
    HRESULT IsDescriptiveMetadataKind(aafBoolean_t* b) override
    {
        return IsKind(self(), kDataDefDescriptiveMetadata, b);
    }
};

constexpr InterfaceEntry kRows[] = {
    Row<MobSlot>(classes::kMobSlot),
    Row<TimelineMobSlot>(classes::kTimelineMobSlot),
    Row<TimelineMobSlot2>(classes::kTimelineMobSlot),
    Row<EventMobSlot>(classes::kEventMobSlot),
    Row<EventMobSlot2>(classes::kEventMobSlot),
    Row<DataDef>(classes::kDataDefinition),
    Row<DataDef2>(classes::kDataDefinition),
    Row<DataDef3>(classes::kDataDefinition),
};

}  // namespace

std::span<const InterfaceEntry> SlotInterfaceRows()
{
    return kRows;
}

HRESULT HandDataDefinition(const FilePtr& file, const StoredObject& owner, std::uint16_t pid, IAAFDataDef** out)
{
    return HandDefinition(file, owner, pid, DefinitionKind::Data, classes::kDataDefinition, IID_IAAFDataDef,
                          reinterpret_cast<void**>(out));
}

}  // namespace aafsdk::com
