#include <gtest/gtest.h>

#include <map>

#include "TandorDuplicates/PathFilter.hpp"

namespace tandor {
namespace {

PathFilter defaultFilter(std::vector<std::string> excluded = {}, bool skipsHidden = true) {
    return PathFilter(std::move(excluded), skipsHidden, PathFilter::defaultSkippedFolderNames(),
                      PathFilter::defaultPackageExtensions());
}

struct FilterCase {
    const char* path;
    bool allowed;
};

TEST(PathFilter, DefaultTablesRejectHiddenSkippedAndPackageFolders) {
    const auto filter = defaultFilter();
    const FilterCase cases[] = {
        {"", false},
        {"/", false},
        {"///", false},
        {"/Users/a/photo.jpg", true},
        {"/notes.txt", true},
        {"/.notes.txt", false},
        {"/Users/a/.profile", false},
        {"/Users/a/.config/x", false},
        {"/Users/a/dev/node_modules/lib/index.js", false},
        {"/Users/a/node_modules", true},
        {"/Users/a/pods/x", true},
        {"/Users/a/Pods/x", false},
        {"/Users/a/Pictures/Trip.photoslibrary/x/1.heic", false},
        {"/Users/a/Tool.APP/Contents/bin", false},
        {"/Users/a/archive.tar.gz/x", true},
        {"/Users/a/app/x", true},
        {"/Users/a/ends./x", true},
        {"/Users/a/Documents/report.pages", true},
        {"/Users/a//b/c", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filter.allows(c.path), c.allowed) << c.path;
    }
}

TEST(PathFilter, HiddenItemsPassWhenNotSkippedButSkippedNamesStillApply) {
    const auto filter = defaultFilter({}, false);
    const FilterCase cases[] = {
        {"/Users/a/.config/x", true},
        {"/Users/a/.profile", true},
        {"/Users/a/project/.git/objects/ab", false},
        // The Trash folders at the top of a disk, shared or one per user.
        {"/media/usb/.Trash/1000/files/a.jpg", false},
        {"/media/usb/.Trash-1000/files/a.jpg", false},
        {"/media/usb/.Trash-/files/a.jpg", true},
        {"/media/usb/.Trash-old/files/a.jpg", true},
        {"/media/usb/.Trash-1000", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filter.allows(c.path), c.allowed) << c.path;
    }
    EXPECT_TRUE(PathFilter({}, false, {}, {}).allows("/media/usb/.Trash-1000/files/a.jpg"));
}

TEST(PathFilter, DefaultExcludedPathsAreTheProgramsDataAndTheTrash) {
    const std::map<std::string, std::string> variables{
        {"XDG_CACHE_HOME", "/home/u/Cache"},
        {"XDG_CONFIG_HOME", "/home/u"},
        {"XDG_DATA_HOME", "/srv/data/u"},
    };
    const auto places = HomePlaces::read("/home/u", [&variables](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found != variables.end() ? found->second.c_str() : nullptr;
    });
    const auto filter = defaultFilter(PathFilter::defaultExcludedPaths(places), false);
    const FilterCase cases[] = {
        {"/home/u/Library/Caches/a.jpg", false},
        {"/home/u/Cache/thumbnails/a.jpg", false},
        {"/srv/data/u/Trash/files/a.jpg", false},
        {"/srv/data/u/app/a.jpg", false},
        {"/home/u/.local/state/app/a.jpg", false},
        // A config folder set to home leaves the user's own files in.
        {"/home/u/Documents/a.jpg", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filter.allows(c.path), c.allowed) << c.path;
    }
}

TEST(PathFilter, ExcludedPathsRejectTheirSubtreeOnlyAtAFolderBoundary) {
    const auto filter = defaultFilter({"/Users/a/Library/", "/"});
    EXPECT_EQ(filter.excludedPaths, (std::vector<std::string>{"/Users/a/Library", "/"}));
    const FilterCase cases[] = {
        {"/Users/a/Library", false},
        {"/Users/a/Library/Caches/x", false},
        {"/Users/a/Library2/x", true},
        {"/Users/a/Lib", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filter.allows(c.path), c.allowed) << c.path;
    }
}

TEST(PathFilter, ExcludedPathsAssignedLaterAreNotNormalised) {
    auto filter = defaultFilter();
    filter.excludedPaths = {"/Users/a/Library/"};
    EXPECT_EQ(filter.excludedPaths.front(), "/Users/a/Library/");
    EXPECT_TRUE(filter.allows("/Users/a/Library/x"));
}

}  // namespace
}  // namespace tandor
