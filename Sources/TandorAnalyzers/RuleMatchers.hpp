#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/FileNode.hpp"

// The tree matchers behind the more particular rule targets. They read only
// what the tree holds (never the disk), keep the order of the tree's children
// in what they return, and run on the caller's thread over a tree that nobody
// changes meanwhile.
namespace tandor::RuleMatchers {

// Names whose presence among a folder's children marks it as a code project.
const std::unordered_set<std::string_view>& projectMarkers();

// Archive name endings, tried in this order; the first that fits wins.
inline constexpr std::array<std::string_view, 8> archiveSuffixes{
    ".tar.gz", ".tar.xz", ".tar.bz2", ".tgz", ".zip", ".rar", ".7z", ".tar"};

struct Project {
    FileNodePtr node;
    // In children order; never empty.
    std::vector<FileNodePtr> buildFolders;
    // The latest modification date inside the project, build folders and the
    // content of ".git" left out; absent when nothing counted has a date.
    std::optional<Date> lastChange;
};

struct ExtractedArchive {
    FileNodePtr archive;
    FileNodePtr folder;
};

// The nodes of the tree below root that an absolute pattern reaches, one
// "*"-wildcard piece per path component; empty pieces are ignored. The pieces
// before the first wildcard name one folder, which gives nothing when the tree
// does not hold it.
std::vector<FileNodePtr> nodesMatching(std::string_view pattern, const FileNodePtr& root);

// Appends, in pre-order, every code project at or below node: a folder with a
// project marker and at least one build folder whose marker stands beside it.
// Build folders and ".git" folders are never entered.
void collectProjects(const FileNodePtr& node, std::vector<Project>& projects);

// The latest modification date of node and everything below it, leaving out
// the skipped folders entirely and the content (not the date) of ".git" folders.
std::optional<Date> lastChange(const FileNodePtr& node, const std::vector<FileNodePtr>& skipping);

// The archives directly inside folder that lie beside a folder of their base
// name holding at least one file, with a logical size at most twice the
// folder's, in the children order of the archives.
std::vector<ExtractedArchive> extractedArchives(const FileNodePtr& folder);

}  // namespace tandor::RuleMatchers
