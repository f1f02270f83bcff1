#include "TandorDuplicates/PathFilter.hpp"

#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

bool isHidden(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

// ".Trash-" and a user id.
bool isUserTrashOfADisk(std::string_view name) {
    constexpr std::string_view prefix = ".Trash-";
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           name.find_first_not_of("0123456789", prefix.size()) == std::string_view::npos;
}

}  // namespace

PathFilter::PathFilter(std::vector<std::string> excluded, bool skipsHidden,
                       std::set<std::string> skippedNames, std::set<std::string> extensions)
    : skipsHiddenItems(skipsHidden),
      skippedFolderNames(std::move(skippedNames)),
      packageExtensions(std::move(extensions)) {
    excludedPaths.reserve(excluded.size());
    for (const auto& path : excluded) {
        excludedPaths.push_back(FileNode::normalize(path));
    }
}

bool PathFilter::allows(std::string_view path) const {
    if (isExcluded(path)) {
        return false;
    }
    const auto components = paths::components(path);
    if (components.empty()) {
        return false;
    }
    if (skipsHiddenItems && isHidden(components.back())) {
        return false;
    }
    for (std::size_t i = 0; i + 1 < components.size(); ++i) {
        if (rejectsFolder(components[i])) {
            return false;
        }
    }
    return true;
}

bool PathFilter::isExcluded(std::string_view path) const {
    for (const auto& excluded : excludedPaths) {
        if (path == excluded) {
            return true;
        }
        if (path.size() > excluded.size() && path.starts_with(excluded) &&
            path[excluded.size()] == '/') {
            return true;
        }
    }
    return false;
}

bool PathFilter::rejectsFolder(std::string_view name) const {
    if (skipsHiddenItems && isHidden(name)) {
        return true;
    }
    if (skippedFolderNames.contains(std::string(name))) {
        return true;
    }
    if (isUserTrashOfADisk(name) && skippedFolderNames.contains(".Trash")) {
        return true;
    }
    const auto dot = name.rfind('.');
    return dot != std::string_view::npos &&
           packageExtensions.contains(unicode::lowercased(name.substr(dot + 1)));
}

std::vector<std::string> PathFilter::defaultExcludedPaths(const HomePlaces& places) {
    std::vector<std::string> excluded{paths::join(places.home(), "Library"), places.trashFolder()};
    for (auto& folder : places.programFolders()) {
        excluded.push_back(std::move(folder));
    }
    return excluded;
}

const std::set<std::string>& PathFilter::defaultSkippedFolderNames() {
    static const std::set<std::string> names{"node_modules", "Pods",   ".git",       ".svn",
                                             ".hg",          ".Trash", "DerivedData"};
    return names;
}

const std::set<std::string>& PathFilter::defaultPackageExtensions() {
    static const std::set<std::string> extensions{"app",
                                                  "appex",
                                                  "framework",
                                                  "bundle",
                                                  "plugin",
                                                  "kext",
                                                  "xpc",
                                                  "dsym",
                                                  "photoslibrary",
                                                  "photolibrary",
                                                  "migratedphotolibrary",
                                                  "aplibrary",
                                                  "musiclibrary",
                                                  "tvlibrary",
                                                  "imovielibrary",
                                                  "fcpbundle",
                                                  "logicx",
                                                  "band",
                                                  "lrlibrary",
                                                  "lrdata",
                                                  "cocatalog",
                                                  "xcarchive",
                                                  "xcodeproj",
                                                  "xcworkspace",
                                                  "sparsebundle",
                                                  "sparseimage",
                                                  "pkg",
                                                  "mpkg",
                                                  "rtfd",
                                                  "pages",
                                                  "numbers",
                                                  "key"};
    return extensions;
}

}  // namespace tandor
