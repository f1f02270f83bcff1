#include <gtest/gtest.h>

#include <filesystem>

#include "DuplicateFixtures.hpp"
#include "TandorDuplicates/DuplicateFinder.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::pattern;
using testing::writeFile;

TEST(DuplicateSearchOfAScan, FindsTheCopiesOfAScannedTree) {
    tandor::testing::TemporaryFolder home;
    for (const char* folder : {"Documents", "Downloads", ".cache", "dev/node_modules/lib"}) {
        std::filesystem::create_directories(home / folder);
    }
    const auto report = pattern(5'000, 1);
    for (const char* name :
         {"Documents/report.pdf", "Downloads/report.pdf", "Downloads/report copy.pdf",
          ".cache/report.pdf", "dev/node_modules/lib/report.pdf"}) {
        writeFile(home / name, report);
    }
    writeFile(home / "Documents/other.pdf", pattern(5'000, 2));
    writeFile(home / "Documents/small.txt", "small");
    writeFile(home / "Downloads/small.txt", "small");

    const ScanOptions scanOptions(false, std::nullopt, 0, {}, 1, true, {});
    const auto scan = DirectoryScanner(scanOptions).scan(home.path());
    const DuplicateOptions options{1'000,
                                   PathFilter({}, true, PathFilter::defaultSkippedFolderNames(),
                                              PathFilter::defaultPackageExtensions()),
                                   64,
                                   {}};
    const auto found = DuplicateFinder(options).find(*scan.root);

    ASSERT_EQ(found.groups().size(), 1U);
    const auto& group = found.groups().front();
    EXPECT_EQ(group.keeperPath(), home / "Documents/report.pdf");
    EXPECT_EQ(group.keeperReason(), "Keeps the copy outside Downloads");
    ASSERT_EQ(group.extraCopies().size(), 2U);
    EXPECT_EQ(group.extraCopies()[0].path, home / "Downloads/report.pdf");
    EXPECT_EQ(group.extraCopies()[1].path, home / "Downloads/report copy.pdf");
    EXPECT_EQ(found.filesCompared(), 4);
    EXPECT_TRUE(found.unreadablePaths().empty());
}

TEST(DuplicateSearchOfAScan, CopiesInTheTrashAreNeverOffered) {
    struct TrashCase {
        std::string dataHome;
        bool skipsHidden;
    };
    const TrashCase cases[] = {{".local/share", false}, {"Data", true}};
    for (const auto& c : cases) {
        tandor::testing::FixtureHome home;
        tandor::testing::EnvironmentOverride environment;
        environment.set("XDG_DATA_HOME", home / c.dataHome);
        const std::string trashFiles = home / (c.dataHome + "/Trash/files");
        std::filesystem::create_directories(trashFiles);
        std::filesystem::create_directories(home / "Documents");
        const auto report = pattern(5'000, 1);
        writeFile(home / "Documents/report.pdf", report);
        writeFile(trashFiles + "/report.pdf", report);
        writeFile(trashFiles + "/report 2.pdf", report);

        const ScanOptions scanOptions(false, std::nullopt, 0, {}, 1, true, {});
        const auto scan = DirectoryScanner(scanOptions).scan(home.path());
        const PathFilter filter(PathFilter::defaultExcludedPaths(HomePlaces::read(home.path())),
                                c.skipsHidden, PathFilter::defaultSkippedFolderNames(),
                                PathFilter::defaultPackageExtensions());
        EXPECT_FALSE(filter.allows(trashFiles + "/IMG_0001.jpg")) << c.dataHome;
        const auto found =
            DuplicateFinder(DuplicateOptions{1'000, filter, 64, {}}).find(*scan.root);
        EXPECT_TRUE(found.groups().empty()) << c.dataHome;
        EXPECT_EQ(found.filesCompared(), 0) << c.dataHome;
    }
}

}  // namespace
}  // namespace tandor
