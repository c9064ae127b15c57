#include "effects/AudioLevelsTranslator.h"

#include <cstdint>

#include "aaf/import/TimelineBuilder.h"
#include "config/TranslationLog.h"
#include "effects/AudioParameterMapping.h"
#include "effects/ControlPointFrame.h"
#include "effects/EffectIds.h"
#include "effects/ParameterBinding.h"
#include "effects/ParameterLookup.h"
#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/ItemSlot.h"
#include "records/FloatToInt.h"

namespace {

// The level is the AAF gain itself.
constexpr ValueConversionRule kLevelRule{1.0f, 1.0f, 0};

void ReadLevelParameter(AudioLevelsTranslator& translator, ParameterMap& local)
{
    if (translator.parameters == nullptr)
        return;
    if (!MapParameter(*translator.parameters, local, kAudioGainParameter, "level", kLevelRule))
        MapParameter(*translator.parameters, local, kAmplitudeParameter, "level", kLevelRule);
}

// On an audio item a point's numerator counts edit units of the effect's slot from the effect's
// start: made frames (a sound track may count samples), and for one of several items the effect
// covers, counted from where that item starts.
void CountFramesFromCoveredItem(const AudioLevelsTranslator& translator, ParameterRecord& record)
{
    const auto& items = GlobalTimelineBuilder.ItemStack;
    if (items.empty() || GetItemMediaType(items.front()) != 1)
        return;
    CountPointsInFrames(translator.context, record.controlPoints);
    for (ControlPointInfo& point : record.controlPoints)
        point.timeNumerator = FloatToInt(static_cast<double>(std::int64_t{point.timeNumerator} - translator.coveredStart));
}

void BuildLevelParameter(AudioLevelsTranslator& translator, ParameterRecord& record)
{
    UseAudioValueMapping(record.mapping);
    CountFramesFromCoveredItem(translator, record);
    ParameterBinding binding(&record, ParameterInfo("level", "level", "0", "3.98109"));
    FillParameterValues(binding);
    BasicMotionBase::AddParameterIfSet(binding.parameter, translator.effect);
}

}  // namespace

AudioLevelsTranslator::AudioLevelsTranslator(const ComponentContext& effectContext, const Auid& operation,
                                             std::map<std::string, ParameterRecord>* effectParameters)
    : EffectTranslator(effectContext, operation, effectParameters)
{
    SetFCPEffect("audiolevels");
}

void TranslateAudioLevels(AudioLevelsTranslator& translator)
{
    ParameterMap local;
    ReadLevelParameter(translator, local);
    if (const auto level = local.find("level"); level != local.end())
        BuildLevelParameter(translator, level->second);
    if (AttachFilterToClipItem(translator))
        AddTranslationToCurrentItem(kTranslationApplied, "Audio Levels", "Audio Levels/Gain", "Applied");
}
