#include "effects/plugins/PluginEffects.h"

#include "aaf/Auid.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/TranslationLog.h"
#include "effects/AlternateIdentityEffects.h"
#include "effects/EffectTranslator.h"
#include "effects/FxPlugUuidMap.h"
#include "effects/plugins/PluginNames.h"
#include "effects/plugins/PluginParameterCodes.h"
#include "effects/plugins/PluginParameterTranslation.h"
#include "effects/TransitionTranslator.h"
#include "fcpxml/FCPTransitionItemTag.h"

namespace {

constexpr int kIdentityRow = 1;
constexpr int kAlternateIdentityRow = 67650;
constexpr const char* kFxPlugPrefix = "FxPlugWrapper:";

void SetFxPlugIdentity(EffectInfo& effect, const std::string& name, const std::string& fxPlugId, const char* type)
{
    effect.SetName(name);
    effect.SetEffectId(kFxPlugPrefix + fxPlugId);
    effect.SetEffectClass("FxPlug");
    effect.SetEffectType(type);
}

}  // namespace

bool CheckPluginOperationAuid(const PluginParameterTable& table, const Auid& operation)
{
    const std::string text = table.OperationAuidText();
    if (text.empty() || !table.fcpRows.contains(std::to_string(kIdentityRow)))
        return false;
    return AuidToText(AuidFromHexText(text)) == AuidToText(operation);
}

void SetPluginFilterIdentity(EffectTranslator& translator, const PluginParameterTable& table, const PluginTables& tables)
{
    const int row = IsAlternateIdentityEffect(translator.operationId, tables.alternateIdentityEffects)
                        ? kAlternateIdentityRow
                        : kIdentityRow;
    SetFxPlugIdentity(translator.effect, FixPluginDisplayName(table.FcpField(row, 3), tables.displayNameFixUps),
                      table.FcpField(row, 1), "filter");
}

void SetPluginTransitionIdentity(TransitionTranslator& translator, const PluginParameterTable& table)
{
    std::string fxPlugId = table.FcpField(kIdentityRow, 1);
    LookupFxPlugUuid(translator.operationId, fxPlugId);
    SetFxPlugIdentity(translator.effect, table.FcpField(kIdentityRow, 3), fxPlugId, "transition");
}

void TranslatePluginFilter(EffectTranslator& translator, const PluginTables& tables)
{
    PluginParameterTable table = LoadPluginParameterTable(translator.name, tables);
    if (!CheckPluginOperationAuid(table, translator.operationId)) {
        AddTranslationToCurrentItem(kTranslationIgnored, "Not Supported", translator.name, "Ignored");
        return;
    }
    SetPluginFilterIdentity(translator, table, tables);
    TranslatePluginParameters(translator, table);
    if (AttachFilterToCurrentItem(translator))
        AddTranslationToCurrentItem(kTranslationApplied, translator.effect.name, translator.name, "Applied");
}

bool TranslatePluginTransition(TransitionTranslator& translator, const PluginTables& tables)
{
    FCPTransitionItemTag& item = *translator.transitionItem;
    SetTransitionSourceName(item, translator.name);
    const std::string name = GetTransitionSourceName(item);
    PluginParameterTable table = LoadPluginParameterTable(name, tables);
    if (!CheckPluginOperationAuid(table, translator.operationId))
        return false;
    SetPluginTransitionIdentity(translator, table);
    TranslatePluginParameters(translator, table);
    item.effects.push_back(translator.effect);
    AddTranslationToCurrentItem(kTranslationApplied, translator.effect.name, name, "Applied");
    return true;
}
