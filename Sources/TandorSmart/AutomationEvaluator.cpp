#include "TandorSmart/AutomationEvaluator.hpp"

#include <algorithm>

#include "TandorAnalyzers/RuleAnalyzer.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"
#include "TandorSmart/ElapsedTime.hpp"

namespace tandor {
namespace {

constexpr double secondsPerDay = 86'400;

bool isHidden(std::string_view name) {
    return name.starts_with('.');
}

// True when some component of the node's path below the folder is hidden.
bool liesInHiddenPlace(const FileNode& node, const std::string& folderPath) {
    const std::string prefix = folderPath.ends_with('/') ? folderPath : folderPath + "/";
    const std::string_view below = node.path().starts_with(prefix)
                                       ? std::string_view(node.path()).substr(prefix.size())
                                       : std::string_view(node.name());
    const auto pieces = paths::components(below);
    return std::any_of(pieces.begin(), pieces.end(), isHidden);
}

bool passesExtension(const FileNode& node, const FileFilter& filter) {
    return filter.extensions.empty() ||
           filter.extensions.contains(unicode::lowercased(paths::extension(node.name())));
}

// Modified more than the filter's days before now; without an age limit every
// node passes.
bool passesAge(const FileNode& node, const FileFilter& filter, Date now) {
    if (!filter.olderThanDays) {
        return true;
    }
    const auto& modified = node.modificationDate();
    return modified && secondsBetween(*modified, now) >
                           static_cast<double>(*filter.olderThanDays) * secondsPerDay;
}

}  // namespace

AutomationEvaluator::AutomationEvaluator(std::shared_ptr<const LastUsedReader> lastUsed,
                                         std::vector<CleanupRule> builtInRules)
    : lastUsed_(std::move(lastUsed)), builtInRules_(std::move(builtInRules)) {
}

AutomationPreview AutomationEvaluator::preview(const AutomationRule& rule, const FileNodePtr& tree,
                                               const AnalysisContext& context) const {
    const auto* ruleID = rule.condition.builtInRuleID();
    Picked picked = ruleID ? builtInRuleItems(*ruleID, tree, context)
                           : filteredItems(*rule.condition.fileFilter(), tree, context);
    std::stable_sort(
        picked.items.begin(), picked.items.end(),
        [](const SuggestionItem& a, const SuggestionItem& b) { return a.bytes > b.bytes; });
    return AutomationPreview{rule.id,
                             rule.fingerprint(),
                             context.now,
                             std::move(picked.items),
                             std::move(picked.lastOpened),
                             picked.keptBecauseRecentlyOpened};
}

AutomationEvaluator::Picked AutomationEvaluator::builtInRuleItems(
    const std::string& ruleID, const FileNodePtr& tree, const AnalysisContext& context) const {
    for (auto& suggestion : RuleAnalyzer(builtInRules_).analyze(tree, context)) {
        if (suggestion.ruleID == ruleID) {
            return Picked{std::move(suggestion.items), {}, 0};
        }
    }
    return {};
}

AutomationEvaluator::Picked AutomationEvaluator::filteredItems(
    const FileFilter& filter, const FileNodePtr& tree, const AnalysisContext& context) const {
    Picked picked;
    const auto folder = tree->nodeAt(context.home + "/" + filter.folder);
    if (!folder) {
        return picked;
    }
    for (const auto& node : candidates(folder, filter)) {
        if (!passesExtension(*node, filter) || !passesAge(*node, filter, context.now)) {
            continue;
        }
        const auto lastUsed = lastUsed_->lastUsedDate(node->path());
        if (lastUsed) {
            picked.lastOpened[node->path()] = *lastUsed;
        }
        if (filter.notOpenedForDays) {
            // Without a last-used date the modification date stands in for it.
            const auto reference = lastUsed ? lastUsed : node->modificationDate();
            if (!reference) {
                continue;
            }
            if (secondsBetween(*reference, context.now) <=
                static_cast<double>(*filter.notOpenedForDays) * secondsPerDay) {
                picked.keptBecauseRecentlyOpened += lastUsed ? 1 : 0;
                continue;
            }
        }
        picked.items.push_back({node->path(), node->allocatedSize(), node->modificationDate(), {}});
    }
    return picked;
}

std::vector<FileNodePtr> AutomationEvaluator::candidates(const FileNodePtr& folder,
                                                         const FileFilter& filter) {
    std::vector<FileNodePtr> found;
    if (!filter.includeSubfolders) {
        // A visible folder counts as one item with its whole size.
        for (const auto& child : folder->children()) {
            if (!isHidden(child->name()) && child->allocatedSize() > 0) {
                found.push_back(child);
            }
        }
        return found;
    }
    folder->forEach([&](const FileNodePtr& node) {
        if (!node->isDirectory() && !isHidden(node->name()) && node->allocatedSize() > 0 &&
            !liesInHiddenPlace(*node, folder->path())) {
            found.push_back(node);
        }
    });
    return found;
}

}  // namespace tandor
