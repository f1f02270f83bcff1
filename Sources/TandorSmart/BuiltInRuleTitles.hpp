#pragma once

#include <optional>
#include <string>

namespace tandor::BuiltInRuleTitles {

// The title of the first built-in cleanup rule whose id equals ruleID exactly,
// or nothing.
std::optional<std::string> title(const std::string& ruleID);

}  // namespace tandor::BuiltInRuleTitles
