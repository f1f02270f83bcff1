#include "TandorAnalyzers/RuleAnalyzer.hpp"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "TandorAnalyzers/DateText.hpp"
#include "TandorAnalyzers/FileClassifier.hpp"
#include "TandorAnalyzers/InstallerMatcher.hpp"
#include "TandorAnalyzers/RuleMatchers.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

using Items = std::vector<SuggestionItem>;

constexpr std::int64_t secondsPerDay = 86'400;

// The paths earlier rules kept. A path counts as claimed when it equals a
// claimed path, lies inside one or encloses one; the last test is a lookup in
// the set of every folder that holds a claimed path.
class ClaimedPaths {
  public:
    bool contains(const std::string& path) const {
        if (claimed_.contains(path) || enclosing_.contains(path)) {
            return true;
        }
        for (std::string folder = parent(path); !folder.empty(); folder = parent(folder)) {
            if (claimed_.contains(folder)) {
                return true;
            }
        }
        return false;
    }

    void insert(const std::string& path) {
        claimed_.insert(path);
        for (std::string folder = parent(path); !folder.empty(); folder = parent(folder)) {
            if (!enclosing_.insert(folder).second) {
                break;
            }
        }
    }

  private:
    // The folder holding path, or "" at the top.
    static std::string parent(const std::string& path) {
        return path == "/" ? "" : paths::deletingLastComponent(path);
    }

    std::unordered_set<std::string> claimed_;
    std::unordered_set<std::string> enclosing_;
};

SuggestionItem itemOf(const FileNode& node, std::optional<std::string> note = std::nullopt) {
    return SuggestionItem{node.path(), node.allocatedSize(), node.modificationDate(),
                          std::move(note)};
}

Date cutOff(Date now, int olderThanDays) {
    return now - std::chrono::seconds(static_cast<std::int64_t>(olderThanDays) * secondsPerDay);
}

bool isOlder(const FileNode& node, Date cutOffDate) {
    return node.modificationDate() && *node.modificationDate() < cutOffDate;
}

// Whole days from date to now, cut toward zero.
std::int64_t daysBetween(Date date, Date now) {
    return std::chrono::duration_cast<std::chrono::seconds>(now - date).count() / secondsPerDay;
}

std::string inTypographicQuotes(std::string_view text) {
    return "\u201C" + std::string(text) + "\u201D";
}

void collectLargeFiles(const FileNode& node, std::int64_t bytes, Items& items) {
    if (!node.isDirectory() && node.allocatedSize() > bytes) {
        items.push_back(itemOf(node));
    }
    for (const auto& child : node.children()) {
        collectLargeFiles(*child, bytes, items);
    }
}

// Folders of the wanted name under node. With a marker, only folders that have
// it beside them are proposed; a proposed folder is never searched inside.
void collectFolders(std::string_view wanted, const std::optional<std::string>& marker,
                    const FileNode& node, Items& items) {
    const auto& children = node.children();
    const bool markerBeside = !marker || std::any_of(children.begin(), children.end(),
                                                     [&marker](const FileNodePtr& child) {
                                                         return child->name() == *marker;
                                                     });
    for (const auto& child : children) {
        if (!child->isDirectory()) {
            continue;
        }
        if (markerBeside && child->name() == wanted) {
            if (child->allocatedSize() > 0) {
                items.push_back(itemOf(*child));
            }
            continue;
        }
        collectFolders(wanted, marker, *child, items);
    }
}

// The candidate items of each kind of target, in the order the target finds them.
class CandidateFinder {
  public:
    CandidateFinder(const FileNodePtr& root, const AnalysisContext& context)
        : root_(root), context_(context) {}

    Items operator()(const CleanupRule::HomeFolder& target) const {
        const auto node = homeNode(target.path);
        if (!node || node->allocatedSize() <= 0) {
            return {};
        }
        return {itemOf(*node)};
    }

    Items operator()(const CleanupRule::ChildrenOfHomeFolder& target) const {
        Items items;
        if (const auto node = homeNode(target.path)) {
            for (const auto& child : node->children()) {
                if (child->allocatedSize() > 0) {
                    items.push_back(itemOf(*child));
                }
            }
        }
        return items;
    }

    Items operator()(const CleanupRule::FolderNamed& target) const {
        Items items;
        collectFolders(target.name, target.siblingMarker, *root_, items);
        return items;
    }

    Items operator()(const CleanupRule::FilesWithExtensions& target) const {
        std::unordered_set<std::string> extensions;
        for (const auto& extension : target.extensions) {
            extensions.insert(unicode::lowercased(extension));
        }
        const Date limit = cutOff(context_.now, target.olderThanDays);
        Items items;
        if (const auto node = homeNode(target.inHomeFolder)) {
            for (const auto& child : node->children()) {
                if (extensions.contains(unicode::lowercased(paths::extension(child->name()))) &&
                    isOlder(*child, limit)) {
                    items.push_back(itemOf(*child));
                }
            }
        }
        return items;
    }

    Items operator()(const CleanupRule::FilesLargerThan& target) const {
        Items items;
        collectLargeFiles(*root_, target.bytes, items);
        return items;
    }

    Items operator()(const CleanupRule::HomePaths& target) const {
        Items items;
        for (const auto& pattern : target.patterns) {
            for (const auto& node : RuleMatchers::nodesMatching(pattern, root_, context_.home)) {
                if (node->allocatedSize() > 0) {
                    items.push_back(itemOf(*node));
                }
            }
        }
        return items;
    }

    Items operator()(const CleanupRule::InstallersOfInstalledApps& target) const {
        const InstallerMatcher matcher(context_.installedApps);
        const auto& extensions = InstallerMatcher::installerExtensions();
        Items items;
        for (const auto& node : homeNodes(target.inHomeFolders)) {
            for (const auto& child : node->children()) {
                if (child->isDirectory() ||
                    !extensions.contains(unicode::lowercased(paths::extension(child->name())))) {
                    continue;
                }
                if (const auto app = matcher.installedApp(child->name())) {
                    items.push_back(itemOf(*child, *app + " is installed"));
                }
            }
        }
        return items;
    }

    Items operator()(const CleanupRule::ExtractedArchives& target) const {
        Items items;
        for (const auto& node : homeNodes(target.inHomeFolders)) {
            for (const auto& pair : RuleMatchers::extractedArchives(node)) {
                items.push_back(
                    itemOf(*pair.archive,
                           "Already extracted to " + inTypographicQuotes(pair.folder->name())));
            }
        }
        return items;
    }

    Items operator()(const CleanupRule::DormantProjectBuildFolders& target) const {
        std::vector<RuleMatchers::Project> projects;
        RuleMatchers::collectProjects(root_, projects);
        const Date limit = cutOff(context_.now, target.olderThanDays);
        Items items;
        for (const auto& project : projects) {
            if (!project.lastChange || *project.lastChange >= limit) {
                continue;
            }
            const std::string note =
                "Project " + inTypographicQuotes(project.node->name()) + " last changed " +
                std::to_string(daysBetween(*project.lastChange, context_.now)) + " days ago";
            for (const auto& folder : project.buildFolders) {
                if (folder->allocatedSize() > 0) {
                    items.push_back(itemOf(*folder, note));
                }
            }
        }
        return items;
    }

    Items operator()(const CleanupRule::FilesOfKind& target) const {
        const Date limit = cutOff(context_.now, target.olderThanDays);
        Items items;
        for (const auto& node : homeNodes(target.inHomeFolders)) {
            for (const auto& child : node->children()) {
                if (!child->isDirectory() &&
                    FileClassifier::fileKind(child->name()) == target.kind &&
                    isOlder(*child, limit)) {
                    items.push_back(itemOf(*child));
                }
            }
        }
        return items;
    }

  private:
    FileNodePtr homeNode(std::string_view relativePath) const {
        return root_->nodeAt(context_.home + "/" + std::string(relativePath));
    }

    // The nodes of those home folders that the scan holds, in their order.
    std::vector<FileNodePtr> homeNodes(const std::vector<std::string>& relativePaths) const {
        std::vector<FileNodePtr> nodes;
        for (const auto& path : relativePaths) {
            if (auto node = homeNode(path)) {
                nodes.push_back(std::move(node));
            }
        }
        return nodes;
    }

    const FileNodePtr& root_;
    const AnalysisContext& context_;
};

std::string countAndSizeLine(const Items& items) {
    std::int64_t total = 0;
    for (const auto& item : items) {
        total = saturatingAdd(total, item.bytes);
    }
    return std::to_string(items.size()) + (items.size() == 1 ? " item, " : " items, ") +
           ByteFormat::string(total) + " on disk";
}

std::optional<std::string> recentChangeLine(const Items& items, Date now) {
    std::optional<Date> latest;
    for (const auto& item : items) {
        if (item.modificationDate && (!latest || *item.modificationDate > *latest)) {
            latest = item.modificationDate;
        }
    }
    if (!latest) {
        return std::nullopt;
    }
    const std::int64_t days = daysBetween(*latest, now);
    if (days < 1) {
        return "Changed in the last 24 hours";
    }
    return "Most recent change " + std::to_string(days) + " days ago (" +
           DateText::string(*latest) + ")";
}

}  // namespace

std::vector<Suggestion> RuleAnalyzer::analyze(const FileNodePtr& root,
                                              const AnalysisContext& context) const {
    ClaimedPaths claimed;
    claimed.insert(context.trashFolder);
    std::vector<Suggestion> suggestions;
    for (const auto& rule : rules_) {
        Items kept;
        for (auto& item : items(rule, root, context)) {
            if (!claimed.contains(item.path)) {
                kept.push_back(std::move(item));
            }
        }
        // Claimed before the size test: a rule that falls short still keeps
        // its paths from every later rule.
        for (const auto& item : kept) {
            claimed.insert(item.path);
        }
        if (kept.empty()) {
            continue;
        }
        std::int64_t total = 0;
        for (const auto& item : kept) {
            total = saturatingAdd(total, item.bytes);
        }
        if (total < rule.minimumBytes()) {
            continue;
        }
        auto lines = evidence(rule, kept, context.now);
        std::stable_sort(kept.begin(), kept.end(),
                         [](const auto& a, const auto& b) { return a.bytes > b.bytes; });
        std::optional<std::string> subcategory;
        if (rule.kind()) {
            subcategory = std::string(title(*rule.kind()));
        }
        suggestions.emplace_back(rule.id(), rule.title(), rule.category(), std::move(subcategory),
                                 rule.safety(), rule.reason(), std::move(lines), std::move(kept));
    }
    std::stable_sort(suggestions.begin(), suggestions.end(),
                     [](const auto& a, const auto& b) { return a.totalBytes() > b.totalBytes(); });
    return suggestions;
}

std::vector<SuggestionItem> RuleAnalyzer::items(const CleanupRule& rule, const FileNodePtr& root,
                                                const AnalysisContext& context) {
    return std::visit(CandidateFinder(root, context), rule.target());
}

std::vector<Evidence> RuleAnalyzer::evidence(const CleanupRule& rule,
                                             const std::vector<SuggestionItem>& items, Date now) {
    std::vector<Evidence> lines{Evidence::observed(countAndSizeLine(items))};
    if (auto recent = recentChangeLine(items, now)) {
        lines.push_back(Evidence::observed(std::move(*recent)));
    }
    lines.push_back(Evidence::inferred(rule.reason()));
    if (rule.howToRecover()) {
        lines.push_back(Evidence::inferred("To get it back: " + *rule.howToRecover()));
    }
    return lines;
}

}  // namespace tandor
