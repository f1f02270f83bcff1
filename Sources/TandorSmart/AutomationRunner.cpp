#include "TandorSmart/AutomationRunner.hpp"

#include <algorithm>
#include <limits>

#include "TandorCore/ByteFormat.hpp"

namespace tandor {
namespace {

// The approved total comes from a file, so the difference is taken without
// overflowing whatever it holds.
std::int64_t saturatingDifference(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        return b < 0 ? std::numeric_limits<std::int64_t>::max()
                     : std::numeric_limits<std::int64_t>::min();
    }
    return difference;
}

}  // namespace

AutomationRunner::AutomationRunner(AutomationEvaluator evaluator, double growthFactorLimit,
                                   std::int64_t growthBytesLimit)
    : evaluator_(std::move(evaluator)),
      growthFactorLimit_(growthFactorLimit),
      growthBytesLimit_(growthBytesLimit) {
}

std::vector<AutomationRunResult> AutomationRunner::run(
    const std::vector<EnabledAutomation>& automations, const FileNodePtr& tree,
    const AnalysisContext& context, bool onlyDue) const {
    std::vector<AutomationRunResult> results;
    for (const auto& automation : automations) {
        if (onlyDue && !automation.isDue(context.now)) {
            continue;
        }
        AutomationPreview preview = evaluator_.preview(automation.rule, tree, context);
        auto verdict = status(automation, preview);
        results.push_back({automation, std::move(preview), std::move(verdict),
                           AutomationRunResult::categoryOf(automation.rule, context.places)});
    }
    return results;
}

AutomationRunResult::Status AutomationRunner::status(const EnabledAutomation& automation,
                                                     const AutomationPreview& preview) const {
    using Status = AutomationRunResult::Status;
    if (preview.items.empty()) {
        return Status::nothingToDo();
    }
    const std::int64_t total = preview.totalBytes();
    const std::int64_t approved = automation.previewedBytes;
    const double factor =
        static_cast<double>(total) / static_cast<double>(std::max<std::int64_t>(approved, 1));
    if (factor > growthFactorLimit_ && saturatingDifference(total, approved) > growthBytesLimit_) {
        return Status::needsNewPreview("It now catches " + ByteFormat::string(total) +
                                       ", but you approved about " + ByteFormat::string(approved) +
                                       ".");
    }
    return Status::ready();
}

}  // namespace tandor
