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
    return std::ranges::find(kAlternateIdentityEffects, operation) != kAlternateIdentityEffects.end();
}
