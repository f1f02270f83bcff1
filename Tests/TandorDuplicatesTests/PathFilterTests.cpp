#include <gtest/gtest.h>

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
    EXPECT_TRUE(filter.allows("/Users/a/.config/x"));
    EXPECT_TRUE(filter.allows("/Users/a/.profile"));
    EXPECT_FALSE(filter.allows("/Users/a/project/.git/objects/ab"));
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
