#pragma once

#include "records/Auid.h"

// True for the maker's plug-in operations whose FCP filter identity is read from the alternative row
// of their FCP-side data file instead of the first.
bool IsAlternateIdentityEffect(const Auid& operation);
