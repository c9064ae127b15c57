#include "effects/EffectDispatch.h"

#include <span>

#include "effects/AudioLevelsTranslator.h"
#include "effects/AudioPanTranslator.h"

#include "aaf/import/DataT.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/TranslationLog.h"
#include "effects/CompositePictureEffects.h"
#include "effects/EffectIds.h"
#include "effects/EffectT.h"
#include "effects/motion/TimeEffectConverters.h"
#include "effects/PluginEffectName.h"
#include "effects/plugins/PluginEffects.h"
#include "effects/TitleTranslator.h"
#include "fcpxml/ItemKind.h"
#include "fcpxml/ItemSlot.h"

namespace {

// A converter builds its own record from the translator's context, operation and parameters, and
// runs it. Rows whose converter is not built yet hold none and do not match: their effects are
// logged as not supported until it is.
using EffectConverter = void (*)(EffectTranslator& translator);
using TimeEffectConverter = void (*)(EffectTranslator& translator, const MotionEffectTags* tags);

struct ConverterRow {
    Auid operation;
    EffectConverter convert;
};

struct TimeConverterRow {
    Auid operation;
    TimeEffectConverter convert;
};

constexpr ConverterRow kGeneratorRows[] = {
    {k3DMatteKey, TranslateMatteKey},
    {k3DMatteKey2, TranslateMatteKey},
    {k3DMatteKey3, TranslateMatteKey},
    {k2DMatteKey2, TranslateMatteKey},
    {k2DMatteKey, TranslateMatteKey},
    {kTitleToolText, TranslateTitle},  // on clip items only
    {kTitle2, TranslateTitle},
    {kTitle3, TranslateTitle},
};

constexpr ConverterRow kVideoRows[] = {
    {kResize, TranslateResize},
    {kSBlendV2, Translate3DWarp},
    {kSBlend, Translate3DWarp},
    {k3DMatteKeyPromoted, Translate3DWarp},
    {kPictureInPictureV2, TranslatePictureInPicture},
    {kSuperimpose, TranslateSuperimpose},
    {kFlip, TranslateFlipFlop},
    {kFlop, TranslateFlipFlop},
    {kFlipFlop, TranslateFlipFlop},
};

void ConvertAudioLevels(EffectTranslator& translator);
void ConvertAudioPan(EffectTranslator& translator);

constexpr ConverterRow kAudioRows[] = {
    {kMonoAudioGain, ConvertAudioLevels},
    {kMonoAudioPan, ConvertAudioPan},
};

// The speed-control rows come before the repeat row.
constexpr TimeConverterRow kTimeRows[] = {
    {kVideoSpeedControl, ConvertTimeRemap},
    {kVideoSpeedControl2, ConvertTimeRemap},
    {kVideoRepeat, ConvertFreezeFrame},
};

void ConvertAudioLevels(EffectTranslator& translator)
{
    AudioLevelsTranslator levels(translator.context, translator.operationId, translator.parameters);
    levels.coveredStart = translator.coveredStart;
    TranslateAudioLevels(levels);
}

void ConvertAudioPan(EffectTranslator& translator)
{
    AudioPanTranslator pan(translator.context, translator.operationId, translator.parameters);
    pan.coveredStart = translator.coveredStart;
    pan.panParameterIds.push_back(kPanParameter);
    ReadPanParameter(pan);
    TranslateAudioPan(pan);
}

bool RunFirstRow(std::span<const ConverterRow> rows, EffectTranslator& translator)
{
    for (const ConverterRow& row : rows) {
        if (row.convert != nullptr && row.operation == translator.operationId) {
            row.convert(translator);
            return true;
        }
    }
    return false;
}

}  // namespace

bool TranslateGeneratorEffect(EffectTranslator& translator) { return RunFirstRow(kGeneratorRows, translator); }

bool TranslateVideoEffect(EffectTranslator& translator)
{
    if (RunFirstRow(kVideoRows, translator))
        return true;
    // Any other picture operation whose display name is one of the maker's plug-ins.
    if (IsPluginEffectName(translator.name)) {
        TranslatePluginFilter(translator);
        return true;
    }
    return false;
}

bool TranslateAudioEffect(EffectTranslator& translator) { return RunFirstRow(kAudioRows, translator); }

bool TranslateTimeEffect(EffectTranslator& translator, const std::vector<MotionEffectTags>& tags)
{
    for (const TimeConverterRow& row : kTimeRows) {
        if (row.operation != translator.operationId)
            continue;
        if (row.convert == nullptr) {
            // A speed control or repeat is not supported until its converter is built.
            AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", translator.name, "Ignored");
            return false;
        }
        row.convert(translator, tags.empty() ? nullptr : &tags.front());
        return true;
    }
    return false;
}

bool EffectTranslator::Dispatch()
{
    auto& items = GlobalTimelineBuilder.ItemStack;
    if (items.empty())
        return false;
    if (const int kind = GetItemKind(items.front()); kind >= ItemKindClipItem && kind <= ItemKindFiller) {
        if (TranslateGeneratorEffect(*this))
            return true;
        if (context.dataKind == kDataKindPicture && TranslateVideoEffect(*this))
            return true;
        if (context.dataKind == kDataKindSound && TranslateAudioEffect(*this))
            return true;
    }
    AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", name, "Ignored");
    return false;
}

void EffectT::TranslateEffect()
{
    EffectTranslator translator(context, id, &parameters);
    translator.SetName(name);
    translator.coveredStart = coveredStart;
    if (id == kMonoAudioPan) {
        // The pan goes to its converter whatever the current item: it may cover a whole track.
        TranslateAudioEffect(translator);
    } else if (isTimeWarp) {
        // A time warp that is neither a speed control nor a repeat leaves no record.
        TranslateTimeEffect(translator, motionEffectTags);
    } else {
        translator.Dispatch();
    }
}
