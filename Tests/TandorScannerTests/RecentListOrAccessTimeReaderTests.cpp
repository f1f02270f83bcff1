#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "ScannerTestSupport.hpp"
#include "TandorScanner/RecentListOrAccessTimeReader.hpp"
#include "TandorScanner/StaticLastUsedReader.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using std::chrono::hours;
using std::chrono::seconds;
using testing::keepEverything;
using testing::TemporaryFolder;
using testing::writeFile;

Date daysAgo(Date now, int days) {
    return now - hours(24 * days);
}

// Stands in for statvfs: every mount answers the same flags, and each question
// is counted.
struct FakeMounts {
    std::shared_ptr<const MountAccessTimes> make() const {
        return std::make_shared<MountAccessTimes>(
            [flags = flags, asked = asked](const std::string&) {
                ++*asked;
                return flags;
            });
    }

    std::optional<unsigned long> flags = 0;
    std::shared_ptr<int> asked = std::make_shared<int>(0);
};

std::shared_ptr<const LastUsedReader> listOf(std::unordered_map<std::string, Date> dates = {}) {
    return std::make_shared<StaticLastUsedReader>(std::move(dates));
}

FileNodePtr fileWithTimes(const std::string& path, std::optional<Date> modified,
                          std::optional<Date> accessed) {
    return FileNode::make(path, std::nullopt, false, 10, 10, 0, modified, accessed, {});
}

TEST(RecentListOrAccessTimeReader, AnswersFromTheTreeAndTheListBeforeIt) {
    const Date now = std::chrono::sys_days{std::chrono::year{2026} / 3 / 10};
    const FileNodePtr tree =
        FileNode::make("/h", std::nullopt, true, 0, 0, 0, std::nullopt, std::nullopt,
                       {fileWithTimes("/h/read.jpg", daysAgo(now, 60), daysAgo(now, 5)),
                        fileWithTimes("/h/unread.dmg", daysAgo(now, 10), daysAgo(now, 11)),
                        fileWithTimes("/h/same.zip", daysAgo(now, 10), daysAgo(now, 10)),
                        fileWithTimes("/h/undated.iso", std::nullopt, daysAgo(now, 2)),
                        fileWithTimes("/h/noAccess.txt", daysAgo(now, 60), std::nullopt),
                        fileWithTimes("/h/listed.pdf", daysAgo(now, 60), daysAgo(now, 1)),
                        FileNode::make("/h/Docs", std::nullopt, true, 0, 0, 0, daysAgo(now, 60),
                                       daysAgo(now, 1), {})});
    const auto list = listOf({{"/h/listed.pdf", daysAgo(now, 20)}});
    struct Case {
        const char* path;
        std::optional<Date> recorded;
        std::optional<Date> noatime;
    };
    const Case cases[] = {
        {"/h/read.jpg", daysAgo(now, 5), std::nullopt},
        // Written and not read since: never opened.
        {"/h/unread.dmg", std::nullopt, std::nullopt},
        {"/h/same.zip", std::nullopt, std::nullopt},
        {"/h/undated.iso", daysAgo(now, 2), std::nullopt},
        {"/h/noAccess.txt", std::nullopt, std::nullopt},
        // The list wins over a later access time, and needs no access times.
        {"/h/listed.pdf", daysAgo(now, 20), daysAgo(now, 20)},
        // A folder's access time moves whenever it is listed.
        {"/h/Docs", std::nullopt, std::nullopt},
        {"/h", std::nullopt, std::nullopt},
        {"/elsewhere/missing", std::nullopt, std::nullopt},
    };
    const FakeMounts records;
    const FakeMounts noatime{ST_NOATIME};
    const RecentListOrAccessTimeReader recording(list, records.make(), tree);
    const RecentListOrAccessTimeReader notRecording(list, noatime.make(), tree);
    for (const auto& c : cases) {
        EXPECT_EQ(recording.lastUsedDate(c.path), c.recorded) << c.path;
        EXPECT_EQ(notRecording.lastUsedDate(c.path), c.noatime) << c.path << " on noatime";
    }
    EXPECT_EQ(*records.asked, 1) << "the tree's mount is asked once";
    EXPECT_EQ(*noatime.asked, 1);
}

// Sets a file's access and modification times to whole seconds.
void setTimes(const std::string& path, Date accessed, Date modified) {
    const auto spec = [](Date date) {
        return timespec{
            .tv_sec = std::chrono::duration_cast<seconds>(date.time_since_epoch()).count(),
            .tv_nsec = 0};
    };
    const timespec times[] = {spec(accessed), spec(modified)};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

class AccessTimesOnDisk : public ::testing::Test {
  protected:
    AccessTimesOnDisk() {
        writeFile(folder_ / "opened.jpg", 5);
        writeFile(folder_ / "also opened.jpg", 5);
        writeFile(folder_ / "unread.dmg", 5);
        std::filesystem::create_directory(folder_ / "Docs");
        std::filesystem::create_symlink(folder_ / "opened.jpg", folder_ / "link.jpg");
        setTimes(folder_ / "opened.jpg", daysAgo(now_, 5), daysAgo(now_, 60));
        setTimes(folder_ / "also opened.jpg", daysAgo(now_, 7), daysAgo(now_, 60));
        setTimes(folder_ / "unread.dmg", daysAgo(now_, 11), daysAgo(now_, 10));
        setTimes(folder_ / "Docs", daysAgo(now_, 1), daysAgo(now_, 60));
    }

    const Date now_ = std::chrono::floor<seconds>(std::chrono::system_clock::now());
    TemporaryFolder folder_;
};

TEST_F(AccessTimesOnDisk, StatsThePathAndAsksEachDeviceOnce) {
    const FakeMounts records;
    const RecentListOrAccessTimeReader reader(listOf(), records.make());
    EXPECT_EQ(reader.lastUsedDate(folder_ / "opened.jpg"), daysAgo(now_, 5));
    EXPECT_EQ(reader.lastUsedDate(folder_ / "also opened.jpg"), daysAgo(now_, 7));
    EXPECT_EQ(reader.lastUsedDate(folder_ / "unread.dmg"), std::nullopt);
    EXPECT_EQ(reader.lastUsedDate(folder_ / "Docs"), std::nullopt);
    EXPECT_EQ(reader.lastUsedDate(folder_ / "link.jpg"), std::nullopt);
    EXPECT_EQ(reader.lastUsedDate(folder_ / "missing"), std::nullopt);
    EXPECT_EQ(*records.asked, 1);

    const FakeMounts noatime{ST_NOATIME};
    EXPECT_EQ(
        RecentListOrAccessTimeReader(listOf(), noatime.make()).lastUsedDate(folder_ / "opened.jpg"),
        std::nullopt);
}

TEST_F(AccessTimesOnDisk, AMountThatCouldNotBeReadIsAskedAgain) {
    auto answers = std::make_shared<std::vector<std::optional<unsigned long>>>(
        std::vector<std::optional<unsigned long>>{std::nullopt, 0});
    const RecentListOrAccessTimeReader reader(
        listOf(), std::make_shared<MountAccessTimes>([answers](const std::string&) {
            const auto flags = answers->front();
            answers->erase(answers->begin());
            return flags;
        }));
    EXPECT_EQ(reader.lastUsedDate(folder_ / "opened.jpg"), std::nullopt);
    EXPECT_EQ(reader.lastUsedDate(folder_ / "opened.jpg"), daysAgo(now_, 5));
    EXPECT_EQ(reader.lastUsedDate(folder_ / "also opened.jpg"), daysAgo(now_, 7));
}

TEST_F(AccessTimesOnDisk, AScannedTreeAnswersWithoutTouchingTheFile) {
    const FileNodePtr tree = DirectoryScanner(keepEverything()).scan(folder_.path()).root;
    std::filesystem::remove(folder_ / "opened.jpg");
    const FakeMounts records;
    const RecentListOrAccessTimeReader reader(listOf(), records.make(), tree);
    EXPECT_EQ(reader.lastUsedDate(folder_ / "opened.jpg"), daysAgo(now_, 5));
    EXPECT_EQ(reader.lastUsedDate(folder_ / "unread.dmg"), std::nullopt);
    EXPECT_EQ(*records.asked, 1);
}

TEST(MountAccessTimes, TrustsNoMountWhoseFlagsCannotBeRead) {
    const TemporaryFolder folder;
    EXPECT_FALSE(MountAccessTimes().recordsAccessTimes(folder / "missing/deeper"));
}

}  // namespace
}  // namespace tandor
