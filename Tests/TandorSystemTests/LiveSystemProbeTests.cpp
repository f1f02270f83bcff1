// The live probe on folders built by the tests and on this machine's root volume.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "TandorSystem/LiveSystemProbe.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::allocatedBytes;

// The standard reader, except that the given folders cannot be listed (tests
// run as root, which reads any folder).
class RefusingReader final : public DirectoryReader {
  public:
    RefusingReader(std::unique_ptr<DirectoryReader> reader, std::set<std::string> refused)
        : reader_(std::move(reader)), refused_(std::move(refused)) {}

    std::optional<DirectoryListing> list(const std::string& folder) const override {
        return refused_.contains(folder) ? std::nullopt : reader_->list(folder);
    }

  private:
    std::unique_ptr<DirectoryReader> reader_;
    std::set<std::string> refused_;
};

LiveSystemProbe probeRefusing(std::set<std::string> refused) {
    return LiveSystemProbe([refused](bool bulk) -> std::unique_ptr<DirectoryReader> {
        return std::make_unique<RefusingReader>(DirectoryScanner::standardReader(bulk), refused);
    });
}

void writeFile(const std::string& path, std::size_t size) {
    std::ofstream(path) << std::string(size, 'x');
}

TEST(LiveSystemProbe, MeasuresWhatExistsAndCountsUnreadableFolders) {
    testing::TemporaryFolder folder;
    std::filesystem::create_directories(folder / "data/deep");
    std::filesystem::create_directories(folder / "data/locked1");
    std::filesystem::create_directories(folder / "data/locked2");
    writeFile(folder / "data/a", 10'000);
    writeFile(folder / "data/deep/b", 20'000);
    writeFile(folder / "data/locked1/hidden", 30'000);
    ASSERT_EQ(::symlink("nothing", (folder / "dangling").c_str()), 0);
    const auto readable =
        allocatedBytes(folder / "data/a") + allocatedBytes(folder / "data/deep/b");

    auto probe = probeRefusing({folder / "data/locked1", folder / "data/locked2", folder / "shut"});
    EXPECT_EQ(probe.measure(folder / "missing", {}), std::nullopt);
    EXPECT_EQ(probe.measure(folder / "dangling", {}), std::nullopt);
    EXPECT_EQ(probe.measure(folder / "data/a", {}),
              (FolderMeasurement{allocatedBytes(folder / "data/a"), 0}));
    EXPECT_EQ(probe.measure(folder / "data", {}), (FolderMeasurement{readable, 2}));
    EXPECT_EQ(probe.measure(folder / "data", {folder / "data/deep/b", folder / "data/locked2"}),
              (FolderMeasurement{allocatedBytes(folder / "data/a"), 1}))
        << "what is counted elsewhere is left out";

    std::filesystem::create_directory(folder / "shut");
    writeFile(folder / "shut/inside", 10'000);
    EXPECT_EQ(probe.measure(folder / "shut", {}), (FolderMeasurement{0, 1}));
}

struct statvfs blockFigures(std::uint64_t blocks, std::uint64_t free, std::uint64_t available,
                            std::uint64_t fragmentSize) {
    struct statvfs figures {};
    figures.f_blocks = blocks;
    figures.f_bfree = free;
    figures.f_bavail = available;
    figures.f_frsize = fragmentSize;
    figures.f_bsize = fragmentSize * 4;
    return figures;
}

// The blocks kept back for root are free but not available: used must leave
// them out, as df does, and so must the bar's whole.
TEST(LiveSystemProbe, VolumeFiguresAgreeWithDf) {
    struct Case {
        const char* name;
        struct statvfs figures;
        std::optional<VolumeUsage> usage;
    };
    const std::uint64_t huge = std::uint64_t{1} << 62;
    const Case cases[] = {
        {"reserved blocks", blockFigures(1'000, 300, 250, 4'096),
         VolumeUsage{950 * 4'096, 250 * 4'096, std::nullopt}},
        {"nothing reserved", blockFigures(1'000, 300, 300, 1'024),
         VolumeUsage{1'000 * 1'024, 300 * 1'024, std::nullopt}},
        {"full to the reserve", blockFigures(1'000, 50, 0, 4'096),
         VolumeUsage{950 * 4'096, 0, std::nullopt}},
        {"more free than blocks", blockFigures(1'000, 1'200, 1'100, 512),
         VolumeUsage{1'100 * 512, 1'100 * 512, std::nullopt}},
        {"beyond 64 bits", blockFigures(huge, 0, 0, 4'096), std::nullopt},
        {"sum beyond 64 bits", blockFigures(huge, huge / 2, huge / 2, 2), std::nullopt},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(LiveSystemProbe::volumeUsageOf(each.figures), each.usage) << each.name;
    }
    const auto reserved = *LiveSystemProbe::volumeUsageOf(cases[0].figures);
    EXPECT_EQ(reserved.used(), 700 * 4'096);
}

TEST(LiveSystemProbe, ListsTheSwapFilesOfTheSwapTable) {
    testing::TemporaryFolder folder;
    testing::writeFile(folder / "swaps",
                       "Filename\t\t\t\tType\t\tSize\t\tUsed\t\tPriority\n"
                       "/swapfile                               file\t\t2097148\t\t0\t\t-2\n"
                       "/dev/dm-1                               partition\t8388604\t\t0\t\t-3\n"
                       "/var/my\\040swap\\134file                  file\t\t1024\t\t0\t\t-4\n"
                       "/dev/zram0                              partition\t4194300\t\t0\t\t100\n"
                       "garbage\n\n/half-a-line\n");
    EXPECT_EQ(LiveSystemProbe().swapFiles(folder / "swaps"),
              (std::vector<std::string>{"/swapfile", "/var/my swap\\file"}));
    EXPECT_TRUE(LiveSystemProbe().swapFiles(folder / "missing").empty());
}

TEST(LiveSystemProbe, ReportsTheRootVolumeWithoutPurgeableSpace) {
    LiveSystemProbe probe;
    const auto volume = probe.volumeUsage("/");
    ASSERT_TRUE(volume);
    EXPECT_GT(volume->total, 0);
    EXPECT_LE(volume->available, volume->total);
    EXPECT_EQ(volume->availableForImportantUsage, std::nullopt);
    EXPECT_EQ(probe.volumeUsage("/nonexistent/folder"), std::nullopt);
}

TEST(LiveSystemProbe, HasNoSnapshotsWithoutTheSnapshotCommand) {
    if (::access("/usr/bin/tmutil", X_OK) == 0) {
        GTEST_SKIP() << "this machine has the snapshot command";
    }
    EXPECT_EQ(LiveSystemProbe().localSnapshots(), std::nullopt);
}

}  // namespace
}  // namespace tandor
