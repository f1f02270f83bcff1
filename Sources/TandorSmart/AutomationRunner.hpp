#pragma once

#include <cstdint>
#include <vector>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorSmart/AutomationEvaluator.hpp"
#include "TandorSmart/AutomationRunResult.hpp"
#include "TandorSmart/EnabledAutomation.hpp"

namespace tandor {

// Runs enabled automations over the latest scan and pauses those that would now
// pick far more than the user approved. Decides and builds only: the pile, the
// store and the disk are left to the caller.
class AutomationRunner {
  public:
    // An automation pauses only when its new total is more than
    // growthFactorLimit times its approved bytes and also exceeds them by more
    // than growthBytesLimit.
    AutomationRunner(AutomationEvaluator evaluator, double growthFactorLimit,
                     std::int64_t growthBytesLimit);

    // One result per selected automation, in the given order. With onlyDue only
    // the automations due at context.now are selected. Previews each afresh;
    // throws nothing.
    std::vector<AutomationRunResult> run(const std::vector<EnabledAutomation>& automations,
                                         const FileNodePtr& tree, const AnalysisContext& context,
                                         bool onlyDue) const;

  private:
    AutomationRunResult::Status status(const EnabledAutomation& automation,
                                       const AutomationPreview& preview) const;

    AutomationEvaluator evaluator_;
    double growthFactorLimit_;
    std::int64_t growthBytesLimit_;
};

}  // namespace tandor
