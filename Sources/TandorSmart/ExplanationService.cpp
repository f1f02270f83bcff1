#include "TandorSmart/ExplanationService.hpp"

#include "TandorSmart/ExplanationGuard.hpp"
#include "TandorSmart/OnDeviceModelExplainer.hpp"
#include "TandorSmart/TemplateExplainer.hpp"

namespace tandor {

ExplanationService::ExplanationService(std::vector<std::shared_ptr<const Explainer>> explainers)
    : explainers_(std::move(explainers)) {
}

Explanation ExplanationService::explain(const Suggestion& suggestion) {
    const ExplanationFacts facts(suggestion);
    {
        const std::lock_guard lock(mutex_);
        if (const auto found = cache_.find(facts); found != cache_.end()) {
            return found->second;
        }
    }
    Explanation explanation = answer(facts);
    const std::lock_guard lock(mutex_);
    cache_.insert_or_assign(facts, explanation);
    return explanation;
}

bool ExplanationService::usesOnDeviceModel() const {
    for (const auto& explainer : explainers_) {
        if (dynamic_cast<const OnDeviceModelExplainer*>(explainer.get()) != nullptr &&
            explainer->isAvailable()) {
            return true;
        }
    }
    return false;
}

Explanation ExplanationService::answer(const ExplanationFacts& facts) const {
    for (const auto& explainer : explainers_) {
        if (!explainer->isAvailable()) {
            continue;
        }
        try {
            Explanation candidate = explainer->explain(facts);
            if (candidate.source == Explanation::Source::template_ ||
                ExplanationGuard::accepts(candidate.text, facts)) {
                return candidate;
            }
        } catch (const std::exception&) {
            // A failing explainer is passed over, like a rejected answer.
        }
    }
    return TemplateExplainer().explain(facts);
}

}  // namespace tandor
