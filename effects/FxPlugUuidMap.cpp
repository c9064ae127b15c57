#include "effects/FxPlugUuidMap.h"

#include <array>

#include "aaf/Auid.h"

std::map<std::string, std::string> FxPlugUuidMap;

namespace {

// The identifiers belong to the plug-ins' own configuration and ship with it; this build carries
// none, so every transition keeps the identifier of its data file.
constexpr std::array<FxPlugUuidRow, 0> kFxPlugUuidRows{};

}  // namespace

void StoreFxPlugUuidRows(std::span<const FxPlugUuidRow> rows)
{
    for (const FxPlugUuidRow& row : rows)
        FxPlugUuidMap.insert_or_assign(AuidToText(row.operation), row.fxPlugId);
}

void FillFxPlugUuidMap()
{
    StoreFxPlugUuidRows(kFxPlugUuidRows);
}

void LookupFxPlugUuid(const Auid& operation, std::string& fxPlugId)
{
    const auto found = FxPlugUuidMap.find(AuidToText(operation));
    if (found != FxPlugUuidMap.end())
        fxPlugId = found->second;
}
