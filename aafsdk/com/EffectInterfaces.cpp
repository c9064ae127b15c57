// Effects: operation groups and their definitions, parameters with their definitions, constant and
// varying values, control points and interpolation definitions.

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/NativeValue.h"
#include "aafsdk/com/ObjectEnumerator.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

using ParameterEnumerator = ObjectEnumerator<IEnumAAFParameters, IAAFParameter>;

// A transition's effect combines the outgoing and the incoming segment.
constexpr aafInt32 kTransitionInputs = 2;

// A value of the operation definition a group names: 0 when the file does not store that
// definition or the definition does not carry the value.
template <class T>
HRESULT OperationDefinitionValue(const ModelObject& group, std::uint16_t pid, T* out)
{
    WeakReference weak;
    HRESULT hr = ReadWeakReference(*group.stored(), pids::kOperationGroupOperation, &weak);
    if (hr != AAFRESULT_SUCCESS)
        return hr;
    const WeakTarget target = group.model().Resolve(weak);
    T value = 0;
    if (target.object != kNoObject && group.model().IsA(target.object, classes::kOperationDefinition)) {
        hr = ReadInteger(group.graph().object(target.object), pid, &value);
        if (hr == AAFRESULT_PROP_NOT_PRESENT)
            hr = AAFRESULT_SUCCESS;
    }
    if (hr == AAFRESULT_SUCCESS)
        *out = value;
    return hr;
}

class OperationGroup final : public Facet<IAAFOperationGroup> {
public:
    using Facet::Facet;
    HRESULT CountSourceSegments(aafUInt32* pNumSources) override
    {
        return CountOptionalElements(stored(), pids::kOperationGroupInputSegments, pNumSources);
    }
    // A definition the file does not store, or that does not say, is no time warp.
    HRESULT IsATimeWarp(aafBoolean_t* pIsTimeWarp) override
    {
        if (!pIsTimeWarp)
            return AAFRESULT_NULL_PARAM;
        std::uint8_t flag = 0;
        const HRESULT hr = OperationDefinitionValue(self(), pids::kOperationDefinitionIsTimeWarp, &flag);
        if (hr == AAFRESULT_SUCCESS)
            *pIsTimeWarp = flag ? kAAFTrue : kAAFFalse;
        return hr;
    }
    HRESULT GetBypassOverride(aafUInt32* pBypassOverride) override
    {
        return ReadInteger(stored(), pids::kOperationGroupBypassOverride, pBypassOverride);
    }
    // A transition's operation takes two inputs.
    HRESULT IsValidTranOperation(aafBoolean_t* pValidTransition) override
    {
        if (!pValidTransition)
            return AAFRESULT_NULL_PARAM;
        aafInt32 inputs = 0;
        const HRESULT hr = OperationDefinitionValue(self(), pids::kOperationDefinitionNumberInputs, &inputs);
        if (hr == AAFRESULT_SUCCESS)
            *pValidTransition = inputs == kTransitionInputs ? kAAFTrue : kAAFFalse;
        return hr;
    }
    HRESULT CountParameters(aafUInt32* pNumParameters) override
    {
        return CountOptionalElements(stored(), pids::kOperationGroupParameters, pNumParameters);
    }
    HRESULT GetOperationDefinition(IAAFOperationDef** ppOperationDef) override
    {
        return HandDefinition(self().file(), stored(), pids::kOperationGroupOperation, DefinitionKind::Operation,
                              classes::kOperationDefinition, IID_IAAFOperationDef,
                              reinterpret_cast<void**>(ppOperationDef));
    }
    HRESULT GetParameters(IEnumAAFParameters** ppEnum) override
    {
        return EnumerateOptional<ParameterEnumerator>(self(), pids::kOperationGroupParameters, ppEnum);
    }
    HRESULT GetInputSegmentAt(aafUInt32 index, IAAFSegment** ppInputSegment) override
    {
        return StrongElementAt(self(), pids::kOperationGroupInputSegments, index, ppInputSegment);
    }
};

// Also answers for a definition the file does not store: it has no stored values then.
class OperationDef final : public Facet<IAAFOperationDef> {
public:
    using Facet::Facet;
    HRESULT CountDegradeToOperations(aafInt32* pResult) override
    {
        if (!pResult)
            return AAFRESULT_NULL_PARAM;
        const StoredProperty* p = self().stored() ? stored().Find(pids::kOperationDefinitionDegradeTo) : nullptr;
        if (p && p->form() != StoredForm::WeakReferenceVector && p->form() != StoredForm::WeakReferenceSet)
            return AAFRESULT_BAD_PROP;
        *pResult = p ? static_cast<aafInt32>(p->weak.size()) : 0;
        return AAFRESULT_SUCCESS;
    }
    HRESULT GetCategory(aafUID_t* pValue) override
    {
        return self().stored() ? ReadUid(stored(), pids::kOperationDefinitionOperationCategory, pValue)
                               : NotStored(pValue);
    }
    HRESULT GetBypass(aafUInt32* pBypass) override
    {
        return self().stored() ? ReadInteger(stored(), pids::kOperationDefinitionBypass, pBypass) : NotStored(pBypass);
    }
    HRESULT GetNumberInputs(aafInt32* pNumberInputs) override
    {
        return self().stored() ? ReadInteger(stored(), pids::kOperationDefinitionNumberInputs, pNumberInputs)
                               : NotStored(pNumberInputs);
    }
    HRESULT GetDataDef(IAAFDataDef** ppDataDef) override
    {
        if (!self().stored())
            return NotStored(ppDataDef);
        return HandDataDefinition(self().file(), stored(), pids::kOperationDefinitionDataDefinition, ppDataDef);
    }

private:
    template <class T>
    static HRESULT NotStored(T* out)
    {
        return out ? AAFRESULT_PROP_NOT_PRESENT : AAFRESULT_NULL_PARAM;
    }
};

class Parameter final : public Facet<IAAFParameter> {
public:
    using Facet::Facet;
    // Parameter::Definition is a plain AUID: the Dictionary's definition of it, stored or built in.
    HRESULT GetParameterDefinition(IAAFParameterDef** ppParmDef) override
    {
        if (!ppParmDef)
            return AAFRESULT_NULL_PARAM;
        *ppParmDef = nullptr;
        aafUID_t uid{};
        const HRESULT hr = ReadUid(stored(), pids::kParameterDefinition, &uid);
        if (hr != AAFRESULT_SUCCESS)
            return hr;
        const Auid id = AuidFromUid(uid);
        const Definition* d = self().model().dictionary().Find(DefinitionKind::Parameter, id);
        if (!d)
            return AAFRESULT_PARAMETER_NOT_FOUND;
        if (d->object != kNoObject)
            return HandStored(self().file(), d->object, ppParmDef);
        return HandSubject(self().file(), Subject::OfDefinition(DefinitionKind::Parameter, id), ppParmDef);
    }
};

class ParameterDef final : public Facet<IAAFParameterDef> {
public:
    using Facet::Facet;
    HRESULT GetDisplayUnitsBufLen(aafUInt32* pBufSize) override
    {
        if (!self().stored())
            return pBufSize ? AAFRESULT_PROP_NOT_PRESENT : AAFRESULT_NULL_PARAM;
        return TextPropertyBufLen(stored(), pids::kParameterDefinitionDisplayUnits, pBufSize);
    }
    HRESULT GetDisplayUnits(aafCharacter* pDisplayUnits, aafUInt32 bufSize) override
    {
        if (!self().stored())
            return pDisplayUnits ? AAFRESULT_PROP_NOT_PRESENT : AAFRESULT_NULL_PARAM;
        return CopyTextProperty(stored(), pids::kParameterDefinitionDisplayUnits, pDisplayUnits, bufSize);
    }
};

class ConstantValue final : public Facet<IAAFConstantValue> {
public:
    using Facet::Facet;
    HRESULT GetTypeDefinition(IAAFTypeDef** ppTypeDef) override
    {
        return IndirectTypeDefinition(self(), pids::kConstantValueValue, ppTypeDef);
    }
    HRESULT GetValueBufLen(aafUInt32* pLen) override
    {
        return IndirectValueBufLen(self(), pids::kConstantValueValue, pLen);
    }
    HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) override
    {
        return CopyIndirectValue(self(), pids::kConstantValueValue, valueSize, pValue, pBytesRead);
    }
};

class VaryingValue final : public Facet<IAAFVaryingValue> {
public:
    using Facet::Facet;
    HRESULT GetInterpolationDefinition(IAAFInterpolationDef** ppInterpolation) override
    {
        return HandDefinition(self().file(), stored(), pids::kVaryingValueInterpolation,
                              DefinitionKind::Interpolation, classes::kInterpolationDefinition,
                              IID_IAAFInterpolationDef, reinterpret_cast<void**>(ppInterpolation));
    }
    HRESULT CountControlPoints(aafUInt32* pResult) override
    {
        if (!pResult)
            return AAFRESULT_NULL_PARAM;
        std::vector<ObjectId> points;
        const HRESULT hr = ReadStrongElements(stored(), pids::kVaryingValuePointList, &points);
        if (hr == AAFRESULT_SUCCESS)
            *pResult = static_cast<aafUInt32>(points.size());
        return hr;
    }
    HRESULT GetControlPointAt(aafUInt32 index, IAAFControlPoint** ppControlPoint) override
    {
        return StrongElementAt(self(), pids::kVaryingValuePointList, index, ppControlPoint);
    }
};

class ControlPoint final : public Facet<IAAFControlPoint> {
public:
    using Facet::Facet;
    HRESULT GetTime(aafRational_t* pTime) override { return ReadRational(stored(), pids::kControlPointTime, pTime); }
    HRESULT GetEditHint(aafEditHint_t* pEditHint) override
    {
        return ReadEnum8(stored(), pids::kControlPointEditHint, pEditHint);
    }
    HRESULT GetTypeDefinition(IAAFTypeDef** ppTypeDef) override
    {
        return IndirectTypeDefinition(self(), pids::kControlPointValue, ppTypeDef);
    }
    HRESULT GetValueBufLen(aafUInt32* pLen) override { return IndirectValueBufLen(self(), pids::kControlPointValue, pLen); }
    HRESULT GetValue(aafUInt32 valueSize, aafDataBuffer_t pValue, aafUInt32* pBytesRead) override
    {
        return CopyIndirectValue(self(), pids::kControlPointValue, valueSize, pValue, pBytesRead);
    }
};

// Only queried, to be read as a definition.
class InterpolationDef final : public Facet<IAAFInterpolationDef> {
public:
    using Facet::Facet;
};

constexpr InterfaceEntry kRows[] = {
    Row<OperationGroup>(classes::kOperationGroup),
    Row<OperationDef>(classes::kOperationDefinition),
    Row<Parameter>(classes::kParameter),
    Row<ParameterDef>(classes::kParameterDefinition),
    Row<ConstantValue>(classes::kConstantValue),
    Row<VaryingValue>(classes::kVaryingValue),
    Row<ControlPoint>(classes::kControlPoint),
    Row<InterpolationDef>(classes::kInterpolationDefinition),
};

}  // namespace

std::span<const InterfaceEntry> EffectInterfaceRows()
{
    return kRows;
}

}  // namespace aafsdk::com
