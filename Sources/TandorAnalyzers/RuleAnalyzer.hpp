#pragma once

#include <vector>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorAnalyzers/CleanupRule.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/Suggestion.hpp"

namespace tandor {

// Turns a scanned tree into cleanup suggestions. A pure computation: it reads
// no files and changes nothing, so several analyses may run at once on trees
// that nobody changes meanwhile.
class RuleAnalyzer {
  public:
    explicit RuleAnalyzer(std::vector<CleanupRule> rules) : rules_(std::move(rules)) {}

    // Run in this order; the first rule to find a path claims it.
    const std::vector<CleanupRule>& rules() const { return rules_; }

    // One suggestion per rule whose unclaimed items reach its minimum, largest
    // total first (equal totals in rule order), items largest first (equal
    // sizes in the order found). A path inside, equal to or enclosing a path
    // claimed by an earlier rule is not proposed again; a rule below its
    // minimum still claims its items. The context's Trash counts as claimed
    // before the first rule runs. Each rule looks in its places as the
    // context's places resolve them; a node reached through two of them is
    // one item, and a child that a folder-children target finds is left alone
    // when it is itself a place a later rule names. root is the scanned tree
    // holding the home folder. Throws std::invalid_argument when a rule names
    // a place HomePlaces does not know.
    std::vector<Suggestion> analyze(const FileNodePtr& root, const AnalysisContext& context) const;

  private:
    static std::vector<Evidence> evidence(const CleanupRule& rule,
                                          const std::vector<SuggestionItem>& items, Date now);

    std::vector<CleanupRule> rules_;
};

}  // namespace tandor
