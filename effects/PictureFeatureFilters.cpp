#include "effects/PictureFeatureFilters.h"

#include <cmath>

#include "aaf/import/TimelineBuilder.h"
#include "aaf/ValueMakers.h"
#include "config/TranslationLog.h"
#include "effects/EffectIds.h"
#include "effects/ParameterBinding.h"
#include "effects/ParameterLookup.h"
#include "effects/PointParameterConversion.h"
#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/FCPValueType.h"
#include "fcpxml/PluginParameterKind.h"
#include "records/ValueBase.h"

namespace {

const ParameterRecord* Find(const ParameterMap& map, const std::string& fcpName)
{
    const auto found = map.find(fcpName);
    return found == map.end() ? nullptr : &found->second;
}

// The record's values as whole numbers under the rule its front end stored: floored, converted,
// truncated toward zero.
ParameterInfo ConvertAsWholeNumbers(const ParameterRecord& record, const ParameterInfo& fcpParameter)
{
    ParameterRecord copy = record;
    copy.mapping.avid.kind = PluginKindUint;
    copy.mapping.avid.typeDefId = kRationalType;
    copy.mapping.fcp.valueType = FCPValueUint;
    ParameterBinding binding(&copy, fcpParameter);
    FillParameterValues(binding);
    return binding.parameter;
}

// A coordinate of a point: a copy of the record (a default one when absent) read as a decimal number.
ParameterRecord CoordinateRecord(const ParameterRecord* record, int valueType)
{
    ParameterRecord copy = record != nullptr ? *record : ParameterRecord();
    copy.mapping.avid.kind = PluginKindDouble;
    copy.mapping.avid.typeDefId = kRationalType;
    copy.mapping.fcp.valueType = valueType;
    return copy;
}

bool RefusedOperation(const EffectTranslator& translator, const std::string& fcpName, const std::string& name)
{
    if (!IsUnsupportedFeatureOperation(translator.operationId))
        return false;
    AddTranslationToCurrentItem(kTranslationError, fcpName, name, "Error: Unsupported UID");
    return true;
}

void AddToMotionAndLog(const ParameterInfo& parameter, const std::string& fcpName, const std::string& avidName)
{
    if (AddToCurrentItemMotion(parameter))
        AddTranslationToCurrentItem(kTranslationApplied, fcpName, avidName, "Applied");
}

void AttachAndLog(const EffectTranslator& translator, const std::string& fcpName, const std::string& name)
{
    if (AttachFilterToCurrentItem(translator))
        AddTranslationToCurrentItem(kTranslationApplied, fcpName, name, "Applied");
}

}  // namespace

bool IsUnsupportedFeatureOperation(const Auid& operation)
{
    return operation == k3DMatteKey3 || operation == kSubmasterUnknown3;
}

void TranslateCropFilter(EffectTranslator& translator, const std::string& name)
{
    if (RefusedOperation(translator, "Crop", name))
        return;
    translator.SetFCPEffect("crop");
    for (const char* side : {"left", "right", "bottom", "top"}) {
        if (const ParameterRecord* record = Find(*translator.parameters, side))
            BasicMotionBase::AddParameterIfSet(
                ConvertAsWholeNumbers(*record, ParameterInfo(side, side, "0", "100")), translator.effect);
    }
    AttachAndLog(translator, "Crop", name);
}

void TranslateOpacityFilter(EffectTranslator& translator, const std::string& name)
{
    if (RefusedOperation(translator, "Opacity", name))
        return;
    translator.SetFCPEffect("opacity");
    if (const ParameterRecord* record = Find(*translator.parameters, "opacity"))
        BasicMotionBase::AddParameterIfSet(
            ConvertAsWholeNumbers(*record, ParameterInfo("opacity", "opacity", "0", "100")), translator.effect);
    if (ReadBoolParameter(*translator.parameters, std::string("swap_sources")))
        AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", name + "- Swap Sources", "Ignored");
    AttachAndLog(translator, "Opacity", name);
}

void TranslateScaleFilter(EffectTranslator& translator, const std::string& name, bool pictureInPictureDefault)
{
    static const std::string kFcpName = "Basic Motion - Scale";
    if (RefusedOperation(translator, kFcpName, name))
        return;
    const ParameterInfo scale("Scale", "scale", "0", "1000");
    const ParameterRecord* record = Find(*translator.parameters, "scale_x");
    if (record == nullptr)
        record = Find(*translator.parameters, "scale_y");
    if (record != nullptr) {
        AddToMotionAndLog(ConvertAsWholeNumbers(*record, scale), kFcpName, name + " (Fixed Aspect Only)");
    } else if (pictureInPictureDefault && name == "Picture-In-Picture: Scaling") {
        ParameterInfo half = scale;
        half.AddValue("50");
        AddToMotionAndLog(half, kFcpName, name + " (Fixed Aspect Only)");
    }
}

void TranslateCenterFilter(EffectTranslator& translator, const std::string& name)
{
    static const std::string kFcpName = "Basic Motion - Center";
    if (RefusedOperation(translator, kFcpName, name))
        return;
    const ParameterRecord x = CoordinateRecord(Find(*translator.parameters, "center_x"), FCPValuePointX);
    const ParameterRecord y = CoordinateRecord(Find(*translator.parameters, "center_y"), FCPValuePointY);
    PointParameterConversion center(&x, &y);
    center.Build("Center", "center");
    AddToMotionAndLog(center.parameter, kFcpName, name);
}

void TranslateRotationFilter(EffectTranslator& translator, const std::string& name)
{
    translator.SetFCPEffect("Basic 3D");
    const ParameterRecord* rz = Find(*translator.parameters, "rz");
    if (rz == nullptr)
        return;
    AddToMotionAndLog(ConvertAsWholeNumbers(*rz, ParameterInfo("Rotation", "rotation", "-8640", "8640")),
                      "Basic Motion - Rotation", name + " - Z value only");
}

void TranslateBorderFilter(EffectTranslator& translator, const std::string& name)
{
    translator.SetFCPEffect("Basic Border");
    const ParameterRecord* width = Find(*translator.parameters, "borderwidth");
    if (width == nullptr)
        return;
    const bool hasWidth = !width->controlPoints.empty() ||
                          (!width->constantValues.empty() &&
                           std::floor(ValueAsFloat(width->constantValues.front())) != 0.0f);
    if (hasWidth)
        AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", name, "Ignored");
}
