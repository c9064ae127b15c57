#pragma once

#include <optional>
#include <string>

#include "aafsdk/stored/StoredGraph.h"

namespace casefiles {

// The input of a conversion case that is built in code, by the name its case folder's "input" file
// gives after "fixture"; nothing when no builder has that name.
std::optional<aafsdk::StoredGraph> BuildCaseFile(const std::string& name);

}  // namespace casefiles
