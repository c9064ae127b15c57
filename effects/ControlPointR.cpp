#include "effects/ControlPointR.h"

#include "aaf/PropertyValues.h"
#include "effects/EffectIds.h"
#include "records/ValueBase.h"

namespace {

// The Avid Bezier interpolation, the one kind whose points carry handles.
constexpr std::int32_t kBezierInterpolation = 2;

void SetHandleCoordinate(const ValueBase* value, std::int32_t& numerator, std::int32_t& denominator)
{
    if (const auto* ratio = dynamic_cast<const RatioValue*>(value)) {
        numerator = ratio->numerator;
        denominator = ratio->denominator;
    }
}

}  // namespace

ControlPointR::ControlPointR(IAAFVaryingValue* varyingValue, std::int32_t interpolationKind, aafUInt32 index)
{
    if (varyingValue == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    status = varyingValue->GetControlPointAt(index, &controlPoint);
    if (status >= 0 && controlPoint == nullptr)
        status = AAFRESULT_BADINDEX;
    if (status < 0)
        return;
    aafRational_t time{0, 1};
    if (controlPoint->GetTime(&time) >= 0) {
        info.timeNumerator = time.numerator;
        info.timeDenominator = time.denominator;
    }
    (void)controlPoint->GetEditHint(&editHint);
    info.interpolationKind = interpolationKind;
    if (interpolationKind == kBezierInterpolation) {
        try {
            ReadHandles();
        } catch (...) {
            ReleaseInterface(controlPoint);
            throw;
        }
    }
}

ControlPointR::~ControlPointR() { ReleaseInterface(controlPoint); }

void ControlPointR::ReadHandles()
{
    if (GetInterface(&object, IID_IAAFObject, "IID_IAAFObject", controlPoint) < 0)
        return;
    CountProperties();
    PropertyValueList list;
    CollectPropertyValues(list, kControlPointHandlesProperty);
    RationalPoint first;
    RationalPoint second;
    std::int32_t flag = info.handleFlag;
    for (const ValueBase* value : list.values) {
        const auto* handle = dynamic_cast<const ParamRefValue*>(value);
        if (!handle)
            continue;
        const Auid& which = handle->parameterDefinition;
        if (which == kFirstHandleX)
            SetHandleCoordinate(handle->value, first.xNumerator, first.xDenominator);
        else if (which == kFirstHandleY)
            SetHandleCoordinate(handle->value, first.yNumerator, first.yDenominator);
        else if (which == kSecondHandleX)
            SetHandleCoordinate(handle->value, second.xNumerator, second.xDenominator);
        else if (which == kSecondHandleY)
            SetHandleCoordinate(handle->value, second.yNumerator, second.yDenominator);
        else if (which == kHandleFlag) {
            if (const auto* integer = dynamic_cast<const IntValue*>(handle->value))
                flag = integer->value;
        }
    }
    info.firstHandle = first;
    info.secondHandle = second;
    info.handleFlag = flag;
}
