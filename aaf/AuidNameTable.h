#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "aaf/RegistryAuid.h"
#include "records/Auid.h"

// One row of a name table as it is written: the AUID in registry form and its name.
struct NameRow {
    std::string_view auid;
    std::string_view name;
};

// One row as it is searched.
struct NamedAuid {
    Auid id;
    std::string_view name;
};

// The rows parsed and sorted by AUID at compile time. An AUID written twice does not compile: each
// table lists only the row that answers for it.
template <std::size_t N>
consteval std::array<NamedAuid, N> SortedByAuid(const NameRow (&rows)[N])
{
    std::array<NamedAuid, N> sorted{};
    for (std::size_t i = 0; i < N; ++i)
        sorted[i] = {RegistryAuid(rows[i].auid), rows[i].name};
    std::sort(sorted.begin(), sorted.end(), [](const NamedAuid& a, const NamedAuid& b) { return a.id < b.id; });
    for (std::size_t i = 1; i < N; ++i)
        if (sorted[i - 1].id == sorted[i].id)
            throw "AUID listed twice";
    return sorted;
}

// The name of id in rows sorted by SortedByAuid; "UNKNOWN" when they do not list it.
std::string FindDefinitionName(std::span<const NamedAuid> rows, const Auid& id);
