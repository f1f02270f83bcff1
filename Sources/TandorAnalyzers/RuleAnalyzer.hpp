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
    // before the first rule runs. root is the scanned tree holding the
    // home folder.
    std::vector<Suggestion> analyze(const FileNodePtr& root, const AnalysisContext& context) const;

  private:
    static std::vector<SuggestionItem> items(const CleanupRule& rule, const FileNodePtr& root,
                                             const AnalysisContext& context);
    static std::vector<Evidence> evidence(const CleanupRule& rule,
                                          const std::vector<SuggestionItem>& items, Date now);

    std::vector<CleanupRule> rules_;
};

}  // namespace tandor
