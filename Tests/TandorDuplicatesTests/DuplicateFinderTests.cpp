#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <tuple>

#include "DuplicateFixtures.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorDuplicates/CancellationError.hpp"
#include "TandorDuplicates/ContentHasher.hpp"
#include "TandorDuplicates/DuplicateFinder.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::fileNode;
using testing::folderNode;
using testing::pathsOf;
using testing::pattern;
using testing::writeFile;
using Stage = DuplicateFinder::Stage;
using Report = std::tuple<Stage, std::int64_t, std::int64_t>;

constexpr std::int64_t smallSample = 4;

PathFilter plainFilter() {
    return PathFilter({}, true, PathFilter::defaultSkippedFolderNames(),
                      PathFilter::defaultPackageExtensions());
}

DuplicateFinder finder(std::int64_t minimumSize = 1,
                       FileFactsReader reader = FileFactsReader::standard()) {
    return DuplicateFinder(DuplicateOptions{minimumSize, plainFilter(), smallSample, {}},
                           std::move(reader));
}

std::string sha256Of(const std::string& path) {
    const auto facts = FileFacts::read(path);
    return ContentHasher::full(path, facts->identity).hash;
}

// Files of 100 bytes: three equal copies and one hard link to the first, one
// copy differing in its first byte, one in its last byte, one only in its
// middle; two equal files of 6 bytes (no larger than two samples); one file of
// a size nobody else has.
class DuplicateFinderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto content = pattern(100);
        for (const char* name : {"a1", "a2", "a3"}) {
            writeFile(folder / name, content);
        }
        ASSERT_EQ(::link((folder / "a1").c_str(), (folder / "a1-link").c_str()), 0);
        writeFile(folder / "head", changed(content, 0));
        writeFile(folder / "tail", changed(content, 99));
        writeFile(folder / "middle", changed(content, 50));
        writeFile(folder / "s1", "sixsix");
        writeFile(folder / "s2", "sixsix");
        writeFile(folder / "unique", pattern(70));
        // One date for all, in whole seconds as the JSON form keeps them, so
        // that only the paths rank the copies.
        const timespec sameTime[2] = {{0, UTIME_OMIT}, {1'700'000'000, 0}};
        for (const auto& path : allPaths()) {
            ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), sameTime, 0), 0);
        }
    }

    static std::string changed(std::string content, std::size_t index) {
        content[index] = static_cast<char>(content[index] ^ 0x5a);
        return content;
    }

    std::vector<std::string> allPaths() const {
        std::vector<std::string> paths;
        for (const char* name :
             {"a1", "a2", "a1-link", "a3", "head", "tail", "middle", "s1", "s2", "unique", "a2"}) {
            paths.push_back(folder / name);
        }
        return paths;
    }

    tandor::testing::TemporaryFolder folder;
};

TEST_F(DuplicateFinderTest, FindsIdenticalFilesStageByStage) {
    std::vector<Report> reports;
    const auto report =
        finder().find(allPaths(), [&](Stage stage, std::int64_t done, std::int64_t total) {
            reports.emplace_back(stage, done, total);
        });

    ASSERT_EQ(report.groups().size(), 2U);
    const auto& copies = report.groups()[0];
    EXPECT_EQ(copies.id(), "100:" + sha256Of(folder / "a1"));
    EXPECT_EQ(copies.logicalSize(), 100);
    EXPECT_EQ(pathsOf(copies),
              (std::vector<std::string>{folder / "a1", folder / "a2", folder / "a3"}));
    EXPECT_EQ(copies.keeperReason(), "Keeps the copy with the shortest path");
    EXPECT_EQ(report.groups()[1].id(), "6:" + sha256Of(folder / "s1"));
    EXPECT_TRUE(report.cloneGroups().empty());

    EXPECT_EQ(report.filesCompared(), 8);
    // Samples: 6 × 8 bytes and 2 × 6; whole files: the four 100-byte files
    // whose samples agree.
    EXPECT_EQ(report.bytesRead(), 6 * 8 + 2 * 6 + 4 * 100);
    EXPECT_TRUE(report.unreadablePaths().empty());
    EXPECT_EQ(report.cloudOnlyFiles(), 0);
    EXPECT_EQ(report.reclaimableBytes(),
              copies.reclaimableBytes() + report.groups()[1].reclaimableBytes());

    EXPECT_EQ(reports, (std::vector<Report>{{Stage::reading, 0, 11},
                                            {Stage::sampling, 0, 8},
                                            {Stage::hashing, 0, 6},
                                            {Stage::hashing, 6, 6}}));
}

TEST_F(DuplicateFinderTest, ChangesNothingOnDisk) {
    auto stamp = [this] {
        std::vector<std::tuple<std::int64_t, std::int64_t, std::int64_t>> stamps;
        for (const auto& path : allPaths()) {
            struct stat info {};
            ::lstat(path.c_str(), &info);
            stamps.emplace_back(info.st_size, info.st_mtim.tv_nsec + info.st_mtim.tv_sec,
                                info.st_ctim.tv_nsec + info.st_ctim.tv_sec);
        }
        return stamps;
    };
    const auto before = stamp();
    finder().find(allPaths());
    EXPECT_EQ(stamp(), before);
}

TEST_F(DuplicateFinderTest, OneBadFileNeverStopsTheSearch) {
    const std::string missing = folder / "missing";
    auto paths = allPaths();
    paths.insert(paths.begin(), missing);
    // Once the search has begun, s2 becomes a pipe before it is sampled and a2
    // a link to a1 before the whole files are read: neither may hang or be read.
    const auto report = finder().find(paths, [&](Stage stage, std::int64_t done, std::int64_t) {
        if (stage == Stage::sampling && done == 0) {
            ::unlink((folder / "s2").c_str());
            ::mkfifo((folder / "s2").c_str(), 0600);
        }
        if (stage == Stage::hashing && done == 0) {
            ::unlink((folder / "a2").c_str());
            ::symlink((folder / "a1").c_str(), (folder / "a2").c_str());
        }
    });
    EXPECT_EQ(report.unreadablePaths(),
              (std::vector<std::string>{missing, folder / "s2", folder / "a2"}));
    ASSERT_EQ(report.groups().size(), 1U);
    EXPECT_EQ(pathsOf(report.groups()[0]),
              (std::vector<std::string>{folder / "a1", folder / "a3"}));
    EXPECT_EQ(report.bytesRead(), 6 * 8 + 6 + 3 * 100);
}

TEST_F(DuplicateFinderTest, ReportJSONRoundTripsAndDecodesStrictly) {
    auto paths = allPaths();
    paths.push_back(folder / "missing");
    const auto report = finder().find(paths);
    const auto value = nlohmann::json::parse(report.toJSON().dump());
    const auto decoded = DuplicateReport::fromJSON(value);
    EXPECT_EQ(decoded.groups(), report.groups());
    EXPECT_EQ(decoded.unreadablePaths(), report.unreadablePaths());
    EXPECT_EQ(decoded.bytesRead(), report.bytesRead());
    EXPECT_EQ(decoded.filesCompared(), report.filesCompared());
    for (const char* key : {"groups", "cloneGroups", "filesCompared", "bytesRead",
                            "unreadablePaths", "cloudOnlyFiles"}) {
        auto broken = value;
        broken.erase(key);
        EXPECT_THROW(DuplicateReport::fromJSON(broken), DecodingError) << key;
        broken[key] = "text";
        EXPECT_THROW(DuplicateReport::fromJSON(broken), DecodingError) << key;
    }
}

TEST_F(DuplicateFinderTest, SearchesTheFilesOfATreeAtLeastTheMinimumSize) {
    auto leaf = [&](const char* name, std::int64_t size) { return fileNode(folder / name, size); };
    // s1 and s2 are listed below the minimum, so they are not even examined.
    auto inner = folderNode(folder / "inner", {leaf("a2", 100), leaf("s2", 6)});
    auto root = folderNode(folder.path(), {leaf("a1", 100), inner, leaf("s1", 6)});
    std::vector<Report> reports;
    const auto report =
        finder(50).find(*root, [&](Stage stage, std::int64_t done, std::int64_t total) {
            reports.emplace_back(stage, done, total);
        });
    ASSERT_EQ(report.groups().size(), 1U);
    EXPECT_EQ(pathsOf(report.groups()[0]),
              (std::vector<std::string>{folder / "a1", folder / "a2"}));
    EXPECT_EQ(reports.front(), (Report{Stage::reading, 0, 2}));
}

TEST_F(DuplicateFinderTest, CancellationDropsEverything) {
    // Enough candidates that the stop is seen while samples are being read.
    auto paths = allPaths();
    for (int i = 0; i < 60; ++i) {
        paths.push_back(folder / ("many" + std::to_string(i)));
        writeFile(paths.back(), pattern(30));
    }
    std::stop_source stop;
    EXPECT_THROW(finder().find(
                     paths,
                     [&](Stage stage, std::int64_t, std::int64_t) {
                         if (stage == Stage::sampling) {
                             stop.request_stop();
                         }
                     },
                     stop.get_token()),
                 CancellationError);

    std::vector<Report> reports;
    EXPECT_THROW(finder().find(
                     allPaths(),
                     [&](Stage stage, std::int64_t done, std::int64_t total) {
                         reports.emplace_back(stage, done, total);
                     },
                     stop.get_token()),
                 CancellationError);
    EXPECT_TRUE(reports.empty());
}

TEST(DuplicateFinderProgress, ReportsAtTheFixedCadence) {
    std::vector<Report> reports;
    const auto record = [&](Stage stage, std::int64_t done, std::int64_t total) {
        reports.emplace_back(stage, done, total);
    };
    finder().find(std::vector<std::string>{}, record);
    EXPECT_EQ(reports, (std::vector<Report>{{Stage::hashing, 0, 0}}));

    // Hidden paths are refused by the filter but still count as positions.
    std::vector<std::string> hidden;
    for (int i = 0; i < 1'001; ++i) {
        hidden.push_back("/nowhere/.hidden" + std::to_string(i));
    }
    reports.clear();
    const auto report = finder().find(hidden, record);
    EXPECT_EQ(reports, (std::vector<Report>{{Stage::reading, 0, 1'001},
                                            {Stage::reading, 500, 1'001},
                                            {Stage::reading, 1'000, 1'001},
                                            {Stage::hashing, 0, 0}}));
    EXPECT_TRUE(report.unreadablePaths().empty());
}

TEST(DuplicateFinderStage, RawValues) {
    for (const auto stage : {Stage::reading, Stage::sampling, Stage::hashing}) {
        EXPECT_EQ(duplicateFinderStageFromRawValue(rawValue(stage)), stage);
    }
    EXPECT_EQ(rawValue(Stage::sampling), "Comparing the start and end of files");
    EXPECT_FALSE(duplicateFinderStageFromRawValue("comparing whole files").has_value());
}

TEST(DuplicateFinderOptions, RefusesASampleSizeOutsideItsRange) {
    for (const std::int64_t size : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1} << 62}) {
        EXPECT_THROW(DuplicateFinder(DuplicateOptions{1, plainFilter(), size, {}}),
                     std::invalid_argument);
    }
}

// Facts this machine cannot produce: cloud-only files and clones, injected
// over the real facts of real files.
class InjectedFactsTest : public ::testing::Test {
  protected:
    FileFactsReader reader() {
        return {[this](const std::string& path) {
                    auto facts = FileFacts::read(path);
                    if (facts && dataless.contains(path)) {
                        facts->isDataless = true;
                    }
                    if (facts && allocated.contains(path)) {
                        facts->allocatedSize = allocated.at(path);
                    }
                    return facts;
                },
                [this](const std::string& path) -> std::optional<CloneInfo> {
                    const auto found = clones.find(path);
                    return found == clones.end() ? std::nullopt : std::optional(found->second);
                },
                {}};
    }

    std::string add(const std::string& name, const std::string& content) {
        writeFile(folder / name, content);
        return folder / name;
    }

    tandor::testing::TemporaryFolder folder;
    std::set<std::string> dataless;
    std::map<std::string, std::int64_t> allocated;
    std::map<std::string, CloneInfo> clones;
};

TEST_F(InjectedFactsTest, CloudOnlyFilesAreCountedButNeverRead) {
    const auto cloud = add("cloud", pattern(100));
    const auto twin = add("twin", pattern(100));
    const auto small = add("small", "tiny");
    const auto link = folder / "cloud-link";
    ASSERT_EQ(::link(cloud.c_str(), link.c_str()), 0);
    dataless = {cloud, link, small};
    const auto report = finder(10, reader()).find({cloud, link, twin, small});
    EXPECT_EQ(report.cloudOnlyFiles(), 2);
    EXPECT_EQ(report.filesCompared(), 0);
    EXPECT_EQ(report.bytesRead(), 0);
    EXPECT_TRUE(report.groups().empty());
}

TEST_F(InjectedFactsTest, ClonesThatShareTheirSpaceAreSetApart) {
    std::vector<std::string> paths;
    // Group 1: one clone id, large savings on paper: clone group.
    paths.push_back(add("one-a", pattern(100, 1)));
    paths.push_back(add("one-b", pattern(100, 1)));
    clones[paths[0]] = {7, 50'000};
    clones[paths[1]] = {7, 50'000};
    // Group 2: clones with different ids and one byte's savings is still below
    // 4,096: clone group.
    paths.push_back(add("two-a", pattern(90, 2)));
    paths.push_back(add("two-b", pattern(90, 2)));
    clones[paths[2]] = {8, 0};
    clones[paths[3]] = {9, 1};
    // Group 3: one copy without clone facts: a plain group whatever it frees.
    paths.push_back(add("three-a", pattern(80, 3)));
    paths.push_back(add("three-b", pattern(80, 3)));
    clones[paths[4]] = {10, 0};
    allocated[paths[5]] = 1;
    // Groups 4 and 5 free the same bytes: the greater id comes first.
    paths.push_back(add("four-a", pattern(70, 4)));
    paths.push_back(add("four-b", pattern(70, 4)));
    paths.push_back(add("five-a", pattern(60, 5)));
    paths.push_back(add("five-b", pattern(60, 5)));
    for (std::size_t i = 4; i < paths.size(); ++i) {
        allocated.emplace(paths[i], 4'096);
    }

    const auto report = finder(1, reader()).find(paths);
    ASSERT_EQ(report.cloneGroups().size(), 2U);
    EXPECT_EQ(report.cloneGroups()[0].logicalSize(), 100);
    EXPECT_EQ(report.cloneGroups()[1].logicalSize(), 90);
    ASSERT_EQ(report.groups().size(), 3U);
    EXPECT_EQ(report.groups()[0].id().substr(0, 3), "70:");
    EXPECT_EQ(report.groups()[1].id().substr(0, 3), "60:");
    EXPECT_EQ(report.groups()[2].logicalSize(), 80);
    EXPECT_EQ(report.groups()[2].reclaimableBytes(), 1);
    EXPECT_EQ(report.reclaimableBytes(), 4'096 + 4'096 + 1);

    const auto suggestion = report.suggestion();
    ASSERT_TRUE(suggestion.has_value());
    EXPECT_EQ(suggestion->items.size(), 3U);
    EXPECT_EQ(suggestion->evidence.size(), 3U);
}

}  // namespace
}  // namespace tandor
