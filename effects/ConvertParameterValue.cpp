#include "effects/ConvertParameterValue.h"

#include "aaf/import/EffectEntryPoints.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/ValueMakers.h"
#include "effects/ApplyConversionRule.h"
#include "effects/EffectIds.h"
#include "effects/ResolveClipParameter.h"
#include "fcpxml/NumberText.h"
#include "fcpxml/PluginParameterKind.h"
#include "fcpxml/XmlWriter.h"
#include "records/FloatToInt.h"
#include "records/ValueBase.h"

namespace {

ValueInfo MenuValue(const ValueBase* value, const ValueConversionRule& rule)
{
    const auto* integer = dynamic_cast<const IntValue*>(value);
    if (!integer)
        return {};
    int converted = integer->value;
    ApplyConversionRuleToInt(converted, rule);
    return ValueInfo(IntToString(converted));
}

ValueInfo UintValue(const ValueBase* value, const ParameterMapping& mapping)
{
    const auto* integer = dynamic_cast<const IntValue*>(value);
    int number = integer && mapping.avid.typeDefId != kRationalType ? integer->value : ValueAsFlooredInt(value);
    auto converted = static_cast<float>(number);
    ApplyConversionRule(converted, mapping.rule);
    number = FloatToInt(converted);
    return ValueInfo(IntToString(number));
}

ValueInfo DoubleValue(const ValueBase* value, const ValueConversionRule& rule)
{
    float converted = ValueAsFloat(value);
    ApplyConversionRule(converted, rule);
    return ValueInfo(FloatToString(converted));
}

ValueInfo BooleanValue(const ValueBase* value)
{
    const auto* flag = dynamic_cast<const BoolValue*>(value);
    return flag ? ValueInfo(BoolToText(flag->value != 0)) : ValueInfo();
}

ValueInfo LayerValue(const ValueBase* value, const ParameterMapping& mapping)
{
    ClipParameterValue record;
    record.source = value;
    record.mapping = mapping;
    auto& items = GlobalTimelineBuilder.ItemStack;
    if (!items.empty())
        ResolveClipParameter(items.front(), record);
    return record.value;
}

}  // namespace

ValueInfo ConvertParameterValue(const ValueBase* value, const ParameterMapping& mapping)
{
    switch (mapping.avid.kind) {
    case PluginKindMenu: return MenuValue(value, mapping.rule);
    case PluginKindUint: return UintValue(value, mapping);
    case PluginKindDouble: return DoubleValue(value, mapping.rule);
    case PluginKindBoolean: return BooleanValue(value);
    case PluginKindLayer: return LayerValue(value, mapping);
    default: return {};
    }
}
