#include "TandorSmart/LastUsedEnricher.hpp"

#include <algorithm>

#include "TandorScanner/LastUsedText.hpp"

namespace tandor {

LastUsedEnricher::LastUsedEnricher(std::shared_ptr<const LastUsedReader> reader,
                                   std::size_t maximumLookups, std::set<std::string> skippedRules)
    : reader_(std::move(reader)),
      maximumLookups_(maximumLookups),
      skippedRules_(std::move(skippedRules)) {
}

std::vector<Suggestion> LastUsedEnricher::enrich(const std::vector<Suggestion>& suggestions,
                                                 Date now) const {
    std::vector<Suggestion> enriched;
    enriched.reserve(suggestions.size());
    for (const auto& suggestion : suggestions) {
        enriched.push_back(enrich(suggestion, now));
    }
    return enriched;
}

Suggestion LastUsedEnricher::enrich(const Suggestion& suggestion, Date now) const {
    if (skippedRules_.contains(suggestion.ruleID)) {
        return suggestion;
    }
    auto line = evidence(suggestion.items, now);
    if (!line) {
        return suggestion;
    }
    std::vector<Evidence> lines = suggestion.evidence;
    const auto firstInferred = std::find_if(lines.begin(), lines.end(), [](const Evidence& e) {
        return e.kind == Evidence::Kind::inferred;
    });
    lines.insert(firstInferred, std::move(*line));
    return suggestion.replacing(std::move(lines), std::nullopt);
}

std::optional<Evidence> LastUsedEnricher::evidence(const std::vector<SuggestionItem>& items,
                                                   Date now) const {
    const std::size_t looked = std::min(items.size(), maximumLookups_);
    std::size_t found = 0;
    std::optional<Date> latest;
    for (std::size_t i = 0; i < looked; ++i) {
        if (const auto date = reader_->lastUsedDate(items[i].path)) {
            ++found;
            latest = latest ? std::max(*latest, *date) : *date;
        }
    }
    if (found == 0) {
        return std::nullopt;
    }
    std::string text = LastUsedText::describe(latest, now);
    if (looked > 1 && found == looked) {
        text += " (the most recent of " + std::to_string(looked) + " items)";
    } else if (looked > 1) {
        // The dates come from the recently used list and from access times.
        text += " (most recent; dates known for " + std::to_string(found) + " of " +
                std::to_string(looked) + " items)";
    }
    return Evidence::observed(std::move(text));
}

}  // namespace tandor
