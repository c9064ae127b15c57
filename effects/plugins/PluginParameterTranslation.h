#pragma once

#include <map>
#include <string>
#include <vector>

#include "effects/plugins/PluginParameterTable.h"
#include "fcpxml/FCPParameterGroup.h"
#include "records/ParameterMapping.h"
#include "records/ParameterRecord.h"

struct EffectInfo;
struct EffectTranslator;

// The working record of one plug-in parameter translation: the rows' parameters sorted by what
// they become.
struct PluginParameterWalk {
    std::map<std::string, ParameterRecord>* parameterMap;  // the effect's; not owned
    PluginParameterTable* table;                          // not owned; the walk moves its cursor
    EffectInfo* effect;                                   // not owned; receives the parameters
    std::vector<ParameterRecord> menuParameters;
    std::vector<ParameterRecord> doubleParameters;
    std::vector<ParameterRecord> boolParameters;
    std::vector<ParameterRecord> layerParameters;
    std::vector<FCPParameterGroup> colourGroups;
    std::vector<FCPParameterGroup> pointGroups;
};

// The effect's AAF parameters, as the table's rows say, become the FCP parameters of the
// translator's effect: menus, numbers and flags in row order, then colours, then points. Layer
// parameters are kept on the current item until its track is laid out.
void TranslatePluginParameters(EffectTranslator& translator, PluginParameterTable& table);

// Every row with an FCP-side row and an FCP value type, in order. A colour or point group whose rows
// end early is dropped and ends the walk.
void WalkPluginRows(PluginParameterWalk& walk);
// Sorts the current row by its AAF-side kind; false when a group ran past the last row.
bool DispatchPluginRow(ParameterMapping mapping, PluginParameterWalk& walk);
// The effect's parameter of the mapping, or else the row's default value, into target.
void ConvertPluginRow(PluginParameterWalk& walk, std::vector<ParameterRecord>& target, ParameterMapping mapping);
// The conversion rule of a plug-in parameter, by its FCP value type.
void ApplyPluginRule(ParameterMapping& mapping);

void EmitPluginParameters(PluginParameterWalk& walk, const std::vector<ParameterRecord>& list);
void EmitPluginColourParameters(PluginParameterWalk& walk);
void EmitPluginPointParameters(PluginParameterWalk& walk);
void StoreLayerParameters(PluginParameterWalk& walk);
