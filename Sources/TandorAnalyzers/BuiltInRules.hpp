#pragma once

#include <vector>

#include "TandorAnalyzers/CleanupRule.hpp"

namespace tandor::BuiltInRules {

// The 28 built-in rules in claim order: the analyzer runs them in this order
// and the first rule to find a path keeps it. Built once on first use (safe
// from any thread) and never changed.
const std::vector<CleanupRule>& all();

}  // namespace tandor::BuiltInRules
