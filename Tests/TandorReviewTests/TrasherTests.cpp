#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "ReviewTestSupport.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/QuarantineTrasher.hpp"
#include "TandorReview/ReviewError.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::contentsOf;
using testing::FixtureHome;
using testing::isThere;
using ::testing::MatchesRegex;
using testing::TemporaryFolder;
using testing::writeFile;

TEST(QuarantineTrasher, KeepsTwoItemsOfOneNameApart) {
    const TemporaryFolder folder;
    writeFile(folder / "one/report.pdf", "first");
    writeFile(folder / "two/report.pdf", "second");
    const QuarantineTrasher trasher(folder / "quarantine");

    const std::string first = trasher.trash(folder / "one/report.pdf").path;
    const std::string second = trasher.trash(folder / "two/report.pdf").path;

    EXPECT_NE(first, second);
    EXPECT_THAT(paths::lastComponent(first),
                MatchesRegex("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}"
                             "-report\\.pdf"));
    EXPECT_EQ(paths::deletingLastComponent(first), folder / "quarantine");
    EXPECT_EQ(contentsOf(first), "first");
    EXPECT_EQ(contentsOf(second), "second");
}

TEST(QuarantineTrasher, MovesAFolderWhole) {
    const TemporaryFolder folder;
    writeFile(folder / "project/src/main.c", "int main;");
    const std::string moved = QuarantineTrasher(folder / "q").trash(folder / "project").path;
    EXPECT_THAT(moved, ::testing::EndsWith("-project"));
    EXPECT_EQ(contentsOf(moved + "/src/main.c"), "int main;");
    EXPECT_FALSE(isThere(folder / "project"));
}

TEST(QuarantineTrasher, FailsWithThePlatformErrorAndMovesNothing) {
    const TemporaryFolder folder;
    EXPECT_THROW(QuarantineTrasher(folder / "q").trash(folder / "missing"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "q"));

    writeFile(folder / "file-not-folder", "");
    writeFile(folder / "keep", "kept");
    EXPECT_THROW(QuarantineTrasher(folder / "file-not-folder").trash(folder / "keep"), FileError);
    EXPECT_EQ(contentsOf(folder / "keep"), "kept");
}

std::string infoFile(const std::string& trash, const std::string& name) {
    return trash + "/info/" + name + ".trashinfo";
}

TEST(SystemTrasher, ReservesTheNameThenMovesIntoTheHomeTrash) {
    const FixtureHome home;
    const std::string trash = home / ".local/share/Trash";
    writeFile(home / "a/my report 100%.pdf", "first");
    writeFile(home / "b/my report 100%.pdf", "second");
    writeFile(home / "c/caf\xE9", "latin-1 name");

    const std::string first = SystemTrasher().trash(home / "a/my report 100%.pdf").path;
    const std::string second = SystemTrasher().trash(home / "b/my report 100%.pdf").path;
    const std::string third = SystemTrasher().trash(home / "c/caf\xE9").path;

    EXPECT_EQ(first, trash + "/files/my report 100%.pdf");
    EXPECT_EQ(second, trash + "/files/my report 100% 2.pdf");
    EXPECT_EQ(contentsOf(first), "first");
    EXPECT_EQ(contentsOf(second), "second");
    EXPECT_EQ(third, trash + "/files/caf\xE9");
    EXPECT_THAT(
        contentsOf(infoFile(trash, "my report 100% 2.pdf")),
        MatchesRegex("\\[Trash Info\\]\nPath=" + home.path() +
                     "/b/my%20report%20100%25\\.pdf\n"
                     "DeletionDate=[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}\n"));
    EXPECT_THAT(contentsOf(infoFile(trash, "caf\xE9")), ::testing::HasSubstr("/c/caf%E9\n"));
}

TEST(SystemTrasher, SkipsANameTakenInFilesWithoutTouchingIt) {
    const FixtureHome home;
    const std::string trash = home / ".local/share/Trash";
    writeFile(trash + "/files/notes", "orphan");
    writeFile(home / "notes", "mine");

    EXPECT_EQ(SystemTrasher().trash(home / "notes").path, trash + "/files/notes 2");
    EXPECT_EQ(contentsOf(trash + "/files/notes"), "orphan");
    EXPECT_FALSE(isThere(infoFile(trash, "notes")));
    EXPECT_TRUE(isThere(infoFile(trash, "notes 2")));
}

// Trashing path is refused as protected, with a message that names it.
void expectProtectedFromTrash(const std::string& path) {
    try {
        SystemTrasher().trash(path);
        ADD_FAILURE() << "trashed " << path;
    } catch (const ReviewError& error) {
        EXPECT_EQ(error.errorCase(), ReviewError::Case::protectedFromTrash) << path;
        EXPECT_THAT(error.what(), ::testing::StartsWith("Cannot move " + path + " to the Trash"));
    }
}

TEST(SystemTrasher, RefusesTheHomeTheTrashAndWhatHoldsIt) {
    const FixtureHome home;
    const std::string trash = home / ".local/share/Trash";
    writeFile(trash + "/files/old", "old");
    for (const auto& path : {home.path(), trash, trash + "/files", trash + "/files/old",
                             home / ".local", home.path() + "/./.local/share/", std::string("/")}) {
        expectProtectedFromTrash(path);
    }
    EXPECT_EQ(contentsOf(trash + "/files/old"), "old");
}

TEST(SystemTrasher, RefusesTandorsDataFolderAndEveryFolderHoldingTheHome) {
    const TemporaryFolder root;
    std::filesystem::create_directories(root / "users/me");
    std::filesystem::create_directory_symlink(root / "users", root / "home-link");
    testing::EnvironmentOverride environment;
    environment.set("HOME", root / "home-link/me").set("XDG_DATA_HOME", root / "data");
    writeFile(root / "data/Tandor/history.json", "[]");
    for (const auto& path : {root / "data/Tandor/history.json", root / "data/Tandor", root / "data",
                             root / "users", root / "home-link", root.path()}) {
        expectProtectedFromTrash(path);
        EXPECT_TRUE(isThere(path)) << path;
    }
    EXPECT_EQ(contentsOf(root / "data/Tandor/history.json"), "[]");
    EXPECT_TRUE(std::filesystem::is_directory(root / "home-link/me"));
}

// Another program swaps a folder on the item's path for a link to where the
// data folder lies, after the checks and before the move: the data folder must
// stay, and no info file may name a place the item did not leave.
TEST(SystemTrasher, AFolderSwappedForALinkBeforeTheMoveCannotSendTheDataFolderAway) {
    const FixtureHome home;
    const std::string trash = home / ".local/share/Trash";
    writeFile(home / ".local/share/Tandor/history.json", "[]");
    writeFile(home / "box/Tandor/notes", "decoy");
    const SystemTrasher racer([&](const std::string&) {
        std::filesystem::rename(home / "box", home / "box-away");
        std::filesystem::create_directory_symlink(home / ".local/share", home / "box");
    });

    EXPECT_THROW(racer.trash(home / "box/Tandor"), FileError);
    EXPECT_EQ(contentsOf(home / ".local/share/Tandor/history.json"), "[]");
    EXPECT_EQ(contentsOf(home / "box-away/Tandor/notes"), "decoy");
    EXPECT_TRUE(std::filesystem::is_empty(trash + "/files"));
    EXPECT_TRUE(std::filesystem::is_empty(trash + "/info"));
}

TEST(SystemTrasher, AMissingItemIsAPlatformError) {
    const FixtureHome home;
    EXPECT_THROW(SystemTrasher().trash(home / "nothing"), FileError);
}

bool holdsNothing(const std::string& folder) {
    return !isThere(folder) || std::filesystem::is_empty(folder);
}

TEST(SystemTrasher, RefusesAPathHoldingANulAndWritesNothing) {
    const FixtureHome home;
    const std::string trash = home / ".local/share/Trash";
    writeFile(home / "docs", "mine");
    try {
        SystemTrasher().trash(home / std::string("docs\0x", 6));
        ADD_FAILURE() << "trashed a path holding a NUL";
    } catch (const FileError& error) {
        EXPECT_EQ(error.errorNumber(), EINVAL);
    }
    EXPECT_EQ(contentsOf(home / "docs"), "mine");
    EXPECT_TRUE(holdsNothing(trash + "/files"));
    EXPECT_TRUE(holdsNothing(trash + "/info"));
}

TEST(SystemTrasher, ForgetTrashInfoLeavesEverythingAloneForAPathHoldingANul) {
    const FixtureHome home;
    const std::string trash = home / ".local/share/Trash";
    writeFile(home / "notes", "mine");
    const std::string trashed = SystemTrasher().trash(home / "notes").path;

    // Read only up to the NUL, this names the info file of the real "notes".
    SystemTrasher::forgetTrashInfo(trash + "/files/notes.trashinfo" + std::string(1, '\0'),
                                   home / "notes");
    SystemTrasher::forgetTrashInfo(trashed, home / "notes" + std::string(1, '\0'));

    EXPECT_TRUE(isThere(infoFile(trash, "notes")));
}

std::string repeated(const std::string& piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(SystemTrasher, ShortensANameTooLongForItsInfoFileAndKeepsItUnique) {
    struct Case {
        const char* label;
        std::string name;
        std::string first;
        std::string second;
    };
    const std::string e = "\xC3\xA9";         // two bytes
    const std::string euro = "\xE2\x82\xAC";  // three bytes
    const Case cases[] = {
        {"ASCII", repeated("a", 250), repeated("a", 245), repeated("a", 243) + " 2"},
        {"two-byte characters", repeated(e, 125), repeated(e, 122), repeated(e, 121) + " 2"},
        {"three-byte characters", repeated(euro, 83), repeated(euro, 81),
         repeated(euro, 81) + " 2"},
        // Bytes that look like the middle of a character, with no character's start.
        {"not UTF-8", "x" + repeated("\xA9", 249), "x" + repeated("\xA9", 244),
         "x" + repeated("\xA9", 242) + " 2"},
        {"extension kept", repeated("a", 246) + ".pdf", repeated("a", 241) + ".pdf",
         repeated("a", 239) + " 2.pdf"},
        {"extension too long to keep", "x." + repeated("e", 248), "x." + repeated("e", 243),
         "x." + repeated("e", 241) + " 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const FixtureHome home;
        const std::string trash = home / ".local/share/Trash";
        writeFile(home / "a/" + c.name, "first");
        writeFile(home / "b/" + c.name, "second");

        const std::string first = SystemTrasher().trash(home / "a/" + c.name).path;
        const std::string second = SystemTrasher().trash(home / "b/" + c.name).path;

        EXPECT_EQ(first, trash + "/files/" + c.first);
        EXPECT_EQ(second, trash + "/files/" + c.second);
        EXPECT_EQ(contentsOf(first), "first");
        EXPECT_EQ(contentsOf(second), "second");
        EXPECT_THAT(contentsOf(infoFile(trash, c.second)),
                    ::testing::HasSubstr("\nPath=" + home.path() + "/b/"));
        EXPECT_FALSE(isThere(home / "a/" + c.name));
    }
}

TEST(SystemTrasher, AnItemOnAnotherDiskGoesToThatDisksOwnTrash) {
    const FixtureHome home;
    struct stat homeInfo {
    }, shmInfo{};
    if (::stat(home.path().c_str(), &homeInfo) != 0 || ::stat("/dev/shm", &shmInfo) != 0 ||
        homeInfo.st_dev == shmInfo.st_dev) {
        GTEST_SKIP() << "/dev/shm is not a disk of its own here";
    }
    const std::string volumeTrash = "/dev/shm/.Trash-" + std::to_string(::getuid());
    const bool trashWasThere = isThere(volumeTrash);
    const TemporaryFolder scratch;  // only for a unique name
    const std::string name = "tandor-" + paths::lastComponent(scratch.path());
    writeFile("/dev/shm/" + name, "on tmpfs");

    const std::string trashed = SystemTrasher().trash("/dev/shm/" + name).path;

    EXPECT_EQ(trashed, volumeTrash + "/files/" + name);
    EXPECT_EQ(contentsOf(trashed), "on tmpfs");
    EXPECT_THAT(contentsOf(infoFile(volumeTrash, name)),
                ::testing::HasSubstr("Path=/dev/shm/" + name + "\n"));
    std::filesystem::remove(trashed);
    std::filesystem::remove(infoFile(volumeTrash, name));
    if (!trashWasThere) {
        std::filesystem::remove_all(volumeTrash);
    }
}

}  // namespace
}  // namespace tandor
