#pragma once

#include <memory>
#include <vector>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorAnalyzers/CleanupRule.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorScanner/LastUsedReader.hpp"
#include "TandorSmart/AutomationPreview.hpp"
#include "TandorSmart/AutomationRule.hpp"

namespace tandor {

// Answers what a rule would pick from a scanned tree right now. Reads the tree
// and asks the reader; writes nothing, keeps nothing and never fails.
class AutomationEvaluator {
  public:
    // lastUsed must not be null; builtInRules is the table a built-in condition
    // is evaluated against, in claim order.
    AutomationEvaluator(std::shared_ptr<const LastUsedReader> lastUsed,
                        std::vector<CleanupRule> builtInRules);

    // A built-in condition runs the whole table over the tree, exactly as a scan
    // does, and takes that rule's items. A files condition looks in
    // context.home + "/" + folder only; the reader is asked once for each
    // candidate that passed the extension and age tests. The preview is dated
    // context.now.
    AutomationPreview preview(const AutomationRule& rule, const FileNodePtr& tree,
                              const AnalysisContext& context) const;

  private:
    struct Picked {
        std::vector<SuggestionItem> items;
        std::map<std::string, Date> lastOpened;
        std::int64_t keptBecauseRecentlyOpened = 0;
    };

    Picked builtInRuleItems(const std::string& ruleID, const FileNodePtr& tree,
                            const AnalysisContext& context) const;
    Picked filteredItems(const FileFilter& filter, const FileNodePtr& tree,
                         const AnalysisContext& context) const;
    // The nodes a filter looks at inside its folder node, in tree order.
    static std::vector<FileNodePtr> candidates(const FileNodePtr& folder, const FileFilter& filter);

    std::shared_ptr<const LastUsedReader> lastUsed_;
    std::vector<CleanupRule> builtInRules_;
};

}  // namespace tandor
