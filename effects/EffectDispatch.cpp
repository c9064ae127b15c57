#include "effects/EffectDispatch.h"

#include <span>

#include "aaf/import/DataT.h"
#include "aaf/import/TimelineBuilder.h"
#include "effects/EffectIds.h"
#include "effects/EffectT.h"
#include "effects/PluginEffectName.h"
#include "effects/TitleTranslator.h"
#include "fcpxml/ItemKind.h"
#include "fcpxml/ItemSlot.h"
#include "config/TranslationLog.h"

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
    {k3DMatteKey, nullptr},     // TranslateMatteKey
    {k3DMatteKey2, nullptr},    // TranslateMatteKey
    {k3DMatteKey3, nullptr},    // TranslateMatteKey
    {k2DMatteKey2, nullptr},    // TranslateMatteKey
    {k2DMatteKey, nullptr},     // TranslateMatteKey
    {kTitleToolText, TranslateTitle},  // on clip items only
    {kTitle2, TranslateTitle},
    {kTitle3, TranslateTitle},
};

constexpr ConverterRow kVideoRows[] = {
    {kResize, nullptr},               // resize
    {kSBlendV2, nullptr},             // Translate3DWarp
    {kSBlend, nullptr},               // Translate3DWarp
    {k3DMatteKeyPromoted, nullptr},   // Translate3DWarp
    {kPictureInPictureV2, nullptr},   // picture-in-picture
    {kSuperimpose, nullptr},          // superimpose
    {kFlip, nullptr},                 // TranslateFlipFlop
    {kFlop, nullptr},                 // TranslateFlipFlop
    {kFlipFlop, nullptr},             // TranslateFlipFlop
};

// Any other picture operation whose display name is one of the maker's plug-ins.
constexpr EffectConverter kPluginFilterConverter = nullptr;  // TranslatePluginFilter

constexpr ConverterRow kAudioRows[] = {
    {kMonoAudioGain, nullptr},  // audio levels
    {kMonoAudioPan, nullptr},   // audio pan
};

// The speed-control rows come before the repeat row.
constexpr TimeConverterRow kTimeRows[] = {
    {kVideoSpeedControl, nullptr},   // time remap
    {kVideoSpeedControl2, nullptr},  // time remap
    {kVideoRepeat, nullptr},         // freeze frame
};

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
    if (kPluginFilterConverter != nullptr && IsPluginEffectName(translator.name)) {
        kPluginFilterConverter(translator);
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
    if (id == kMonoAudioPan) {
        // The pan goes to its converter whatever the current item; while that converter is not
        // built, the dispatch logs the pan as not supported like any other effect.
        if (!TranslateAudioEffect(translator))
            translator.Dispatch();
    } else if (isTimeWarp) {
        // A time warp that is neither a speed control nor a repeat leaves no record.
        TranslateTimeEffect(translator, motionEffectTags);
    } else {
        translator.Dispatch();
    }
}
