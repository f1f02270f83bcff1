#include "TandorSmart/AutomationRunResult.hpp"

#include "TandorAnalyzers/BuiltInRules.hpp"

namespace tandor {

std::optional<Suggestion> AutomationRunResult::suggestion() const {
    if (status.statusCase != Status::Case::ready) {
        return std::nullopt;
    }
    const AutomationRule& rule = automation.rule;
    std::vector<Evidence> evidence = preview.evidence();
    evidence.insert(evidence.end(), rule.why.begin(), rule.why.end());
    return Suggestion(rule.id, rule.title, category(), std::nullopt, rule.safety, rule.summary(),
                      std::move(evidence), preview.items);
}

StorageCategory AutomationRunResult::category() const {
    const auto& condition = automation.rule.condition;
    if (const auto* filter = condition.fileFilter()) {
        return filter->folder.starts_with("Downloads") ? StorageCategory::downloads
                                                       : StorageCategory::other;
    }
    for (const auto& rule : BuiltInRules::all()) {
        if (rule.id() == *condition.builtInRuleID()) {
            return rule.category();
        }
    }
    return StorageCategory::other;
}

}  // namespace tandor
