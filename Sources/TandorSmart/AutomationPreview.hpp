#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorSmart/AutomationRule.hpp"

namespace tandor {

// What one rule would pick from the latest scan at one moment: the snapshot the
// user approves before an automation is turned on. It stands for one version of
// one rule (its id and fingerprint) and goes stale `validity` seconds after its
// date. Kept in memory only.
struct AutomationPreview {
    // One day.
    static constexpr double validity = 86'400;

    std::string ruleID;
    std::string fingerprint;
    // The moment of the analysis the preview was made with.
    Date date;
    // Largest first.
    std::vector<SuggestionItem> items;
    // Last-used dates found for the candidates of a file-filter rule, by path;
    // may hold paths that are not among the items.
    std::map<std::string, Date> lastOpened;
    // Matching files left out because they were opened recently.
    std::int64_t keptBecauseRecentlyOpened = 0;

    // The sum of the items' bytes.
    std::int64_t totalBytes() const;

    // "Today it would pick 3 items, 1.5 GB", then, when files were kept,
    // "2 more match but were opened recently, so they stay"; both observed.
    std::vector<Evidence> evidence() const;

    // True for the same rule id and fingerprint when now is at most `validity`
    // seconds after the date (a date after now is valid too).
    bool isValid(const AutomationRule& rule, Date now) const;

    friend bool operator==(const AutomationPreview&, const AutomationPreview&) = default;
};

}  // namespace tandor

template <>
struct std::hash<tandor::AutomationPreview> {
    std::size_t operator()(const tandor::AutomationPreview& preview) const noexcept;
};
