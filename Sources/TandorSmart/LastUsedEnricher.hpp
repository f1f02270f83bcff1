#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorScanner/LastUsedReader.hpp"

namespace tandor {

// Gives each suggestion of a scan one more observed line: when the most recently
// opened of its largest items was last opened, and how many items that rests
// on. Changes nothing but the evidence lists.
class LastUsedEnricher {
  public:
    // reader must not be null; at most maximumLookups items of each suggestion
    // are looked up; suggestions of the skipped rules are left unchanged.
    LastUsedEnricher(std::shared_ptr<const LastUsedReader> reader, std::size_t maximumLookups,
                     std::set<std::string> skippedRules);

    // The same suggestions in the same order, each through the single form.
    std::vector<Suggestion> enrich(const std::vector<Suggestion>& suggestions, Date now) const;
    // The line goes just before the first inferred line (after the leading
    // observed ones), or last when there is none.
    Suggestion enrich(const Suggestion& suggestion, Date now) const;

    // "Last opened 3 days ago (the most recent of 5 items)" over the first
    // maximumLookups items, or nothing when none of them has a date.
    std::optional<Evidence> evidence(const std::vector<SuggestionItem>& items, Date now) const;

  private:
    std::shared_ptr<const LastUsedReader> reader_;
    std::size_t maximumLookups_;
    std::set<std::string> skippedRules_;
};

}  // namespace tandor
