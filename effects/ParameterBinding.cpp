#include "effects/ParameterBinding.h"

#include <utility>

#include "aaf/import/TimelineBuilder.h"
#include "aaf/ValueMakers.h"
#include "effects/ControlPointFrame.h"
#include "effects/ConvertParameterValue.h"
#include "effects/ParameterRecordData.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "records/ParameterRecord.h"

void FillParameterValues(ParameterBinding& binding)
{
    if (binding.source == nullptr || !HasData(*binding.source) || GlobalTimelineBuilder.ItemStack.empty())
        return;
    if (!binding.source->constantValues.empty())
        AddConstantParameterValue(binding);
    else
        AddControlPointKeyframes(binding);
}

void AddConstantParameterValue(ParameterBinding& binding)
{
    const ParameterRecord& record = *binding.source;
    if (record.constantValues.empty())
        return;
    ValueInfo value = ConvertParameterValue(record.constantValues.front(), record.mapping);
    if (value.IsSet())
        binding.parameter.values.push_back(std::move(value));
}

void AddControlPointKeyframes(ParameterBinding& binding)
{
    const ParameterRecord& record = *binding.source;
    const auto& items = GlobalTimelineBuilder.ItemStack;
    const int mode = items.empty() ? 0 : GetItemMediaType(items.front());
    for (const ControlPointInfo& point : record.controlPoints) {
        if (!HasValue(point.value))
            continue;
        std::pair<int, int> time{point.timeNumerator, point.timeDenominator};
        KeyframeInfo keyframe(CurrentItemFrame(time, mode));
        ValueInfo value = ConvertParameterValue(point.value, record.mapping);
        if (value.IsSet())
            keyframe.values.push_back(std::move(value));
        AddKeyframeIfSet(keyframe, binding.parameter);
    }
    AddCurveInterpolation(binding.parameter);
}

void AddKeyframeIfSet(const KeyframeInfo& keyframe, ParameterInfo& parameter)
{
    const bool holdsSomething = !keyframe.values.empty() || !keyframe.inbez.empty() || !keyframe.outbez.empty();
    if (holdsSomething && keyframe.when >= 0)
        parameter.keyframes.push_back(keyframe);
}

void AddCurveInterpolation(ParameterInfo& parameter)
{
    if (!parameter.keyframes.empty())
        parameter.interpolations.emplace_back("FCPCurve");
}

bool AddToCurrentItemMotion(const ParameterInfo& parameter)
{
    auto& items = GlobalTimelineBuilder.ItemStack;
    if (!parameter.HasValuesOrKeyframes() || items.empty())
        return false;
    ItemTagBase* item = items.front().get();
    if (auto* clip = dynamic_cast<FCPClipItemTag*>(item))
        return clip->AddMotionParameter(parameter);
    if (auto* generator = dynamic_cast<FCPGeneratorItemTag*>(item))
        return generator->AddMotionParameter(parameter);
    return false;
}
