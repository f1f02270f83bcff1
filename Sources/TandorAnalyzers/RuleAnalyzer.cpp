#include "TandorAnalyzers/RuleAnalyzer.hpp"

#include <algorithm>
#include <string>
#include <type_traits>
#include <unordered_set>
#include <utility>
#include <variant>
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

// The place paths a target names, in their order.
std::vector<std::string> placePathsOf(const CleanupRule::Target& target) {
    return std::visit(
        [](const auto& payload) -> std::vector<std::string> {
            using Payload = std::decay_t<decltype(payload)>;
            if constexpr (requires { payload.places; }) {
                return payload.places;
            } else if constexpr (requires { payload.inHomeFolders; }) {
                return payload.inHomeFolders;
            } else if constexpr (std::is_same_v<Payload, CleanupRule::HomePaths>) {
                return payload.patterns;
            } else {
                return {};
            }
        },
        target);
}

// The absolute paths, patterns included, of the places of every rule, each
// once, in the order the rule names them.
std::vector<std::vector<std::string>> resolvedPlaces(const std::vector<CleanupRule>& rules,
                                                     const HomePlaces& places) {
    std::vector<std::vector<std::string>> resolved;
    for (const auto& rule : rules) {
        std::vector<std::string> paths;
        for (const auto& placePath : placePathsOf(rule.target())) {
            for (auto& path : places.resolve(placePath)) {
                if (std::find(paths.begin(), paths.end(), path) == paths.end()) {
                    paths.push_back(std::move(path));
                }
            }
        }
        resolved.push_back(std::move(paths));
    }
    return resolved;
}

// The candidate items of each kind of target, in the order the target finds
// them. places are the target's places, resolved; laterPlaces those of the
// rules after it.
class CandidateFinder {
  public:
    CandidateFinder(const FileNodePtr& root, const AnalysisContext& context,
                    const std::vector<std::string>& places,
                    const std::unordered_set<std::string>& laterPlaces)
        : root_(root), context_(context), places_(places), laterPlaces_(laterPlaces) {}

    Items operator()(const CleanupRule::HomeFolder&) const {
        Items items;
        for (const auto& node : folders()) {
            if (node->allocatedSize() > 0) {
                items.push_back(itemOf(*node));
            }
        }
        return items;
    }

    // A child that is itself a place a later rule names is left to that rule,
    // so that a folder among the app caches keeps its own title. The home
    // folder's children are never proposed wholesale, whatever a cache
    // variable says.
    Items operator()(const CleanupRule::ChildrenOfHomeFolder&) const {
        Items items;
        for (const auto& node : folders()) {
            if (node->path() == context_.home || paths::isInside(context_.home, node->path())) {
                continue;
            }
            for (const auto& child : node->children()) {
                if (child->allocatedSize() > 0 && !laterPlaces_.contains(child->path())) {
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
        for (const auto& node : folders()) {
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

    Items operator()(const CleanupRule::HomePaths&) const {
        Items items;
        for (const auto& pattern : places_) {
            for (const auto& node : RuleMatchers::nodesMatching(pattern, root_)) {
                if (node->allocatedSize() > 0) {
                    items.push_back(itemOf(*node));
                }
            }
        }
        return items;
    }

    Items operator()(const CleanupRule::InstallersOfInstalledApps&) const {
        const InstallerMatcher matcher(context_.installedApps);
        const auto& extensions = InstallerMatcher::installerExtensions();
        Items items;
        for (const auto& node : folders()) {
            for (const auto& child : node->children()) {
                if (child->isDirectory() ||
                    !extensions.contains(unicode::lowercased(paths::extension(child->name())))) {
                    continue;
                }
                if (const auto installed = installedOwner(matcher, child->name())) {
                    items.push_back(itemOf(*child, *installed + " is installed"));
                }
            }
        }
        return items;
    }

    Items operator()(const CleanupRule::ExtractedArchives&) const {
        Items items;
        for (const auto& node : folders()) {
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
        for (const auto& node : folders()) {
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
    // The nodes of the target's places that the tree holds, in their order.
    std::vector<FileNodePtr> folders() const {
        std::vector<FileNodePtr> nodes;
        for (const auto& path : places_) {
            if (auto node = root_->nodeAt(path)) {
                nodes.push_back(std::move(node));
            }
        }
        return nodes;
    }

    // What makes an installer superfluous: an installed application it holds,
    // else the installed package of a .deb named after it.
    std::optional<std::string> installedOwner(const InstallerMatcher& matcher,
                                              std::string_view fileName) const {
        if (auto app = matcher.installedApp(fileName)) {
            return app;
        }
        const auto package = InstallerMatcher::debianPackage(fileName);
        if (package && context_.installedPackages.contains(*package)) {
            return std::string(*package);
        }
        return std::nullopt;
    }

    const FileNodePtr& root_;
    const AnalysisContext& context_;
    const std::vector<std::string>& places_;
    const std::unordered_set<std::string>& laterPlaces_;
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
    const auto places = resolvedPlaces(rules_, context.places);
    std::vector<Suggestion> suggestions;
    for (std::size_t index = 0; index < rules_.size(); ++index) {
        const CleanupRule& rule = rules_[index];
        std::unordered_set<std::string> laterPlaces;
        if (std::holds_alternative<CleanupRule::ChildrenOfHomeFolder>(rule.target())) {
            for (std::size_t later = index + 1; later < places.size(); ++later) {
                laterPlaces.insert(places[later].begin(), places[later].end());
            }
        }
        Items kept;
        // A node that two places of the rule reach is one item.
        std::unordered_set<std::string> found;
        for (auto& item : std::visit(CandidateFinder(root, context, places[index], laterPlaces),
                                     rule.target())) {
            if (!claimed.contains(item.path) && found.insert(item.path).second) {
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
