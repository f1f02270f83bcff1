#include "TandorSmart/BuiltInRuleTitles.hpp"

#include "TandorAnalyzers/BuiltInRules.hpp"

namespace tandor::BuiltInRuleTitles {

std::optional<std::string> title(const std::string& ruleID) {
    for (const auto& rule : BuiltInRules::all()) {
        if (rule.id() == ruleID) {
            return rule.title();
        }
    }
    return std::nullopt;
}

}  // namespace tandor::BuiltInRuleTitles
