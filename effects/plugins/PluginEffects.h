#pragma once

#include "effects/plugins/PluginConfiguration.h"
#include "effects/plugins/PluginParameterTable.h"

struct EffectTranslator;
struct TransitionTranslator;
struct Auid;

// The maker's plug-in effects become FCP FxPlug effects described by their parameter data files.

// A plug-in filter on the current item, logged as applied when the item keeps it; an effect whose
// data files are missing or belong to another operation is logged as not supported.
void TranslatePluginFilter(EffectTranslator& translator, const PluginTables& tables = ConfiguredPluginTables());

// A plug-in transition into the translator's transition item; false, with nothing logged (the
// caller's fallback logs it), when its data files are missing or belong to another operation.
bool TranslatePluginTransition(TransitionTranslator& translator, const PluginTables& tables = ConfiguredPluginTables());

// Whether the table's data files belong to the operation. False without AAF-side rows, and without
// the FCP-side identity row, which the effect could not be written without.
bool CheckPluginOperationAuid(const PluginParameterTable& table, const Auid& operation);

// The FxPlug identity of the effect from the table's identity row.
void SetPluginFilterIdentity(EffectTranslator& translator, const PluginParameterTable& table,
                             const PluginTables& tables = ConfiguredPluginTables());
void SetPluginTransitionIdentity(TransitionTranslator& translator, const PluginParameterTable& table);
