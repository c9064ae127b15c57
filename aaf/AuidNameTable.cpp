#include "aaf/AuidNameTable.h"

std::string FindDefinitionName(std::span<const NamedAuid> rows, const Auid& id)
{
    const auto row =
        std::lower_bound(rows.begin(), rows.end(), id, [](const NamedAuid& r, const Auid& key) { return r.id < key; });
    if (row == rows.end() || row->id != id)
        return "UNKNOWN";
    return std::string(row->name);
}
