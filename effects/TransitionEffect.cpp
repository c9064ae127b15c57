#include <string>

#include "aaf/import/DataT.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/ImportPreferences.h"
#include "effects/DissolveTransition.h"
#include "effects/EffectIds.h"
#include "effects/EffectT.h"
#include "effects/PluginEffectName.h"
#include "effects/plugins/PluginEffects.h"
#include "effects/SmpteWipe.h"
#include "effects/TransitionTranslator.h"
#include "fcpxml/FCPTransitionItemTag.h"

void EffectT::ImportTransitionEffect()
{
    if (status < 0)
        return;
    ReadParameters();
    auto& items = GlobalTimelineBuilder.ItemStack;
    if (items.empty())
        return;
    auto* transitionItem = dynamic_cast<FCPTransitionItemTag*>(items.front().get());
    if (!transitionItem)
        return;
    SetTransitionSourceName(*transitionItem, name);
    TranslateTransition(*transitionItem);
    // A transition with no effect leaves the timeline, with whatever was logged on it.
    if (transitionItem->effects.empty())
        items.pop_front();
}

bool EffectT::TranslateTransition(FCPTransitionItemTag& transitionItem)
{
    bool translated = false;
    if (IsDissolveTransition(id)) {
        TransitionTranslator translator(context, id, &parameters, &transitionItem);
        translator.SetName(name);
        translated = TranslateDissolveTransition(translator);
    } else if (id == kSmpteVideoWipe) {
        SmpteWipeTranslator translator(context, id, &parameters, &transitionItem);
        translator.SetName(name);
        translated = TranslateSmpteWipe(translator);
    } else if (IsPluginEffectName(name)) {
        TransitionTranslator translator(context, id, &parameters, &transitionItem);
        translator.SetName(name);
        translated = TranslatePluginTransition(translator);
    }
    if (!translated)
        LogUnsupportedTransition(transitionItem);
    return translated;
}

bool EffectT::LogUnsupportedTransition(FCPTransitionItemTag& transitionItem)
{
    if (ReplaceWithDissolve(transitionItem))
        return true;
    AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", GetTransitionSourceName(transitionItem),
                                "Ignored");
    return false;
}

bool EffectT::ReplaceWithDissolve(FCPTransitionItemTag& transitionItem)
{
    if (!ImportPrefs.replaceWithDissolve)
        return false;
    const Auid& dissolve = context.dataKind == kDataKindSound ? kMonoAudioDissolve : kVideoDissolve;
    TransitionTranslator translator(context, dissolve, &parameters, &transitionItem);
    translator.SetName(name);
    BuildDissolveTransition(translator, false);
    AddTranslationToCurrentItem(kTranslationApplied, "Not Supported", GetTransitionSourceName(transitionItem),
                                "Replaced with Dissolve");
    return true;
}
