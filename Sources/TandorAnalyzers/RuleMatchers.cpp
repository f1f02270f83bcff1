#include "TandorAnalyzers/RuleMatchers.hpp"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "TandorAnalyzers/FileClassifier.hpp"
#include "TandorAnalyzers/Wildcard.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor::RuleMatchers {
namespace {

bool namesHold(const std::vector<FileNodePtr>& children, std::string_view name) {
    return std::any_of(children.begin(), children.end(),
                       [name](const FileNodePtr& child) { return child->name() == name; });
}

// The child folders whose name is in the build-folder table with one of its
// markers among the children.
std::vector<FileNodePtr> buildFoldersOf(const FileNode& node) {
    const auto& children = node.children();
    std::vector<FileNodePtr> found;
    for (const auto& child : children) {
        if (!child->isDirectory()) {
            continue;
        }
        const auto* markers = FileClassifier::buildFolderMarkers(child->name());
        if (markers != nullptr &&
            std::any_of(markers->begin(), markers->end(), [&children](std::string_view marker) {
                return namesHold(children, marker);
            })) {
            found.push_back(child);
        }
    }
    return found;
}

bool hasProjectMarker(const FileNode& node) {
    const auto& markers = projectMarkers();
    return std::any_of(
        node.children().begin(), node.children().end(),
        [&markers](const FileNodePtr& child) { return markers.contains(child->name()); });
}

void raiseLatest(std::optional<Date>& latest, const std::optional<Date>& date) {
    if (date && (!latest || *date > *latest)) {
        latest = date;
    }
}

void visitForLastChange(const FileNode& node, const std::vector<FileNodePtr>& skipping,
                        std::optional<Date>& latest) {
    raiseLatest(latest, node.modificationDate());
    for (const auto& child : node.children()) {
        const bool skipped = std::any_of(
            skipping.begin(), skipping.end(),
            [&child](const FileNodePtr& folder) { return folder->path() == child->path(); });
        if (skipped) {
            continue;
        }
        if (child->isDirectory() && child->name() == ".git") {
            raiseLatest(latest, child->modificationDate());
            continue;
        }
        visitForLastChange(*child, skipping, latest);
    }
}

// text without its last count characters, which must be valid UTF-8:
// stepping back over continuation bytes then finds their starts.
std::string_view droppingLastCharacters(std::string_view text, std::size_t count) {
    for (std::size_t dropped = 0; dropped < count; ++dropped) {
        while (!text.empty()) {
            const auto byte = static_cast<unsigned char>(text.back());
            text.remove_suffix(1);
            if ((byte & 0xC0U) != 0x80U) {
                break;
            }
        }
    }
    return text;
}

// The name of an archive without its archive suffix, or nothing when the
// name has no such suffix or nothing before it. Lowercasing maps each code
// point to one code point and keeps invalid bytes (never ASCII) as they are,
// so the name's last characters behind an ASCII suffix are valid UTF-8 and
// the base name never ends inside a character.
std::optional<std::string_view> archiveBaseName(std::string_view name) {
    const std::string lowercased = unicode::lowercased(name);
    for (const auto suffix : archiveSuffixes) {
        if (lowercased.ends_with(suffix)) {
            const auto base = droppingLastCharacters(name, suffix.size());
            return base.empty() ? std::nullopt : std::optional(base);
        }
    }
    return std::nullopt;
}

}  // namespace

const std::unordered_set<std::string_view>& projectMarkers() {
    static const std::unordered_set<std::string_view> markers{
        "package.json",     "Package.swift",    "Cargo.toml", "Podfile",
        "pyproject.toml",   "requirements.txt", "setup.py",   "build.gradle",
        "build.gradle.kts", "pom.xml",          ".git",       "go.mod",
        "Gemfile",          "composer.json",
    };
    return markers;
}

std::vector<FileNodePtr> nodesMatching(std::string_view pattern, const FileNodePtr& root) {
    const auto pieces = paths::components(pattern);
    const auto firstWildcard = std::find_if(
        pieces.begin(), pieces.end(),
        [](std::string_view piece) { return piece.find('*') != std::string_view::npos; });
    std::string fixedPart = "/";
    for (auto piece = pieces.begin(); piece != firstWildcard; ++piece) {
        fixedPart = paths::join(fixedPart, *piece);
    }
    auto start = root->nodeAt(fixedPart);
    if (!start) {
        return {};
    }
    std::vector<FileNodePtr> current{std::move(start)};
    for (auto piece = firstWildcard; piece != pieces.end(); ++piece) {
        std::vector<FileNodePtr> next;
        for (const auto& node : current) {
            for (const auto& child : node->children()) {
                if (Wildcard::matches(child->name(), *piece)) {
                    next.push_back(child);
                }
            }
        }
        if (next.empty()) {
            return {};
        }
        current = std::move(next);
    }
    return current;
}

void collectProjects(const FileNodePtr& node, std::vector<Project>& projects) {
    if (!node->isDirectory()) {
        return;
    }
    auto buildFolders = buildFoldersOf(*node);
    if (!buildFolders.empty() && hasProjectMarker(*node)) {
        projects.push_back(Project{node, buildFolders, lastChange(node, buildFolders)});
    }
    for (const auto& child : node->children()) {
        const bool isBuildFolder = std::any_of(
            buildFolders.begin(), buildFolders.end(),
            [&child](const FileNodePtr& folder) { return folder->name() == child->name(); });
        if (child->isDirectory() && !isBuildFolder && child->name() != ".git") {
            collectProjects(child, projects);
        }
    }
}

std::optional<Date> lastChange(const FileNodePtr& node, const std::vector<FileNodePtr>& skipping) {
    std::optional<Date> latest;
    visitForLastChange(*node, skipping, latest);
    return latest;
}

std::vector<ExtractedArchive> extractedArchives(const FileNodePtr& folder) {
    std::unordered_map<std::string_view, FileNodePtr> foldersByName;
    for (const auto& child : folder->children()) {
        if (child->isDirectory()) {
            foldersByName.emplace(child->name(), child);
        }
    }
    std::vector<ExtractedArchive> pairs;
    for (const auto& child : folder->children()) {
        if (child->isDirectory()) {
            continue;
        }
        const auto base = archiveBaseName(child->name());
        if (!base) {
            continue;
        }
        const auto found = foldersByName.find(*base);
        if (found == foldersByName.end()) {
            continue;
        }
        const auto& extracted = found->second;
        const bool holdsFiles = extracted->fileCount() >= 1;
        const bool sizeFits = child->logicalSize() <=
                              saturatingAdd(extracted->logicalSize(), extracted->logicalSize());
        if (holdsFiles && sizeFits) {
            pairs.push_back(ExtractedArchive{child, extracted});
        }
    }
    return pairs;
}

}  // namespace tandor::RuleMatchers
