#include "effects/AudioPanTranslator.h"

#include <cstdint>

#include "aaf/import/ParentKind.h"
#include "aaf/import/TimelineBuilder.h"
#include "aaf/ValueMakers.h"
#include "config/TranslationLog.h"
#include "effects/AudioParameterMapping.h"
#include "effects/ControlPointFrame.h"
#include "effects/ConvertParameterValue.h"
#include "effects/EffectIds.h"
#include "effects/ParameterBinding.h"
#include "effects/ParameterLookup.h"
#include "effects/ParameterRecordData.h"
#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/FCPClipItemTag.h"
#include "records/FloatToInt.h"

namespace {

// A pan value of 0..1 becomes -1..1.
constexpr ValueConversionRule kPanRule{1.0f, 1.0f, 11};

int Sum(std::int64_t value) { return FloatToInt(static_cast<double>(value)); }

}  // namespace

AudioPanTranslator::AudioPanTranslator(const ComponentContext& effectContext, const Auid& operation,
                                       std::map<std::string, ParameterRecord>* effectParameters)
    : EffectTranslator(effectContext, operation, effectParameters)
{
    SetFCPEffect("audiopan");
}

void ReadPanParameter(AudioPanTranslator& translator)
{
    if (translator.parameters == nullptr)
        return;
    for (const Auid& id : translator.panParameterIds) {
        ParameterMap local;
        if (!MapParameter(*translator.parameters, local, id, "pan", kPanRule))
            continue;
        translator.panRecord = local.at("pan");
        UseAudioValueMapping(translator.panRecord.mapping);
        CountPointsInFrames(translator.context, translator.panRecord.controlPoints);
        return;
    }
}

void TranslateAudioPan(AudioPanTranslator& translator)
{
    if (!HasData(translator.panRecord))
        return;
    TimelineBuilder& builder = GlobalTimelineBuilder;
    if (translator.context.parentKind == kParentTimelineSlot && builder.ItemStack.empty()) {
        // The pan's input filled the track opened for it: it covers every clip item there.
        if (builder.TrackStack.empty())
            return;
        for (ItemSlot& slot : builder.TrackStack.front().items)
            if (auto* item = dynamic_cast<FCPClipItemTag*>(slot.get()))
                ApplyPanToClipItem(translator, *item, item->start, item->end);
        return;
    }
    // Anywhere else the pan covers the current item, from where that starts within the pan.
    if (builder.ItemStack.empty())
        return;
    if (auto* item = dynamic_cast<FCPClipItemTag*>(builder.ItemStack.front().get()))
        ApplyPanToClipItem(translator, *item, translator.coveredStart,
                           Sum(std::int64_t{translator.coveredStart} + item->out - item->in));
}

void ApplyPanToClipItem(const AudioPanTranslator& translator, FCPClipItemTag& item, int start, int end)
{
    EffectInfo effect = translator.effect;
    ParameterInfo pan("pan", "Pan", "-1", "1");
    const ParameterRecord& record = translator.panRecord;
    if (record.controlPoints.empty()) {
        if (!record.constantValues.empty()) {
            ValueInfo value = ConvertParameterValue(record.constantValues.front(), record.mapping);
            if (value.IsSet())
                pan.values.push_back(std::move(value));
        }
    } else {
        for (const ControlPointInfo& point : record.controlPoints) {
            if (!HasValue(point.value))
                continue;
            // The numerator is the point's place in the pan's time, in frames since it was read; the
            // denominator is not used.
            const int t = point.timeNumerator;
            if (end <= 0 || t < start || t > end)
                continue;
            KeyframeInfo keyframe(Sum(std::int64_t{item.in} + t - start));
            ValueInfo value = ConvertParameterValue(point.value, record.mapping);
            if (value.IsSet())
                keyframe.values.push_back(std::move(value));
            AddKeyframeIfSet(keyframe, pan);
        }
        AddCurveInterpolation(pan);
    }
    if (!pan.HasValuesOrKeyframes())
        return;
    BasicMotionBase::AddParameterIfSet(pan, effect);
    if (item.AddFilter(effect))
        item.AddTranslation("Audio Pan", "Audio Pan", "Applied", kTranslationApplied);
}
