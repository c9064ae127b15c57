#pragma once

#include <span>

#include "records/Auid.h"

// True for the maker's plug-in operations whose FCP filter identity is read from the alternative row
// of their FCP-side data file instead of the first.
bool IsAlternateIdentityEffect(const Auid& operation);

// The same against a list of operations of the caller's.
bool IsAlternateIdentityEffect(const Auid& operation, std::span<const Auid> operations);

// The operations this build is configured with.
std::span<const Auid> ConfiguredAlternateIdentityEffects();
