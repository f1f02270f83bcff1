#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "TandorCore/Suggestion.hpp"
#include "TandorSmart/Explainer.hpp"
#include "TandorSmart/Explanation.hpp"
#include "TandorSmart/ExplanationFacts.hpp"

namespace tandor {

// Explains suggestions, one shared service per process. Answers are cached per
// facts value for the life of the service, so each suggestion reaches the
// explainers once. Safe to call from any thread: the cache is guarded, while
// the explainers are asked outside the lock, so two requests with equal facts
// may both ask them and the later answer then stays in the cache.
class ExplanationService {
  public:
    // Asked in this order; the application passes the model explainer, then the
    // template explainer.
    explicit ExplanationService(std::vector<std::shared_ptr<const Explainer>> explainers);

    // The first answer taken from an available explainer: a template answer as
    // it is, any other only when ExplanationGuard accepts it. Errors and rejected
    // answers move on to the next explainer; when none answers, the template
    // sentences. Never throws.
    Explanation explain(const Suggestion& suggestion);

    // Whether some explainer is a model explainer that is available now.
    bool usesOnDeviceModel() const;

  private:
    Explanation answer(const ExplanationFacts& facts) const;

    const std::vector<std::shared_ptr<const Explainer>> explainers_;
    std::mutex mutex_;
    std::unordered_map<ExplanationFacts, Explanation> cache_;
};

}  // namespace tandor
