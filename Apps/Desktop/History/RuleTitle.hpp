#pragma once

#include <QString>
#include <string>

namespace tandor::RuleTitle {

// The title of the rule, deck or search an item went onto the pile from, in
// the interface language; empty for a source that has none to show.
QString shown(const std::string& ruleID);

}  // namespace tandor::RuleTitle
