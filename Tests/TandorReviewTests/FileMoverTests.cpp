#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "ReviewTestSupport.hpp"
#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/CrossDeviceMove.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorReview/MoveError.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::allocatedBytes;
using testing::contentsOf;
using testing::handToUnprivileged;
using testing::isThere;
using testing::lines;
using testing::OtherDeviceFolder;
using testing::printable;
using testing::runUnprivileged;
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

// The system would read such a path only up to the NUL and so act on another file.
TEST(FileMover, RefusesAPathHoldingANulBeforeTouchingTheDisk) {
    const TemporaryFolder root;
    writeFile(root / "x/a.txt", "a");
    const std::string nul("\0", 1);
    const std::vector<std::function<void()>> moves{
        [&] { FileMover().move(root / ("x/a.txt" + nul + "b"), root / "out"); },
        [&] { FileMover().move(root / "x/a.txt", root / ("out" + nul + "b")); },
        [&] { FileMover::moveItem(root / ("x/a.txt" + nul + "b"), root / "out"); },
        [&] { FileMover::moveItem(root / "x/a.txt", root / ("out" + nul + "b")); },
    };
    for (std::size_t row = 0; row < moves.size(); ++row) {
        try {
            moves[row]();
            ADD_FAILURE() << "row " << row << " moved";
        } catch (const FileError& error) {
            EXPECT_EQ(error.errorNumber(), EINVAL) << "row " << row;
        }
    }
    EXPECT_EQ(contentsOf(root / "x/a.txt"), "a");
    EXPECT_FALSE(isThere(root / "out"));
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
    EXPECT_STREQ(MoveError::targetNotAFolder("/a").what(),
                 "Cannot move files on to /a: there is no folder there.");
    EXPECT_EQ(MoveError::alreadyThere("/a"), MoveError::alreadyThere("/a"));
    EXPECT_FALSE(MoveError::alreadyThere("/a") == MoveError::intoItself("/a"));
}

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

    const MoveOutcome outcome = FileMover().move(work / "tree", other / "dest");
    EXPECT_EQ(outcome.path, other / "dest/tree");
    EXPECT_FALSE(outcome.isPartial());

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

// Every entry under folder by its path relative to folder: a folder with a
// trailing "/" and no contents, anything else with its contents.
using Tree = std::map<std::string, std::string>;

Tree treeOf(const std::string& folder) {
    Tree tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string relative = std::filesystem::relative(entry.path(), folder);
        if (entry.is_directory()) {
            tree[relative + "/"] = "";
        } else {
            tree[relative] = contentsOf(entry.path());
        }
    }
    return tree;
}

void append(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::app) << text;
}

// Puts a new file of the same size and dates in the place of file.
void swapKeepingSizeAndDate(const std::string& file, const std::string& contents) {
    const std::string other = file + ".new";
    writeFile(other, contents);
    const struct stat original = lstatOf(file);
    const timespec times[2] = {original.st_atim, original.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, other.c_str(), times, 0), 0);
    ASSERT_EQ(::rename(other.c_str(), file.c_str()), 0);
}

// The source changes right after the copy of one of its entries is complete.
struct RaceCase {
    std::string what;
    Tree files;
    std::string source;
    std::string changedAfter;
    std::function<void(const std::string& work)> change;
    std::vector<std::string> leftBehind;
    Tree sourceAfter;
    Tree copy;
};

void PrintTo(const RaceCase& row, std::ostream* out) {
    *out << row.what;
}

class FileMoverRace : public FileMoverAcrossDevices,
                      public ::testing::WithParamInterface<RaceCase> {};

TEST_P(FileMoverRace, WhatChangesDuringTheCopyStaysAndIsListed) {
    const RaceCase& row = GetParam();
    for (const auto& [path, contents] : row.files) {
        writeFile(work / path, contents);
    }
    const auto changeAfterItsCopy = [&](const std::string& copied) {
        if (copied == work / row.changedAfter) {
            row.change(work.path());
        }
    };

    const MoveOutcome outcome =
        CrossDeviceMove(work / row.source, other / row.source, changeAfterItsCopy).run();

    EXPECT_EQ(outcome.path, other / row.source);
    std::vector<std::string> leftBehind;
    for (const auto& path : row.leftBehind) {
        leftBehind.push_back(work / path);
    }
    EXPECT_EQ(outcome.leftBehind, leftBehind);
    EXPECT_EQ(treeOf(work.path()), row.sourceAfter);
    EXPECT_EQ(treeOf(other.path()), row.copy);
}

const Tree twoFiles{{"tree/a.txt", "a"}, {"tree/sub/b.txt", "b"}};
const Tree twoFilesCopied{
    {"tree/", ""}, {"tree/a.txt", "a"}, {"tree/sub/", ""}, {"tree/sub/b.txt", "b"}};

INSTANTIATE_TEST_SUITE_P(
    Changes, FileMoverRace,
    ::testing::Values(
        RaceCase{"a file added to the folder",
                 twoFiles,
                 "tree",
                 "tree/a.txt",
                 [](const std::string& work) { writeFile(work + "/tree/new.txt", "new"); },
                 {"tree/new.txt"},
                 {{"tree/", ""}, {"tree/new.txt", "new"}},
                 twoFilesCopied},
        RaceCase{"a file in a subfolder appended to",
                 twoFiles,
                 "tree",
                 "tree/sub/b.txt",
                 [](const std::string& work) { append(work + "/tree/sub/b.txt", " more"); },
                 {"tree/sub/b.txt"},
                 {{"tree/", ""}, {"tree/sub/", ""}, {"tree/sub/b.txt", "b more"}},
                 twoFilesCopied},
        RaceCase{"a single file appended to",
                 {{"single.bin", "old"}},
                 "single.bin",
                 "single.bin",
                 [](const std::string& work) { append(work + "/single.bin", "+new"); },
                 {"single.bin"},
                 {{"single.bin", "old+new"}},
                 {{"single.bin", "old"}}},
        RaceCase{"a file swapped for another of the same size and date",
                 twoFiles,
                 "tree",
                 "tree/a.txt",
                 [](const std::string& work) { swapKeepingSizeAndDate(work + "/tree/a.txt", "A"); },
                 {"tree/a.txt"},
                 {{"tree/", ""}, {"tree/a.txt", "A"}},
                 twoFilesCopied}));

// A folder of the tree is moved away and a link to another folder, holding
// files of the same names, put in its place, as a process that can write in
// the tree could do while the move works.
class FileMoverSwappedFolder : public FileMoverAcrossDevices {
  protected:
    void SetUp() override {
        FileMoverAcrossDevices::SetUp();
        writeFile(work / "tree/sub/a.txt", "a");
        writeFile(work / "tree/sub/b.txt", "b");
        writeFile(work / "outside/a.txt", "outside a");
        writeFile(work / "outside/b.txt", "outside b");
    }

    void swapSubForALinkToOutside() {
        ASSERT_EQ(::rename((work / "tree/sub").c_str(), (work / "away").c_str()), 0);
        ASSERT_EQ(::symlink((work / "outside").c_str(), (work / "tree/sub").c_str()), 0);
    }
};

TEST_F(FileMoverSwappedFolder, DuringTheCopyStopsTheMoveWithNothingTakenFromOutside) {
    bool swapped = false;
    const auto swapAfterTheFirstFileOfSub = [&](const std::string& copied) {
        if (!swapped && paths::isInside(copied, work / "tree/sub")) {
            swapped = true;
            swapSubForALinkToOutside();
        }
    };

    try {
        CrossDeviceMove(work / "tree", other / "tree", swapAfterTheFirstFileOfSub).run();
        ADD_FAILURE() << "the move went on";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), work / "tree/sub");
        EXPECT_THAT(error.what(), ::testing::HasSubstr("changed while it was being copied"));
    }

    EXPECT_EQ(treeOf(work / "outside"), (Tree{{"a.txt", "outside a"}, {"b.txt", "outside b"}}));
    EXPECT_EQ(treeOf(work / "away"), (Tree{{"a.txt", "a"}, {"b.txt", "b"}}));
    EXPECT_FALSE(isThere(other / "tree"));
}

// outside/b.txt becomes the very file copied from tree/sub/b.txt, so that only
// the way it is reached tells it from the copied one.
TEST_F(FileMoverSwappedFolder, AfterTheCopyRemovesNothingOutsideAndListsTheLink) {
    const auto swapOnceAllIsCopied = [&](const std::string& copied) {
        if (copied == work / "tree") {
            swapSubForALinkToOutside();
            ASSERT_EQ(::unlink((work / "outside/b.txt").c_str()), 0);
            ASSERT_EQ(::link((work / "away/b.txt").c_str(), (work / "outside/b.txt").c_str()), 0);
        }
    };

    const MoveOutcome outcome =
        CrossDeviceMove(work / "tree", other / "tree", swapOnceAllIsCopied).run();

    EXPECT_EQ(outcome.leftBehind, std::vector<std::string>{work / "tree/sub"});
    EXPECT_EQ(treeOf(work / "outside"), (Tree{{"a.txt", "outside a"}, {"b.txt", "b"}}));
    EXPECT_EQ(treeOf(work / "away"), (Tree{{"a.txt", "a"}, {"b.txt", "b"}}));
    EXPECT_EQ(treeOf(other / "tree"), (Tree{{"sub/", ""}, {"sub/a.txt", "a"}, {"sub/b.txt", "b"}}));
}

// A 1 GiB file with a little data after a leading hole, in its middle, and a
// hole at its end.
TEST_F(FileMoverAcrossDevices, KeepsTheHolesOfASparseFile) {
    constexpr off_t size = off_t{1} << 30;
    const std::vector<off_t> dataAt{1 << 20, size / 2};
    const std::string sparse = work / "sparse.bin";
    {
        const FileDescriptor file(::open(sparse.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        ASSERT_EQ(::ftruncate(file.get(), size), 0);
        for (const off_t at : dataAt) {
            ASSERT_EQ(::pwrite(file.get(), "data!", 5, at), 5);
        }
    }
    if (allocatedBytes(sparse) > (1 << 20)) {
        GTEST_SKIP() << "the temporary folder's file system keeps no holes";
    }

    FileMover::moveItem(sparse, other / "sparse.bin");

    EXPECT_EQ(lstatOf(other / "sparse.bin").st_size, size);
    EXPECT_LT(allocatedBytes(other / "sparse.bin"), 1 << 20);
    const FileDescriptor copy(::open((other / "sparse.bin").c_str(), O_RDONLY | O_CLOEXEC));
    for (const off_t at : dataAt) {
        std::string bytes(7, '?');
        ASSERT_EQ(::pread(copy.get(), bytes.data(), bytes.size(), at - 1), 7);
        EXPECT_EQ(bytes, std::string("\0data!\0", 7)) << "at " << at;
    }
}

TEST_F(FileMoverAcrossDevices, KeepsHardLinksWithinTheTreeAsOneFile) {
    writeFile(work / "tree/a.txt", "shared");
    std::filesystem::create_directory(work / "tree/sub");
    ASSERT_EQ(::link((work / "tree/a.txt").c_str(), (work / "tree/sub/b.txt").c_str()), 0);
    writeFile(work / "outside.txt", "reaches in");
    ASSERT_EQ(::link((work / "outside.txt").c_str(), (work / "tree/c.txt").c_str()), 0);

    EXPECT_FALSE(FileMover::moveItem(work / "tree", other / "tree").isPartial());

    EXPECT_FALSE(isThere(work / "tree"));
    const struct stat a = lstatOf(other / "tree/a.txt");
    EXPECT_EQ(a.st_ino, lstatOf(other / "tree/sub/b.txt").st_ino);
    EXPECT_EQ(a.st_nlink, 2u);
    EXPECT_EQ(contentsOf(other / "tree/sub/b.txt"), "shared");
    // A link from outside the tree cannot come along: its file is copied.
    EXPECT_EQ(lstatOf(other / "tree/c.txt").st_nlink, 1u);
    EXPECT_EQ(contentsOf(other / "tree/c.txt"), "reaches in");
    EXPECT_EQ(contentsOf(work / "outside.txt"), "reaches in");
}

// A read-only folder keeps its entries from an unprivileged user. The copy is
// whole and kept, and what could not be removed is listed.
TEST_F(FileMoverAcrossDevices, WhatCannotBeRemovedStaysAndIsListed) {
    writeFile(work / "tree/free.txt", "free");
    writeFile(work / "tree/locked/kept.txt", "kept");
    writeFile(work / "single/file.txt", "single");
    handToUnprivileged(work.path());
    handToUnprivileged(other.path());
    ASSERT_EQ(::chmod((work / "tree/locked").c_str(), 0555), 0);
    ASSERT_EQ(::chmod((work / "single").c_str(), 0555), 0);

    EXPECT_EQ(runUnprivileged([&] {
                  return lines(FileMover::moveItem(work / "tree", other / "tree").leftBehind);
              }),
              work / "tree/locked/kept.txt");
    EXPECT_EQ(treeOf(work / "tree"), (Tree{{"locked/", ""}, {"locked/kept.txt", "kept"}}));
    EXPECT_EQ(treeOf(other / "tree"),
              (Tree{{"free.txt", "free"}, {"locked/", ""}, {"locked/kept.txt", "kept"}}));

    // A single file that cannot be removed at all has not moved: its copy goes.
    EXPECT_THAT(runUnprivileged([&] {
                    return FileMover::moveItem(work / "single/file.txt", other / "file.txt").path;
                }),
                ::testing::StartsWith("threw: "));
    EXPECT_EQ(contentsOf(work / "single/file.txt"), "single");
    EXPECT_FALSE(isThere(other / "file.txt"));

    ASSERT_EQ(::chmod((work / "tree/locked").c_str(), 0755), 0);
    ASSERT_EQ(::chmod((work / "single").c_str(), 0755), 0);
}

}  // namespace
}  // namespace tandor
