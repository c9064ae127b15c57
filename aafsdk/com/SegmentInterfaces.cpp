// Components: segments, events and transitions.

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/ObjectEnumerator.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

template <class I>
HRESULT Referenced(const ModelObject& self, std::uint16_t pid, I** out)
{
    if (!out)
        return AAFRESULT_NULL_PARAM;
    *out = nullptr;
    ObjectId object = kNoObject;
    const HRESULT hr = ReadStrongReference(*self.stored(), pid, &object);
    return hr != AAFRESULT_SUCCESS ? hr : HandStored(self.file(), object, out);
}

HRESULT CountElements(const ModelObject& self, std::uint16_t pid, aafUInt32* out)
{
    return CountOptionalElements(*self.stored(), pid, out);
}

class Segment final : public Facet<IAAFSegment> {
public:
    using Facet::Facet;
};

class Component final : public Facet<IAAFComponent> {
public:
    using Facet::Facet;
    HRESULT GetLength(aafLength_t* pLength) override { return ReadInteger(stored(), pids::kComponentLength, pLength); }
};

class Sequence final : public Facet<IAAFSequence> {
public:
    using Facet::Facet;
    HRESULT CountComponents(aafUInt32* pResult) override
    {
        return CountElements(self(), pids::kSequenceComponents, pResult);
    }
    HRESULT GetComponentAt(aafUInt32 index, IAAFComponent** ppComponent) override
    {
        return StrongElementAt(self(), pids::kSequenceComponents, index, ppComponent);
    }
};

class Filler final : public Facet<IAAFFiller> {
public:
    using Facet::Facet;
};

class NestedScope final : public Facet<IAAFNestedScope> {
public:
    using Facet::Facet;
    HRESULT CountSegments(aafUInt32* pResult) override { return CountElements(self(), pids::kNestedScopeSlots, pResult); }
    HRESULT GetSegmentAt(aafUInt32 index, IAAFSegment** ppSegment) override
    {
        return StrongElementAt(self(), pids::kNestedScopeSlots, index, ppSegment);
    }
};

class ScopeReference final : public Facet<IAAFScopeReference> {
public:
    using Facet::Facet;
};

class Selector final : public Facet<IAAFSelector> {
public:
    using Facet::Facet;
    HRESULT GetSelectedSegment(IAAFSegment** ppSelSegment) override
    {
        return Referenced(self(), pids::kSelectorSelected, ppSelSegment);
    }
};

class SourceClip final : public Facet<IAAFSourceClip> {
public:
    using Facet::Facet;

    // A reference without a SourceID names no mob (the zero MobID), without a StartTime starts at 0.
    HRESULT GetSourceReference(aafSourceRef_t* pSourceRef) override
    {
        if (!pSourceRef)
            return AAFRESULT_NULL_PARAM;
        aafSourceRef_t ref{};
        HRESULT hr = ReadMobId(stored(), pids::kSourceReferenceSourceID, &ref.sourceID);
        if (hr == AAFRESULT_PROP_NOT_PRESENT)
            hr = AAFRESULT_SUCCESS;
        if (hr == AAFRESULT_SUCCESS)
            hr = ReadInteger(stored(), pids::kSourceReferenceSourceMobSlotID, &ref.sourceSlotID);
        if (hr == AAFRESULT_SUCCESS) {
            hr = ReadInteger(stored(), pids::kSourceClipStartTime, &ref.startTime);
            if (hr == AAFRESULT_PROP_NOT_PRESENT)
                hr = AAFRESULT_SUCCESS;
        }
        if (hr == AAFRESULT_SUCCESS)
            *pSourceRef = ref;
        return hr;
    }

    HRESULT GetFade(aafLength_t* pFadeInLen, aafFadeType_t* pFadeInType, aafBoolean_t* pFadeInPresent,
                    aafLength_t* pFadeOutLen, aafFadeType_t* pFadeOutType, aafBoolean_t* pFadeOutPresent) override
    {
        if (!pFadeInLen || !pFadeInType || !pFadeInPresent || !pFadeOutLen || !pFadeOutType || !pFadeOutPresent)
            return AAFRESULT_NULL_PARAM;
        HRESULT hr = Fade(pids::kSourceClipFadeInLength, pids::kSourceClipFadeInType, pFadeInLen, pFadeInType,
                          pFadeInPresent);
        if (hr == AAFRESULT_SUCCESS)
            hr = Fade(pids::kSourceClipFadeOutLength, pids::kSourceClipFadeOutType, pFadeOutLen, pFadeOutType,
                      pFadeOutPresent);
        return hr;
    }

private:
    HRESULT Fade(std::uint16_t lengthPid, std::uint16_t typePid, aafLength_t* length, aafFadeType_t* type,
                 aafBoolean_t* present) const
    {
        aafLength_t l = 0;
        aafFadeType_t t = kAAFFadeNone;
        HRESULT hr = ReadInteger(stored(), lengthPid, &l);
        if (hr == AAFRESULT_PROP_NOT_PRESENT) {
            *length = 0;
            *type = kAAFFadeNone;
            *present = kAAFFalse;
            return AAFRESULT_SUCCESS;
        }
        if (hr == AAFRESULT_SUCCESS) {
            hr = ReadEnum8(stored(), typePid, &t);
            if (hr == AAFRESULT_PROP_NOT_PRESENT)
                hr = AAFRESULT_SUCCESS;
        }
        if (hr == AAFRESULT_SUCCESS) {
            *length = l;
            *type = t;
            *present = kAAFTrue;
        }
        return hr;
    }
};

class EssenceGroup final : public Facet<IAAFEssenceGroup> {
public:
    using Facet::Facet;
    HRESULT CountChoices(aafUInt32* pCount) override { return CountElements(self(), pids::kEssenceGroupChoices, pCount); }
    HRESULT GetChoiceAt(aafUInt32 index, IAAFSegment** ppChoice) override
    {
        return StrongElementAt(self(), pids::kEssenceGroupChoices, index, ppChoice);
    }
    HRESULT GetStillFrame(IAAFSourceClip** ppStillFrame) override
    {
        return Referenced(self(), pids::kEssenceGroupStillFrame, ppStillFrame);
    }
};

class Timecode final : public Facet<IAAFTimecode> {
public:
    using Facet::Facet;
    HRESULT GetTimecode(aafTimecode_t* pTimecode) override
    {
        if (!pTimecode)
            return AAFRESULT_NULL_PARAM;
        aafTimecode_t tc{};
        std::uint8_t drop = 0;
        HRESULT hr = ReadInteger(stored(), pids::kTimecodeStart, &tc.startFrame);
        if (hr == AAFRESULT_SUCCESS)
            hr = ReadInteger(stored(), pids::kTimecodeFPS, &tc.fps);
        if (hr == AAFRESULT_SUCCESS)
            hr = ReadInteger(stored(), pids::kTimecodeDrop, &drop);
        if (hr == AAFRESULT_SUCCESS) {
            tc.drop = drop ? kAAFTcDrop : kAAFTcNonDrop;
            *pTimecode = tc;
        }
        return hr;
    }
};

class Event final : public Facet<IAAFEvent> {
public:
    using Facet::Facet;
    HRESULT GetPosition(aafPosition_t* pPosition) override
    {
        return ReadInteger(stored(), pids::kEventPosition, pPosition);
    }
    HRESULT GetCommentBufLen(aafUInt32* pBufSize) override
    {
        return TextPropertyBufLen(stored(), pids::kEventComment, pBufSize);
    }
    HRESULT GetComment(aafCharacter* pComment, aafUInt32 bufSize) override
    {
        return CopyTextProperty(stored(), pids::kEventComment, pComment, bufSize);
    }
};

class CommentMarker final : public Facet<IAAFCommentMarker> {
public:
    using Facet::Facet;
};

class DescriptiveMarker final : public Facet<IAAFDescriptiveMarker> {
public:
    using Facet::Facet;
    HRESULT GetDescribedSlotIDsSize(aafUInt32* pNumberElements) override
    {
        if (!pNumberElements)
            return AAFRESULT_NULL_PARAM;
        std::vector<aafUInt32> ids;
        const HRESULT hr = SlotIds(&ids);
        if (hr == AAFRESULT_SUCCESS)
            *pNumberElements = static_cast<aafUInt32>(ids.size());
        return hr;
    }
    HRESULT GetDescribedSlotIDs(aafUInt32 numberElements, aafUInt32* pDescribedSlotIDs) override
    {
        if (!pDescribedSlotIDs)
            return AAFRESULT_NULL_PARAM;
        std::vector<aafUInt32> ids;
        const HRESULT hr = SlotIds(&ids);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        if (numberElements < ids.size())
            return AAFRESULT_SMALLBUF;
        std::copy(ids.begin(), ids.end(), pDescribedSlotIDs);
        return AAFRESULT_SUCCESS;
    }

private:
    HRESULT SlotIds(std::vector<aafUInt32>* out) const
    {
        std::span<const std::uint8_t> bytes;
        const HRESULT hr = ReadBytes(stored(), pids::kDescriptiveMarkerDescribedSlots, &bytes);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        if (bytes.size() % 4 != 0)
            return AAFRESULT_BAD_PROP;
        const bool big = stored().byteOrder == 0x42;
        for (std::size_t i = 0; i < bytes.size(); i += 4) {
            aafUInt32 v = 0;
            for (std::size_t b = 0; b < 4; ++b)
                v |= aafUInt32(bytes[i + (big ? 3 - b : b)]) << (8 * b);
            out->push_back(v);
        }
        return AAFRESULT_SUCCESS;
    }
};

class GPITrigger final : public Facet<IAAFGPITrigger> {
public:
    using Facet::Facet;
};

class Transition final : public Facet<IAAFTransition> {
public:
    using Facet::Facet;
    HRESULT GetCutPoint(aafPosition_t* pCutPoint) override
    {
        return ReadInteger(stored(), pids::kTransitionCutPoint, pCutPoint);
    }
    HRESULT GetOperationGroup(IAAFOperationGroup** ppEffObj) override
    {
        return Referenced(self(), pids::kTransitionOperationGroup, ppEffObj);
    }
};

constexpr InterfaceEntry kRows[] = {
    Row<Component>(classes::kComponent),
    Row<Segment>(classes::kSegment),
    Row<Sequence>(classes::kSequence),
    Row<Filler>(classes::kFiller),
    Row<NestedScope>(classes::kNestedScope),
    Row<ScopeReference>(classes::kScopeReference),
    Row<Selector>(classes::kSelector),
    Row<SourceClip>(classes::kSourceClip),
    Row<EssenceGroup>(classes::kEssenceGroup),
    Row<Timecode>(classes::kTimecode),
    Row<Event>(classes::kEvent),
    Row<CommentMarker>(classes::kCommentMarker),
    Row<DescriptiveMarker>(classes::kDescriptiveMarker),
    Row<GPITrigger>(classes::kGPITrigger),
    Row<Transition>(classes::kTransition),
};

}  // namespace

std::span<const InterfaceEntry> SegmentInterfaceRows()
{
    return kRows;
}

}  // namespace aafsdk::com
