#include "effects/AlternateIdentityEffects.h"

#include <algorithm>
#include <array>

namespace {

// The operations belong to the plug-ins' own configuration and ship with it; this build carries
// none, so every filter reads its identity from the first row.
constexpr std::array<Auid, 0> kAlternateIdentityEffects{};

}  // namespace

bool IsAlternateIdentityEffect(const Auid& operation)
{
    return IsAlternateIdentityEffect(operation, kAlternateIdentityEffects);
}

bool IsAlternateIdentityEffect(const Auid& operation, std::span<const Auid> operations)
{
    return std::ranges::find(operations, operation) != operations.end();
}

std::span<const Auid> ConfiguredAlternateIdentityEffects() { return kAlternateIdentityEffects; }
