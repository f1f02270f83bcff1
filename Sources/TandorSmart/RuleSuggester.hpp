#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorReview/HistoryRecord.hpp"
#include "TandorSmart/AutomationRule.hpp"

namespace tandor {

// Proposes automations learnt from the cleanup history (files of one extension
// the user keeps moving out of one folder, built-in cleanups the user keeps
// repeating) and from the current scan (large built-in suggestions that grow
// back). A pure computation: no files, no clock, no state between calls.
class RuleSuggester {
  public:
    // The application uses 3, 180, 0.2 and 1,000,000,000.
    RuleSuggester(int minimumRepeats, int lookbackDays, double maximumRestoredShare,
                  std::int64_t minimumScanBytes);

    // History proposals sorted by id, then scan proposals in the order of the
    // suggestions (without those already proposed from the history), without
    // every rule whose id is in alreadyEnabled. history is the whole cleanup
    // history in any order; context gives the home folder and now.
    std::vector<AutomationRule> suggest(const std::vector<HistoryRecord>& history,
                                        const std::vector<Suggestion>& suggestions,
                                        const std::unordered_set<std::string>& alreadyEnabled,
                                        const AnalysisContext& context) const;

  private:
    // Files of one extension moved out of one folder.
    struct Habit {
        // Relative to the home folder, case kept (Documents/Invoices).
        std::string folder;
        // Lower-cased, without the dot.
        std::string ext;

        friend bool operator==(const Habit&, const Habit&) = default;
    };
    struct HabitHash {
        std::size_t operator()(const Habit& habit) const noexcept;
    };

    std::vector<AutomationRule> fromHistory(const std::vector<HistoryRecord>& history,
                                            const AnalysisContext& context) const;
    static std::unordered_map<Habit, std::vector<HistoryRecord>, HabitHash> habits(
        const std::vector<HistoryRecord>& recent, const AnalysisContext& context);
    std::optional<AutomationRule> habitRule(const Habit& habit,
                                            const std::vector<HistoryRecord>& records) const;
    std::optional<AutomationRule> repeatedCleanupRule(
        const std::string& ruleID, const std::vector<HistoryRecord>& records) const;
    std::vector<AutomationRule> fromScan(const std::vector<Suggestion>& suggestions) const;
    static double restoredShare(const std::vector<HistoryRecord>& records);

    int minimumRepeats_;
    // Seconds.
    double lookback_;
    double maximumRestoredShare_;
    std::int64_t minimumScanBytes_;
};

}  // namespace tandor
