#include "TandorSmart/AutomationRunResult.hpp"

#include <algorithm>

#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

bool isDownloadsFolder(const std::string& folder, const HomePlaces& places) {
    if (folder.starts_with("Downloads")) {
        return true;
    }
    const std::string path = FileNode::normalize(paths::join(places.home(), folder));
    return std::ranges::any_of(places.foldersOf(HomePlaces::UserFolder::download),
                               [&path](const std::string& downloads) {
                                   return path == downloads || paths::isInside(path, downloads);
                               });
}

}  // namespace

std::optional<Suggestion> AutomationRunResult::suggestion() const {
    if (status.statusCase != Status::Case::ready) {
        return std::nullopt;
    }
    const AutomationRule& rule = automation.rule;
    std::vector<Evidence> evidence = preview.evidence();
    evidence.insert(evidence.end(), rule.why.begin(), rule.why.end());
    return Suggestion(rule.id, rule.title, category, std::nullopt, rule.safety, rule.summary(),
                      std::move(evidence), preview.items);
}

StorageCategory AutomationRunResult::categoryOf(const AutomationRule& rule,
                                                const HomePlaces& places) {
    const auto& condition = rule.condition;
    if (const auto* filter = condition.fileFilter()) {
        return isDownloadsFolder(filter->folder, places) ? StorageCategory::downloads
                                                         : StorageCategory::other;
    }
    for (const auto& builtIn : BuiltInRules::all()) {
        if (builtIn.id() == *condition.builtInRuleID()) {
            return builtIn.category();
        }
    }
    return StorageCategory::other;
}

}  // namespace tandor
