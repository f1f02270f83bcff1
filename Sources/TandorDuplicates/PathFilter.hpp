#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/HomePlaces.hpp"

namespace tandor {

// Decides from the path text alone whether a finder may look at a file: not
// inside an excluded path, not hidden (when asked), not inside a folder with a
// skipped name or a package extension. Paths compare byte for byte.
struct PathFilter {
    // Normalises every excluded path; keeps the others as given.
    PathFilter(std::vector<std::string> excludedPaths, bool skipsHiddenItems,
               std::set<std::string> skippedFolderNames, std::set<std::string> packageExtensions);

    // Subtrees rejected whole. Normalised by the constructor only: a list
    // assigned later is used as it stands.
    std::vector<std::string> excludedPaths;
    bool skipsHiddenItems;
    // Names of folders whose content is rejected; case-sensitive. ".Trash"
    // also stands for ".Trash-<uid>", the other name freedesktop.org gives a
    // Trash at the top of a disk.
    std::set<std::string> skippedFolderNames;
    // Lowercase extensions of package folders whose content is rejected.
    std::set<std::string> packageExtensions;

    // True when a finder may consider path (absolute and normalised; not
    // normalised here). The empty path and "/" are never allowed. Only the
    // folders above the file are tested against the names and extensions.
    bool allows(std::string_view path) const;

    // The paths every filter of the application excludes for the home of
    // places: the programs' data (home's Library and places.programFolders())
    // and the home Trash, whose content is already on its way out. The name ".Trash"
    // among the skipped names covers the Trash folders at the top of other
    // disks.
    static std::vector<std::string> defaultExcludedPaths(const HomePlaces& places);
    static const std::set<std::string>& defaultSkippedFolderNames();
    static const std::set<std::string>& defaultPackageExtensions();

  private:
    bool isExcluded(std::string_view path) const;
    bool rejectsFolder(std::string_view name) const;
};

}  // namespace tandor
