#include "effects/plugins/PluginParameterTable.h"

#include <algorithm>

#include "effects/plugins/PluginDataFiles.h"
#include "effects/plugins/PluginParameterCodes.h"
#include "fcpxml/EffectInfo.h"

void PluginParameterTable::Rewind()
{
    cursor = 0;
    while (!AtEnd() && !HasFcpRow(cursor))
        ++cursor;
}

void PluginParameterTable::Next(bool onlyMatched)
{
    ++cursor;
    while (onlyMatched && !AtEnd() && !HasFcpRow(cursor))
        ++cursor;
}

std::string PluginParameterTable::OperationAuidText() const { return rows.empty() ? std::string() : rows[0].fields[1]; }

const PluginParameterLine* PluginParameterTable::CurrentFcpRow() const
{
    const auto found = fcpRows.find(rows[cursor].fields[0]);
    return found == fcpRows.end() ? nullptr : &found->second;
}

std::string PluginParameterTable::FcpField(int rowId, int field) const
{
    const auto found = fcpRows.find(std::to_string(rowId));
    return found == fcpRows.end() ? std::string() : found->second.fields[field];
}

bool PluginParameterTable::HasFcpRow(std::size_t row) const { return fcpRows.contains(rows[row].fields[0]); }

void RenumberGlowRows(std::vector<PluginParameterLine>& rows)
{
    constexpr int kMovedRow = 7536659;
    constexpr int kLastRow = 7536675;
    for (PluginParameterLine& row : rows) {
        const int id = LeadingInt(row.fields[0]);
        if (id == kMovedRow)
            row.fields[0] = std::to_string(kLastRow);
        else if (id > kMovedRow && id <= kLastRow)
            row.fields[0] = std::to_string(id - 1);
    }
}

PluginParameterTable LoadPluginParameterTable(const std::string& effectName, const PluginTables& tables)
{
    PluginParameterTable table;
    if (std::ifstream in = OpenFCPPluginDataFile(effectName, tables.nameAliases); in.is_open()) {
        for (PluginParameterLine& line : ReadPluginDataLines(in))
            table.fcpRows.insert_or_assign(line.fields[0], std::move(line));
    }
    if (std::ifstream in = OpenAvidPluginDataFile(effectName, tables.nameAliases); in.is_open())
        table.rows = ReadPluginDataLines(in);
    if (std::ranges::find(tables.glowEffectNames, effectName) != tables.glowEffectNames.end())
        RenumberGlowRows(table.rows);
    return table;
}

ParameterMapping BuildPluginParameterMapping(const PluginParameterTable& table, const EffectInfo& effect)
{
    const PluginParameterLine& row = table.Current();
    const PluginParameterLine* fcp = table.CurrentFcpRow();
    ParameterMapping mapping;
    mapping.avid.name = row.fields[3];
    mapping.avid.parameterDefId = AuidFromHexText(row.fields[1]);
    mapping.avid.kind = PluginParameterKindFromWord(row.fields[2]);
    mapping.avid.defaultValue = row.fields[4];
    if (fcp != nullptr) {
        mapping.fcp.name = fcp->fields[3];
        mapping.fcp.parameterId = fcp->fields[1];
    }
    mapping.fcp.valueType = ParseFCPValueType(row.fields[2], fcp != nullptr ? fcp->fields[2] : std::string());
    mapping.rowId = row.fields[0];
    mapping.effectName = effect.name;
    return mapping;
}
