#include "effects/plugins/PluginParameterTranslation.h"

#include <cmath>

#include "aaf/Auid.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/ValueMakers.h"
#include "config/PathText.h"
#include "effects/ColorParameterConversion.h"
#include "effects/EffectTranslator.h"
#include "effects/ParameterBinding.h"
#include "effects/ParameterRecordData.h"
#include "effects/plugins/PluginParameterCodes.h"
#include "effects/PointParameterConversion.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/FCPValueType.h"
#include "fcpxml/ParameterInfo.h"
#include "fcpxml/PluginParameterKind.h"
#include "records/FloatToInt.h"
#include "records/ValueBase.h"

namespace {

// The record's values give way to the default: none of them is usable.
void SetDefaultValue(ParameterRecord& record, ValueBase* value)
{
    for (ValueBase* old : record.constantValues)
        delete old;
    record.constantValues.assign(1, value);
}

// The row's default value text as a value of its kind; null when it has none.
ValueBase* DefaultValue(const ParameterMapping& mapping)
{
    const std::string& text = mapping.avid.defaultValue;
    if (text.empty())
        return nullptr;
    switch (mapping.avid.kind) {
    case PluginKindMenu:
    case PluginKindLayer: {
        const int n = LeadingInt(text);
        return n >= 0 ? new IntValue(n) : nullptr;
    }
    case PluginKindDouble: {
        const float hundredths = ParseFloat(text) * 100.0f;
        return new RatioValue(FloatToInt(std::floor(hundredths)), 100);
    }
    case PluginKindBoolean: {
        const int n = LeadingInt(text);
        return n >= 0 ? new BoolValue(n != 0 ? 1 : 0) : nullptr;
    }
    case PluginKindRed:
    case PluginKindGreen:
    case PluginKindBlue:
    case PluginKindPointX:
    case PluginKindPointY: return new RatioValue(LeadingInt(text), 1);
    default: return nullptr;
    }
}

// The mapping of the row under the cursor, for the effect being built.
ParameterMapping CurrentMapping(const PluginParameterWalk& walk)
{
    return BuildPluginParameterMapping(*walk.table, *walk.effect);
}

// The record of the group's members that last has the kind; null when none has.
const ParameterRecord* MemberOfKind(const FCPParameterGroup& group, int kind)
{
    const ParameterRecord* found = nullptr;
    for (const ParameterRecord& member : group.members) {
        if (member.mapping.avid.kind == kind)
            found = &member;
    }
    return found;
}

}  // namespace

void ApplyPluginRule(ParameterMapping& mapping)
{
    ValueConversionRule& rule = mapping.rule;
    switch (mapping.fcp.valueType) {
    case FCPValueBool: rule = {1.0f, 1.0f, 14}; break;
    case FCPValuePointX:
    case FCPValuePointY: rule = {1000.0f, 1.0f, 4}; break;
    case FCPValueColor: rule = {1.0f, 1.0f, 15}; break;
    case FCPValueLayer: rule = {1.0f, 1.0f, 13}; break;
    case FCPValueMenu: rule = {1.0f, 1.0f, 1}; break;
    default: break;
    }
}

void ConvertPluginRow(PluginParameterWalk& walk, std::vector<ParameterRecord>& target, ParameterMapping mapping)
{
    ParameterRecord record;
    if (walk.parameterMap != nullptr) {
        const auto found = walk.parameterMap->find(AuidToText(mapping.avid.parameterDefId));
        if (found != walk.parameterMap->end())
            record = found->second;
    }
    if (!HasData(record)) {
        ValueBase* value = DefaultValue(mapping);
        if (value == nullptr)
            return;
        SetDefaultValue(record, value);
    }
    ApplyPluginRule(mapping);
    record.mapping = mapping;
    target.push_back(std::move(record));
}

bool DispatchPluginRow(ParameterMapping mapping, PluginParameterWalk& walk)
{
    PluginParameterTable& table = *walk.table;
    switch (mapping.avid.kind) {
    case PluginKindMenu:
        if (mapping.fcp.valueType == FCPValueLayer) {
            mapping.avid.kind = PluginKindLayer;
            ConvertPluginRow(walk, walk.layerParameters, mapping);
        } else {
            ConvertPluginRow(walk, walk.menuParameters, mapping);
        }
        return true;
    case PluginKindDouble: ConvertPluginRow(walk, walk.doubleParameters, mapping); return true;
    case PluginKindBoolean: ConvertPluginRow(walk, walk.boolParameters, mapping); return true;
    case PluginKindColor: {
        FCPParameterGroup group(mapping.fcp);
        for (int channel = 0; channel < 3; ++channel) {
            table.Next(false);
            if (table.AtEnd())
                return false;
            ConvertPluginRow(walk, group.members, CurrentMapping(walk));
        }
        walk.colourGroups.push_back(std::move(group));
        return true;
    }
    case PluginKindPointX: {
        FCPParameterGroup group(mapping.fcp);
        mapping.avid.kind = PluginKindPointX;
        mapping.fcp.valueType = FCPValuePointX;
        ConvertPluginRow(walk, group.members, mapping);
        table.Next(false);
        if (table.AtEnd())
            return false;
        ParameterMapping y = CurrentMapping(walk);
        y.fcp.name = mapping.fcp.name;
        y.fcp.parameterId = mapping.fcp.parameterId;
        y.fcp.valueType = FCPValuePointY;
        y.avid.kind = PluginKindPointY;
        ConvertPluginRow(walk, group.members, y);
        walk.pointGroups.push_back(std::move(group));
        return true;
    }
    default: return true;
    }
}

void WalkPluginRows(PluginParameterWalk& walk)
{
    PluginParameterTable& table = *walk.table;
    for (table.Rewind(); !table.AtEnd(); table.Next(true)) {
        ParameterMapping mapping = CurrentMapping(walk);
        if (mapping.fcp.valueType != FCPValueNoData && !DispatchPluginRow(std::move(mapping), walk))
            return;
    }
}

void EmitPluginParameters(PluginParameterWalk& walk, const std::vector<ParameterRecord>& list)
{
    for (const ParameterRecord& record : list) {
        if (!HasData(record))
            continue;
        ParameterBinding binding(&record, ParameterInfo(record.mapping.fcp.name, MakeInputParameterName(record.mapping.fcp)));
        if (!record.controlPoints.empty())
            AddControlPointKeyframes(binding);
        else
            AddConstantParameterValue(binding);
        if (binding.parameter.HasValuesOrKeyframes())
            walk.effect->parameters.push_back(std::move(binding.parameter));
    }
}

void EmitPluginColourParameters(PluginParameterWalk& walk)
{
    const ParameterRecord empty;
    for (const FCPParameterGroup& group : walk.colourGroups) {
        const ParameterRecord* red = MemberOfKind(group, PluginKindRed);
        const ParameterRecord* green = MemberOfKind(group, PluginKindGreen);
        const ParameterRecord* blue = MemberOfKind(group, PluginKindBlue);
        ColorParameterConversion conversion(red ? red : &empty, green ? green : &empty, blue ? blue : &empty);
        conversion.Build(group.spec.name, MakeInputParameterName(group.spec));
        if (conversion.parameter.HasValuesOrKeyframes())
            walk.effect->parameters.push_back(conversion.parameter);
    }
}

void EmitPluginPointParameters(PluginParameterWalk& walk)
{
    const ParameterRecord empty;
    for (const FCPParameterGroup& group : walk.pointGroups) {
        const ParameterRecord* x = MemberOfKind(group, PluginKindPointX);
        const ParameterRecord* y = MemberOfKind(group, PluginKindPointY);
        PointParameterConversion conversion(x ? x : &empty, y ? y : &empty);
        conversion.Build(group.spec.name, MakeInputParameterName(group.spec));
        if (conversion.parameter.HasValuesOrKeyframes())
            walk.effect->parameters.push_back(conversion.parameter);
    }
}

void StoreLayerParameters(PluginParameterWalk& walk)
{
    std::vector<ParameterRecord> collected;
    for (const ParameterRecord& record : walk.layerParameters) {
        if (!record.constantValues.empty() && HasData(record))
            collected.push_back(record);
    }
    auto& builder = GlobalTimelineBuilder;
    if (collected.empty() || builder.ItemStack.empty())
        return;
    ItemTagBase* item = builder.ItemStack.front().get();
    if (auto* clip = dynamic_cast<FCPClipItemTag*>(item))
        clip->layerParameters[static_cast<int>(clip->filters.size())] = std::move(collected);
    else if (auto* generator = dynamic_cast<FCPGeneratorItemTag*>(item))
        generator->layerParameters[static_cast<int>(generator->filters.size())] = std::move(collected);
    else if (auto* transition = dynamic_cast<FCPTransitionItemTag*>(item))
        transition->layerParameters[static_cast<int>(transition->effects.size())] = std::move(collected);
    else
        return;
    if (!builder.TrackStack.empty()) {
        TrackInfo& track = builder.TrackStack.front();
        track.parameterItems[static_cast<int>(track.items.size())] = true;
    }
}

void TranslatePluginParameters(EffectTranslator& translator, PluginParameterTable& table)
{
    PluginParameterWalk walk{translator.parameters, &table, &translator.effect, {}, {}, {}, {}, {}, {}};
    WalkPluginRows(walk);
    EmitPluginParameters(walk, walk.menuParameters);
    EmitPluginParameters(walk, walk.doubleParameters);
    EmitPluginParameters(walk, walk.boolParameters);
    EmitPluginColourParameters(walk);
    EmitPluginPointParameters(walk);
    StoreLayerParameters(walk);
}
