#include "TandorSmart/AutomationError.hpp"

namespace tandor {

AutomationError::AutomationError(Case errorCase, std::string id, const std::string& sentence)
    : std::runtime_error(sentence), case_(errorCase), id_(std::move(id)) {
}

AutomationError AutomationError::previewMissingOrStale(std::string ruleID) {
    const std::string sentence = "Preview the rule " + ruleID + " again before turning it on.";
    return {Case::previewMissingOrStale, std::move(ruleID), sentence};
}

AutomationError AutomationError::unknownRule(std::string id) {
    const std::string sentence = "No automation with id " + id + ".";
    return {Case::unknownRule, std::move(id), sentence};
}

}  // namespace tandor
