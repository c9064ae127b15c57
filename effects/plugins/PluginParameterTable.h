#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "effects/plugins/PluginConfiguration.h"
#include "effects/plugins/PluginParameterLine.h"
#include "records/ParameterMapping.h"

struct EffectInfo;

// The rows of one plug-in effect's two data files, with a cursor over the AAF-side rows. Built for
// one translation.
struct PluginParameterTable {
    std::vector<PluginParameterLine> rows;                 // the AAF-side rows in file order
    std::map<std::string, PluginParameterLine> fcpRows;   // the FCP-side rows by id; a later one wins
    std::size_t cursor = 0;

    // To the first row that has an FCP-side row.
    void Rewind();
    // To the next row; with onlyMatched, on to the next that has an FCP-side row.
    void Next(bool onlyMatched);
    bool AtEnd() const { return cursor >= rows.size(); }

    // Field 1 of the first row (the effect's operation); empty without rows.
    std::string OperationAuidText() const;
    // The current row and its FCP-side row (null when there is none). Only while not AtEnd.
    const PluginParameterLine& Current() const { return rows[cursor]; }
    const PluginParameterLine* CurrentFcpRow() const;
    // Field of the FCP-side row whose id is the number's decimal text; empty when there is none.
    std::string FcpField(int rowId, int field) const;

private:
    bool HasFcpRow(std::size_t row) const;
};

// Both data files of the effect, searched independently; a side whose file is missing stays empty.
// The glow effects' rows are renumbered.
PluginParameterTable LoadPluginParameterTable(const std::string& effectName,
                                              const PluginTables& tables = ConfiguredPluginTables());

// The ids of the glow effects' rows as their FCP-side file numbers them.
void RenumberGlowRows(std::vector<PluginParameterLine>& rows);

// The mapping of the current row and its FCP-side row, for the effect of the given name.
ParameterMapping BuildPluginParameterMapping(const PluginParameterTable& table, const EffectInfo& effect);
