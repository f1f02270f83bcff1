#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ReviewTestSupport.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorReview/MoveError.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::contentsOf;
using testing::isThere;
using testing::printable;
using testing::TemporaryFolder;
using testing::writeFile;

struct CleanCase {
    std::string input;
    std::string cleaned;
};

void PrintTo(const CleanCase& row, std::ostream* out) {
    *out << '"' << row.input << '"';
}

class FileMoverClean : public ::testing::TestWithParam<CleanCase> {};

TEST_P(FileMoverClean, ResolvesPiecesAsText) {
    EXPECT_EQ(FileMover::clean(GetParam().input), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileMoverClean,
                         ::testing::Values(CleanCase{"/a//b/./c/../d/", "/a/b/d"},
                                           CleanCase{"/../x", "/x"}, CleanCase{"a/../..", ""},
                                           CleanCase{"", ""}, CleanCase{"/", "/"},
                                           CleanCase{"/../..", "/"}, CleanCase{"x/./y/", "x/y"}));

struct FreeNameCase {
    std::string name;
    std::vector<std::string> taken;
    std::string expected;
};

void PrintTo(const FreeNameCase& row, std::ostream* out) {
    *out << printable(row.expected);
}

class FileMoverFreeName : public ::testing::TestWithParam<FreeNameCase> {};

TEST_P(FileMoverFreeName, NumbersTheStemBeforeTheExtension) {
    const TemporaryFolder folder;
    for (const auto& name : GetParam().taken) {
        writeFile(folder / name, "taken");
    }
    EXPECT_EQ(FileMover::freeName(GetParam().name, folder.path()), folder / GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileMoverFreeName,
    ::testing::Values(FreeNameCase{"report.pdf", {}, "report.pdf"},
                      FreeNameCase{"report.pdf", {"report.pdf"}, "report 2.pdf"},
                      FreeNameCase{"report.pdf", {"report.pdf", "report 2.pdf"}, "report 3.pdf"},
                      FreeNameCase{"archive.tar.gz", {"archive.tar.gz"}, "archive.tar 2.gz"},
                      FreeNameCase{"Notes", {"Notes"}, "Notes 2"},
                      FreeNameCase{".env", {".env"}, ".env 2"},
                      FreeNameCase{"odd.", {"odd."}, "odd. 2"},
                      FreeNameCase{"caf\xE9.txt", {"caf\xE9.txt"}, "caf\xE9 2.txt"}));

TEST(FileMover, ADanglingLinkTakesItsName) {
    const TemporaryFolder folder;
    ASSERT_EQ(::symlink("/nowhere", (folder / "link").c_str()), 0);
    EXPECT_EQ(FileMover::freeName("link", folder.path()), folder / "link 2");
}

struct RefusalCase {
    std::string source;
    std::string destination;
    MoveError::Case refusal;
};

void PrintTo(const RefusalCase& row, std::ostream* out) {
    *out << row.source << " into " << row.destination;
}

class FileMoverRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(FileMoverRefusal, RefusesBeforeTouchingTheDiskQuotingTheSourceAsPassed) {
    const TemporaryFolder root;
    writeFile(root / "x/a.txt", "a");
    writeFile(root / "a/b/inside.txt", "b");
    const std::string source = root.path() + GetParam().source;
    try {
        FileMover().move(source, root.path() + GetParam().destination);
        FAIL() << "moved";
    } catch (const MoveError& error) {
        EXPECT_EQ(error.errorCase(), GetParam().refusal);
        EXPECT_EQ(error.path(), source);
    }
    EXPECT_EQ(contentsOf(root / "x/a.txt"), "a");
    EXPECT_FALSE(isThere(root / "nowhere"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileMoverRefusal,
    ::testing::Values(RefusalCase{"/x/a.txt", "/x", MoveError::Case::alreadyThere},
                      RefusalCase{"/x/a.txt", "/x/", MoveError::Case::alreadyThere},
                      RefusalCase{"/x/a.txt", "/x/./", MoveError::Case::alreadyThere},
                      RefusalCase{"/x//a.txt", "/x", MoveError::Case::alreadyThere},
                      RefusalCase{"/a/b", "/a/b", MoveError::Case::intoItself},
                      RefusalCase{"/a/b", "/a/b/c", MoveError::Case::intoItself},
                      RefusalCase{"/x/a.txt", "/x/a.txt/deeper", MoveError::Case::intoItself},
                      RefusalCase{"/x/gone.txt", "/nowhere", MoveError::Case::sourceMissing}));

TEST(FileMover, MovesIntoANewFolderChainAndAcrossTheSlashBoundary) {
    const TemporaryFolder root;
    writeFile(root / "a/b/file", "f");
    EXPECT_EQ(FileMover().move(root / "a/b", root / "a/bc").path, root / "a/bc/b");
    EXPECT_EQ(FileMover().move(root / "a/bc/b/file", root / "new/deeper/").path,
              root / "new/deeper/file");
    EXPECT_EQ(contentsOf(root / "new/deeper/file"), "f");
    EXPECT_FALSE(isThere(root / "a/bc/b/file"));
}

TEST(FileMover, NeverReplacesWhatIsThere) {
    const TemporaryFolder root;
    writeFile(root / "in/report.pdf", "one");
    writeFile(root / "in/report 2.pdf", "two");
    writeFile(root / "out/report.pdf", "three");
    EXPECT_EQ(FileMover().move(root / "out/report.pdf", root / "in").path,
              root / "in/report 3.pdf");
    EXPECT_EQ(contentsOf(root / "in/report.pdf"), "one");
    EXPECT_EQ(contentsOf(root / "in/report 2.pdf"), "two");
    EXPECT_EQ(contentsOf(root / "in/report 3.pdf"), "three");
}

TEST(FileMover, ATargetThatAppearsBeforeTheMoveIsNotReplaced) {
    const TemporaryFolder root;
    writeFile(root / "a/file", "mine");
    writeFile(root / "b/file", "theirs");
    writeFile(root / "a/folder/x", "mine");
    writeFile(root / "b/folder/y", "theirs");
    for (const std::string name : {"file", "folder"}) {
        try {
            FileMover::moveItem(root / ("a/" + name), root / ("b/" + name));
            FAIL() << name << " replaced";
        } catch (const FileError& error) {
            EXPECT_EQ(error.errorNumber(), EEXIST);
        }
    }
    EXPECT_EQ(contentsOf(root / "b/file"), "theirs");
    EXPECT_EQ(contentsOf(root / "a/file"), "mine");
    EXPECT_FALSE(isThere(root / "b/folder/x"));
}

TEST(FileMover, MovesALinkWhoseTargetIsGone) {
    const TemporaryFolder root;
    std::filesystem::create_directories(root / "a");
    ASSERT_EQ(::symlink("/nowhere", (root / "a/link").c_str()), 0);
    EXPECT_EQ(FileMover().move(root / "a/link", root / "b").path, root / "b/link");
    EXPECT_TRUE(std::filesystem::is_symlink(root / "b/link"));
}

// "real/.." means the parent of wherever the link points, not "here": the test
// and the move must both use the one cleaned path.
TEST(FileMover, ChecksAndActsOnTheCleanedSource) {
    const TemporaryFolder root;
    writeFile(root / "elsewhere/deep/x", "x");
    writeFile(root / "elsewhere/file", "elsewhere");
    std::filesystem::create_directories(root / "here");
    ASSERT_EQ(::symlink((root / "elsewhere/deep").c_str(), (root / "here/real").c_str()), 0);
    writeFile(root / "here/other", "here");

    EXPECT_THROW(FileMover().move(root / "here/real/../file", root / "out"), MoveError);
    EXPECT_EQ(FileMover().move(root / "here/real/../other", root / "out").path, root / "out/other");
    EXPECT_EQ(contentsOf(root / "elsewhere/file"), "elsewhere");
}

TEST(FileMover, ACreationFailureIsThePlatformError) {
    const TemporaryFolder root;
    writeFile(root / "a.txt", "a");
    writeFile(root / "blocker", "a file where a folder should be");
    EXPECT_THROW(FileMover().move(root / "a.txt", root / "blocker/sub"), FileError);
    EXPECT_TRUE(isThere(root / "a.txt"));
}

TEST(MoveError, DescribesItselfInOneSentence) {
    EXPECT_STREQ(MoveError::sourceMissing("/a").what(), "Cannot move: /a is no longer there.");
    EXPECT_STREQ(MoveError::alreadyThere("/a").what(), "/a is already in that folder.");
    EXPECT_STREQ(MoveError::intoItself("/a").what(), "Cannot move a folder into itself (/a).");
    EXPECT_STREQ(MoveError::movedItemMissing("/a").what(),
                 "Cannot put back: the file is no longer at /a.");
    EXPECT_STREQ(MoveError::originalPathTaken("/a").what(),
                 "Cannot put back: something new is at /a. Tandor never overwrites files.");
    EXPECT_STREQ(MoveError::folderNotRegistered("/a").what(),
                 "Cannot move /a: that sorting folder is no longer registered.");
    EXPECT_EQ(MoveError::alreadyThere("/a"), MoveError::alreadyThere("/a"));
    EXPECT_FALSE(MoveError::alreadyThere("/a") == MoveError::intoItself("/a"));
}

// A folder of its own on /dev/shm, a memory file system and so another device
// than the temporary folder.
class OtherDeviceFolder {
  public:
    OtherDeviceFolder() {
        std::string pattern = "/dev/shm/tandor-test-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    OtherDeviceFolder(const OtherDeviceFolder&) = delete;
    OtherDeviceFolder& operator=(const OtherDeviceFolder&) = delete;
    ~OtherDeviceFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    bool isOnAnotherDeviceThan(const std::string& other) const {
        struct stat mine {};
        struct stat theirs {};
        return !path_.empty() && ::stat(path_.c_str(), &mine) == 0 &&
               ::stat(other.c_str(), &theirs) == 0 && mine.st_dev != theirs.st_dev;
    }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

  private:
    std::string path_;
};

void setTimes(const std::string& path, time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

struct stat lstatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

class FileMoverAcrossDevices : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!other.isOnAnotherDeviceThan(work.path())) {
            GTEST_SKIP() << "/dev/shm is not another device here";
        }
    }

    TemporaryFolder work;
    OtherDeviceFolder other;
};

TEST_F(FileMoverAcrossDevices, CopiesTheTreeWithModesTimesAndLinksThenRemovesTheSource) {
    writeFile(work / "tree/file.txt", "contents");
    writeFile(work / "tree/sub/deep.bin", std::string(200000, 'x'));
    ASSERT_EQ(::symlink("/nowhere", (work / "tree/sub/dangling").c_str()), 0);
    ASSERT_EQ(::chmod((work / "tree/file.txt").c_str(), 0640), 0);
    ASSERT_EQ(::chmod((work / "tree/sub").c_str(), 0750), 0);
    setTimes(work / "tree/file.txt", 1'000'000'000);
    setTimes(work / "tree/sub/dangling", 1'100'000'000);
    setTimes(work / "tree/sub", 1'200'000'000);

    EXPECT_EQ(FileMover().move(work / "tree", other / "dest").path, other / "dest/tree");

    EXPECT_FALSE(isThere(work / "tree"));
    EXPECT_EQ(contentsOf(other / "dest/tree/file.txt"), "contents");
    EXPECT_EQ(contentsOf(other / "dest/tree/sub/deep.bin"), std::string(200000, 'x'));
    EXPECT_EQ(std::filesystem::read_symlink(other / "dest/tree/sub/dangling"), "/nowhere");
    EXPECT_EQ(lstatOf(other / "dest/tree/file.txt").st_mode & 07777, 0640u);
    EXPECT_EQ(lstatOf(other / "dest/tree/sub").st_mode & 07777, 0750u);
    EXPECT_EQ(lstatOf(other / "dest/tree/file.txt").st_mtim.tv_sec, 1'000'000'000);
    EXPECT_EQ(lstatOf(other / "dest/tree/sub/dangling").st_mtim.tv_sec, 1'100'000'000);
    EXPECT_EQ(lstatOf(other / "dest/tree/sub").st_mtim.tv_sec, 1'200'000'000);
}

TEST_F(FileMoverAcrossDevices, NeverOverwritesOnTheOtherDevice) {
    writeFile(work / "report.pdf", "new");
    writeFile(other / "dest/report.pdf", "old");
    EXPECT_EQ(FileMover().move(work / "report.pdf", other / "dest").path,
              other / "dest/report 2.pdf");
    EXPECT_EQ(contentsOf(other / "dest/report.pdf"), "old");

    writeFile(work / "again", "mine");
    writeFile(other / "again", "theirs");
    EXPECT_THROW(FileMover::moveItem(work / "again", other / "again"), FileError);
    EXPECT_EQ(contentsOf(other / "again"), "theirs");
    EXPECT_EQ(contentsOf(work / "again"), "mine");
}

TEST_F(FileMoverAcrossDevices, AFailedCopyRemovesWhatItMadeAndKeepsTheSource) {
    writeFile(work / "tree/a.txt", "a");
    ASSERT_EQ(::mkfifo((work / "tree/pipe").c_str(), 0600), 0);
    writeFile(work / "tree/z.txt", "z");

    EXPECT_THROW(FileMover().move(work / "tree", other / "dest"), FileError);

    EXPECT_FALSE(isThere(other / "dest/tree"));
    EXPECT_EQ(contentsOf(work / "tree/a.txt"), "a");
    EXPECT_EQ(contentsOf(work / "tree/z.txt"), "z");
    EXPECT_TRUE(isThere(work / "tree/pipe"));
}

}  // namespace
}  // namespace tandor
