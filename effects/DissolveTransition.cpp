#include "effects/DissolveTransition.h"

#include <algorithm>
#include <limits>

#include "aaf/Auid.h"
#include "effects/EffectIds.h"
#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "records/ValueBase.h"

namespace {

struct DissolveRow {
    Auid operation;
    const char* fcpEffectId;
    const char* fcpName;
    const char* avidName;
    bool ratioDefaults;  // unset ratios become 0 to 1
    bool dipColor;
};

constexpr DissolveRow kDissolveRows[] = {
    {kVideoDissolve, "Cross Dissolve", "Cross Dissolve", "Video Dissolve", true, false},
    {kVideoDissolve2, "Cross Dissolve", "Cross Dissolve", "Video Dissolve", true, false},
    {kMonoAudioDissolve, "KGAudioTransCrossFade0dB", "Cross Fade ( 0dB)", "Audio Dissolve", false, false},
    {kDipAvx1, "Dip to Color Dissolve", "Dip to Color Dissolve", "Dip to Color", true, true},
    {kDipAvx2, "Dip to Color Dissolve", "Dip to Color Dissolve", "Dip to Color", true, true},
    {kFadeUp2, "Dip to Color Dissolve", "Dip to Color Dissolve", "Fade to Color", true, true},
    {kFadeUp, "Dip to Color Dissolve", "Dip to Color Dissolve", "Fade to Color", true, true},
    {kFadeDown2, "Dip to Color Dissolve", "Dip to Color Dissolve", "Fade from Color", true, true},
};

const DissolveRow* FindRow(const Auid& operation)
{
    const auto row = std::find_if(std::begin(kDissolveRows), std::end(kDissolveRows),
                                  [&](const DissolveRow& r) { return r.operation == operation; });
    return row == std::end(kDissolveRows) ? nullptr : row;
}

// The integer quotient of a level, truncated toward zero; false for a level with no quotient.
bool LevelQuotient(const RatioValue& level, int& quotient)
{
    if (level.numerator == 0) {
        quotient = 0;
        return true;
    }
    if (level.denominator == 0)
        return false;
    if (level.numerator == std::numeric_limits<int>::min() && level.denominator == -1) {
        quotient = std::numeric_limits<int>::max();
        return true;
    }
    quotient = level.numerator / level.denominator;
    return true;
}

}  // namespace

bool IsDissolveTransition(const Auid& operation) { return FindRow(operation) != nullptr; }

bool IsFadeUpEffect(const Auid& operation) { return operation == kFadeUp2 || operation == kFadeUp; }

bool TranslateDissolveTransition(TransitionTranslator& translator) { return BuildDissolveTransition(translator, true); }

bool BuildDissolveTransition(TransitionTranslator& translator, bool log)
{
    const DissolveRow* row = FindRow(translator.operationId);
    if (!row)
        return false;
    if (row->ratioDefaults) {
        SetDissolveEffect(translator, row->fcpEffectId);
    } else {
        translator.SetFCPEffect(row->fcpEffectId);
        ReadStartEndRatio(translator);
    }
    if (row->dipColor)
        AddDipColorParameter(translator);
    AddTransitionEffect(translator, log, row->fcpName, row->avidName);
    return true;
}

void ReadStartEndRatio(TransitionTranslator& translator)
{
    if (translator.parameters == nullptr)
        return;
    const auto level = translator.parameters->find(AuidToText(kLevelParameter));
    if (level == translator.parameters->end())
        return;
    for (const ControlPointInfo& point : level->second.controlPoints) {
        const auto* ratio = dynamic_cast<const RatioValue*>(point.value);
        int quotient = 0;
        if (!ratio || !LevelQuotient(*ratio, quotient))
            continue;
        if (point.timeNumerator == 0 && point.timeDenominator == 1)
            translator.effect.startratio = static_cast<float>(quotient);
        else if (point.timeNumerator == 1 && point.timeDenominator == 1)
            translator.effect.endratio = static_cast<float>(quotient);
    }
}

void SetDissolveEffect(TransitionTranslator& translator, const std::string& fcpEffectId)
{
    translator.SetFCPEffect(fcpEffectId);
    ReadStartEndRatio(translator);
    if (translator.effect.startratio == -1.0f || translator.effect.endratio == -1.0f) {
        translator.effect.startratio = 0.0f;
        translator.effect.endratio = 1.0f;
    }
}

void AddTransitionEffect(TransitionTranslator& translator, bool log, const std::string& fcpName,
                         const std::string& avidName)
{
    FCPTransitionItemTag* item = translator.transitionItem;
    if (!item)
        return;
    item->effects.push_back(translator.effect);
    if (!log)
        return;
    SetTransitionSourceName(*item, avidName);
    item->AddTranslation(fcpName, avidName, "Applied", kTranslationApplied);
}

void AddDipColorParameter(TransitionTranslator& translator)
{
    ParameterInfo color("Color", "dipcolor");
    ValueInfo black;
    black.colors.push_back(ColorInfo{255, 0, 0, 0});
    color.values.push_back(black);
    BasicMotionBase::AddParameterIfSet(color, translator.effect);
}
