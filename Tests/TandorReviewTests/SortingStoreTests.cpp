#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "ReviewTestSupport.hpp"
#include "StoreContract.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorReview/MoveError.hpp"
#include "TandorReview/SortingStore.hpp"
#include "TandorReview/StoreJournal.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using namespace std::chrono_literals;
using testing::contentsOf;
using ::testing::ElementsAre;
using testing::FixtureHome;
using testing::handToUnprivileged;
using testing::isThere;
using testing::lines;
using testing::OtherDeviceFolder;
using testing::printable;
using testing::runUnprivileged;
using testing::someDay;
using testing::StoreContract;
using testing::writeFile;

class SortingUnderTest final : public testing::StoreUnderTest {
  public:
    explicit SortingUnderTest(const std::string& path) : store_(path) {}
    void addRecord() override {
        store_.addFolder("/home/u/folder " + UUID::random().string(), someDay);
    }
    std::size_t recordCount() const override { return store_.folders().size(); }

  private:
    SortingStore store_;
};

testing::StoreAdapter sortingAdapter() {
    const std::string folder = R"({"id": "5F0C6A52-3C1B-4E5B-9A57-2B9C6E1D7A10", "name": "A",
        "path": "/a", "isTemporary": false, "createdAt": "2025-01-02T03:04:05Z", "fate": )";
    const std::string move = R"({"id": "5F0C6A52-3C1B-4E5B-9A57-2B9C6E1D7A10",
        "originalPath": "/a", "movedPath": "/b/a", "date": "2025-01-02T03:04:05Z",
        "undone": false, "bytes": )";
    return {"SortingStore",
            "sorting.json",
            [](const std::string& path) { return std::make_unique<SortingUnderTest>(path); },
            {
                "[]",
                R"({"folders": [], "moves": []})",
                R"({"folders": {}, "moves": [], "recent": []})",
                R"({"folders": [], "moves": [], "recent": [7]})",
                R"({"folders": [)" + folder + R"({"later": {}}}], "moves": [], "recent": []})",
                R"({"folders": [)" + folder + R"({"keep": {}, "pileAfter": {"days": 1}}}],
                    "moves": [], "recent": []})",
                R"({"folders": [], "moves": [)" + move + R"("1"}], "recent": []})",
                R"({"folders": [], "moves": [)" + move + R"(1, "folderID": "F"}], "recent": []})",
            }};
}

INSTANTIATE_TEST_SUITE_P(SortingStore, StoreContract, ::testing::Values(sortingAdapter()),
                         testing::storeName);

// A fixture home with one registered folder and a few files to sort.
class SortingStoreTest : public ::testing::Test {
  protected:
    std::string file(const std::string& relative, const std::string& contents = "x") {
        writeFile(home / relative, contents);
        return home / relative;
    }

    FixtureHome home;
    SortingStore store{SortingStore::defaultURL()};
};

TEST_F(SortingStoreTest, MovesARecordsAndReloadsThemLosslessly) {
    const auto later = store.createTemporaryFolder("Later", SortingFate::pileAfter(30),
                                                   SortingStore::defaultBase(home.path()), someDay);
    const std::string original = file("Downloads/caf\xE9.mov");
    const MoveRecord moved = store.move(original, 42, later.id, someDay + 500ms).record;

    EXPECT_EQ(moved.originalPath, original);
    EXPECT_EQ(moved.movedPath, home / "Tandor/Later/caf\xE9.mov");
    EXPECT_EQ(moved.folderID, later.id);
    EXPECT_TRUE(isThere(moved.movedPath));

    EXPECT_THAT(contentsOf(supportFolderPath() + "/sorting.json"),
                ::testing::ContainsRegex("\"folders\"(.|\n)*\"moves\"(.|\n)*\"recent\""));
    // The move itself is a line of the journal until the file is next rewritten.
    EXPECT_THAT(
        contentsOf(supportFolderPath() + "/sorting.journal"),
        ::testing::ContainsRegex("\"bytes\"(.|\n)*\"date\"(.|\n)*\"folderID\"(.|\n)*\"id\"(.|\n)*"
                                 "\"movedPath\"(.|\n)*\"originalPath\"(.|\n)*\"undone\""));

    const SortingStore reloaded(store.fileURL());
    EXPECT_EQ(reloaded.folders(), store.folders());
    ASSERT_EQ(reloaded.moves().size(), 1u);
    EXPECT_EQ(reloaded.moves()[0].movedPath, moved.movedPath);
    EXPECT_EQ(reloaded.moves()[0].date, someDay);
    EXPECT_THAT(reloaded.recentDestinations(), ElementsAre(later.path));
}

TEST_F(SortingStoreTest, ASecondStoreOnTheFileNeitherLosesNorRevivesRecords) {
    const auto gone = store.addFolder(home / "Gone", someDay);
    SortingStore other(store.fileURL());
    store.forget(gone.id);
    const auto kept = other.addFolder(home / "Kept", someDay);
    EXPECT_THAT(other.folders(), ElementsAre(kept));

    store.move(file("a.txt"), 1, kept.path, kept.id, someDay);
    const SortingStore reloaded(store.fileURL());
    EXPECT_THAT(reloaded.folders(), ElementsAre(kept));
    EXPECT_EQ(reloaded.moves().size(), 1u);
}

TEST_F(SortingStoreTest, KeepsTheSixMostRecentDestinationsWithoutRepeats) {
    const auto moveInto = [&](const std::string& folder) {
        store.move(file("f " + UUID::random().string()), 1, home / folder, std::nullopt, someDay);
    };
    moveInto("A");
    moveInto("B");
    moveInto("A/");
    EXPECT_THAT(store.recentDestinations(), ElementsAre(home / "A", home / "B"));
    for (const auto& folder : {"C", "D", "E", "F", "G"}) {
        moveInto(folder);
    }
    EXPECT_THAT(store.recentDestinations(), ElementsAre(home / "G", home / "F", home / "E",
                                                        home / "D", home / "C", home / "A"));
}

TEST_F(SortingStoreTest, RegistersAFolderOnceByItsCleanedPath) {
    const auto first = store.addFolder(home / "Projects/", someDay);
    EXPECT_EQ(first.path, home / "Projects");
    EXPECT_EQ(first.name, "Projects");
    EXPECT_FALSE(first.isTemporary);
    EXPECT_EQ(first.fate, SortingFate::keep());
    std::filesystem::remove(store.fileURL());

    EXPECT_EQ(store.addFolder(home / "./Projects", someDay).id, first.id);
    EXPECT_FALSE(isThere(store.fileURL()));
}

struct SafeNameCase {
    std::string asked;
    std::string created;
};

void PrintTo(const SafeNameCase& row, std::ostream* out) {
    *out << '"' << printable(row.asked) << '"';
}

class SortingStoreSafeName : public ::testing::TestWithParam<SafeNameCase> {};

TEST_P(SortingStoreSafeName, CreatesOneVisibleFolderUnderTheBase) {
    const FixtureHome home;
    SortingStore store(SortingStore::defaultURL());
    const auto folder = store.createTemporaryFolder(GetParam().asked, SortingFate::keep(),
                                                    home / "Tandor", someDay);
    EXPECT_EQ(folder.path, home / ("Tandor/" + GetParam().created));
    EXPECT_EQ(folder.name, GetParam().created);
    EXPECT_TRUE(folder.isTemporary);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path));
}

INSTANTIATE_TEST_SUITE_P(Names, SortingStoreSafeName,
                         ::testing::Values(SafeNameCase{"Later", "Later"},
                                           SafeNameCase{"...", "Sorting"},
                                           SafeNameCase{" \t\n", "Sorting"},
                                           SafeNameCase{" ../Photos: old ", "-Photos- old"},
                                           SafeNameCase{". x", " x"},
                                           SafeNameCase{"\xC2\xA0Later\xE3\x80\x80", "Later"},
                                           SafeNameCase{"caf\xE9", "caf\xE9"}));

TEST_F(SortingStoreTest, ATakenNameGetsANumberAndNothingIsReplaced) {
    const std::string base = SortingStore::defaultBase(home.path() + "/");
    const auto first = store.createTemporaryFolder("Later", SortingFate::keep(), base, someDay);
    const auto second = store.createTemporaryFolder("Later", SortingFate::keep(), base, someDay);
    EXPECT_EQ(first.path, home / "Tandor/Later");
    EXPECT_EQ(second.path, home / "Tandor/Later 2");
    EXPECT_EQ(second.name, "Later 2");
    EXPECT_EQ(store.folders().size(), 2u);
}

TEST_F(SortingStoreTest, AnUnknownFolderIsItsOwnErrorAndTheFileStaysPut) {
    const std::string path = file("report.pdf");
    try {
        store.move(path, 1, UUID::random(), someDay);
        FAIL() << "moved";
    } catch (const MoveError& error) {
        EXPECT_EQ(error, MoveError::folderNotRegistered(path));
    }
    EXPECT_TRUE(isThere(path));
    EXPECT_TRUE(store.moves().empty());
}

TEST_F(SortingStoreTest, UndoPutsBackWithoutOverwritingAndRebuildsTheParent) {
    const auto later = store.addFolder(home / "Later", someDay);
    const auto moved = store.move(file("gone/deep/a.txt", "a"), 1, later.id, someDay).record;
    std::filesystem::remove_all(home / "gone");

    store.undo(moved.id);
    EXPECT_EQ(contentsOf(home / "gone/deep/a.txt"), "a");
    EXPECT_TRUE(store.moves()[0].undone);
    EXPECT_TRUE(SortingStore(store.fileURL()).moves()[0].undone);

    std::filesystem::remove(store.fileURL());
    store.undo(moved.id);
    store.undo(UUID::random());
    EXPECT_FALSE(isThere(store.fileURL()));
}

TEST_F(SortingStoreTest, UndoRefusesAMissingItemBeforeATakenPlace) {
    const auto later = store.addFolder(home / "Later", someDay);
    const auto taken = store.move(file("a.txt", "old"), 1, later.id, someDay).record;
    file("a.txt", "new");
    EXPECT_THROW(
        {
            try {
                store.undo(taken.id);
            } catch (const MoveError& error) {
                EXPECT_EQ(error, MoveError::originalPathTaken(home / "a.txt"));
                throw;
            }
        },
        MoveError);
    EXPECT_EQ(contentsOf(home / "a.txt"), "new");
    EXPECT_EQ(contentsOf(home / "Later/a.txt"), "old");

    std::filesystem::remove(home / "Later/a.txt");
    try {
        store.undo(taken.id);
        FAIL() << "put back";
    } catch (const MoveError& error) {
        EXPECT_EQ(error, MoveError::movedItemMissing(home / "Later/a.txt"));
    }
    EXPECT_FALSE(store.moves()[0].undone);
}

// The record knows which item moved: one put at the moved path since stays
// there. A record written before moves kept the identity puts back what is
// there, as it always did.
TEST_F(SortingStoreTest, UndoPutsBackOnlyTheItemThatMoved) {
    const auto later = store.addFolder(home / "Later", someDay);
    const auto moved = store.move(file("a.txt", "moved"), 1, later.id, someDay).record;
    // Made beside it first, so that it cannot take the moved item's inode.
    std::filesystem::rename(file("replacement", "replaced"), home / "Later/a.txt");
    try {
        store.undo(moved.id);
        ADD_FAILURE() << "put back the replacement";
    } catch (const MoveError& error) {
        EXPECT_EQ(error, MoveError::movedItemChanged(home / "Later/a.txt"));
    }
    EXPECT_FALSE(isThere(home / "a.txt"));
    EXPECT_EQ(contentsOf(home / "Later/a.txt"), "replaced");
    EXPECT_FALSE(SortingStore(store.fileURL()).moves()[0].undone);

    std::filesystem::remove(StoreJournal::pathFor(store.fileURL()));
    writeFile(store.fileURL(), R"({"folders": [], "recent": [], "moves": [{
        "id": "5F0C6A52-3C1B-4E5B-9A57-2B9C6E1D7A10", "originalPath": ")" +
                                   home / "b.txt" + R"(", "movedPath": ")" + home / "Later/a.txt" +
                                   R"(",
        "bytes": 1, "date": "2025-01-02T03:04:05Z", "undone": false}]})");
    SortingStore older(store.fileURL());
    older.undo(older.moves()[0].id);
    EXPECT_EQ(contentsOf(home / "b.txt"), "replaced");
}

TEST_F(SortingStoreTest, ALinkWhoseTargetIsGoneIsStillAnItemAndCanBePutBack) {
    const auto later = store.addFolder(home / "Later", someDay);
    ASSERT_EQ(::symlink("/nowhere", (home / "link").c_str()), 0);
    const auto moved = store.move(home / "link", 0, later.id, someDay).record;
    EXPECT_EQ(store.items(later.id).size(), 1u);
    store.undo(moved.id);
    EXPECT_TRUE(std::filesystem::is_symlink(home / "link"));
}

TEST_F(SortingStoreTest, ItemsAreTheLiveMovesIntoThatFolder) {
    const auto later = store.addFolder(home / "Later", someDay);
    const auto other = store.addFolder(home / "Other", someDay);
    const auto kept = store.move(file("kept"), 1, later.id, someDay).record;
    store.undo(store.move(file("undone"), 1, later.id, someDay).record.id);
    std::filesystem::remove(store.move(file("deleted"), 1, later.id, someDay).record.movedPath);
    store.move(file("elsewhere"), 1, other.id, someDay);
    store.move(file("plain"), 1, home / "Later", std::nullopt, someDay);

    EXPECT_THAT(store.items(later.id), ElementsAre(kept));
    EXPECT_TRUE(store.items(UUID::random()).empty());
}

TEST_F(SortingStoreTest, FinishingAKeepOrPileAfterFolderForgetsOnlyTheEntry) {
    const auto keep = store.addFolder(home / "Keep", someDay);
    store.move(file("k.txt"), 1, keep.id, someDay);
    const auto later =
        store.createTemporaryFolder("Later", SortingFate::pileAfter(30), home / "Tandor", someDay);
    const auto a = store.move(file("a.txt"), 10, later.id, someDay).record;
    const auto b = store.move(file("b.txt"), 20, later.id, someDay).record;

    const auto kept = store.finish(keep.id, someDay + 1min);
    EXPECT_TRUE(kept.moved.empty() && kept.forPile.empty() && kept.failed.empty());
    EXPECT_TRUE(isThere(home / "Keep/k.txt"));

    const auto offered = store.finish(later.id, someDay + 1min);
    EXPECT_THAT(offered.forPile, ElementsAre(ReviewPile::Entry{a.movedPath, 10, "sorting.Later"},
                                             ReviewPile::Entry{b.movedPath, 20, "sorting.Later"}));
    EXPECT_TRUE(store.folders().empty());
    EXPECT_EQ(store.moves().size(), 3u);
    EXPECT_TRUE(isThere(a.movedPath));

    const auto unknown = store.finish(UUID::random(), someDay);
    EXPECT_TRUE(unknown.moved.empty() && unknown.forPile.empty() && unknown.failed.empty());
}

// Moving a folder to another parent needs write permission on it (for its
// ".." entry), so a read-only project folder cannot move on; the others can.
TEST_F(SortingStoreTest, FinishingAMoveToFolderGoesOnPastAFailureAndRetriesOnlyIt) {
    const auto sorting = store.addFolder(home / "Sorting", someDay);
    const auto a = store.move(file("a.txt", "a"), 1, sorting.id, someDay).record;
    file("project/main.c");
    const auto project = store.move(home / "project", 2, sorting.id, someDay).record;
    const auto z = store.move(file("z.txt", "z"), 3, sorting.id, someDay).record;
    std::filesystem::create_directory(home / "Archive");
    store.setFate(SortingFate::moveTo(home / "Archive"), sorting.id);
    handToUnprivileged(home.path());
    ASSERT_EQ(::chmod(project.movedPath.c_str(), 0555), 0);

    EXPECT_EQ(
        runUnprivileged([&] {
            const auto finished = SortingStore(store.fileURL()).finish(sorting.id, someDay);
            std::vector<std::string> shown;
            for (const auto& moved : finished.moved) {
                shown.push_back(moved.originalPath + " -> " + moved.movedPath);
            }
            for (const auto& failed : finished.failed) {
                shown.push_back("failed " + failed.path);
            }
            return lines(shown);
        }),
        lines({a.movedPath + " -> " + home / "Archive/a.txt",
               z.movedPath + " -> " + home / "Archive/z.txt", "failed " + project.movedPath}));
    const SortingStore first(store.fileURL());
    EXPECT_TRUE(first.folder(sorting.id));
    EXPECT_EQ(first.recentDestinations().front(), home / "Archive");
    EXPECT_EQ(first.moves().size(), 5u);

    ASSERT_EQ(::chmod(project.movedPath.c_str(), 0755), 0);
    SortingStore second(store.fileURL());
    const auto finished = second.finish(sorting.id, someDay + 2h);
    ASSERT_EQ(finished.moved.size(), 1u);
    EXPECT_EQ(finished.moved[0].movedPath, home / "Archive/project");
    EXPECT_TRUE(finished.failed.empty());
    EXPECT_FALSE(second.folder(sorting.id));
    EXPECT_EQ(contentsOf(home / "Archive/z.txt"), "z");
}

struct MoveOnTarget {
    const char* name;
    // Relative to the home; "" is the sorting folder itself.
    const char* target;
    bool isFolder;
};

class SortingStoreMoveOnTarget : public SortingStoreTest,
                                 public ::testing::WithParamInterface<MoveOnTarget> {};

// A target that would take the sorting folder with it, or that is not a
// folder, is refused before anything moves, in a sentence naming it.
TEST_P(SortingStoreMoveOnTarget, AnUnusableTargetMovesNothing) {
    const auto sorting = store.addFolder(home / "Sorting", someDay);
    const auto a = store.move(file("a.txt", "a"), 1, sorting.id, someDay).record;
    file("Sorting/sub/inside.txt");
    file("plain.txt");
    ASSERT_EQ(::symlink((home / "Archive").c_str(), (home / "link").c_str()), 0);
    std::filesystem::create_directory(home / "Archive");
    const std::string target = home / GetParam().target;
    store.setFate(SortingFate::moveTo(target), sorting.id);
    const std::string cleaned = FileMover::clean(target);
    const MoveError expected =
        GetParam().isFolder ? MoveError::intoItself(cleaned) : MoveError::targetNotAFolder(cleaned);

    try {
        store.finish(sorting.id, someDay);
        FAIL() << "finished";
    } catch (const MoveError& error) {
        EXPECT_EQ(error, expected);
        EXPECT_THAT(error.what(), ::testing::HasSubstr(cleaned));
    }
    EXPECT_EQ(contentsOf(a.movedPath), "a");
    EXPECT_TRUE(store.folder(sorting.id));
    EXPECT_EQ(store.moves().size(), 1u);
    EXPECT_NO_THROW(SortingStore::checkMoveOnTarget(*store.folder(sorting.id), home / "Archive"));
}

INSTANTIATE_TEST_SUITE_P(Table, SortingStoreMoveOnTarget,
                         ::testing::Values(MoveOnTarget{"TheFolderItself", "Sorting/", true},
                                           MoveOnTarget{"InsideIt", "Sorting/sub", true},
                                           MoveOnTarget{"Missing", "Nowhere", false},
                                           MoveOnTarget{"AFile", "plain.txt", false},
                                           MoveOnTarget{"ALinkToAFolder", "link", false}),
                         [](const ::testing::TestParamInfo<MoveOnTarget>& shown) {
                             return std::string(shown.param.name);
                         });

// A folder where the lock file belongs makes every save fail.
void breakSaves() {
    const std::string lock = SortingStore::defaultURL() + ".lock";
    std::filesystem::remove(lock);
    std::filesystem::create_directory(lock);
}

void mendSaves() {
    std::filesystem::remove(SortingStore::defaultURL() + ".lock");
}

// A move is written down before it happens, so one that cannot be written
// down does not happen; a put back returns the item to its own place, which
// needs no record to be found again, and has happened once it is back.
TEST_F(SortingStoreTest, NothingMovesUnrecordedWhileAPutBackWhoseSaveFailedHasHappened) {
    const auto sorting = store.addFolder(home / "Sorting", someDay);
    const auto moved = store.move(file("a.txt", "a"), 1, sorting.id, someDay).record;
    breakSaves();

    try {
        store.move(file("b.txt", "b"), 1, sorting.id, someDay);
        ADD_FAILURE() << "moved without a record";
    } catch (const MoveError& error) {
        EXPECT_EQ(error.errorCase(), MoveError::Case::notRecorded);
        EXPECT_EQ(error.path(), home / "b.txt");
        EXPECT_THAT(error.reason(), ::testing::HasSubstr(SortingStore::defaultURL()));
    }
    EXPECT_EQ(contentsOf(home / "b.txt"), "b");
    EXPECT_FALSE(isThere(home / "Sorting/b.txt"));

    const auto undone = store.undo(moved.id);
    EXPECT_TRUE(undone.saveError);
    EXPECT_EQ(contentsOf(home / "a.txt"), "a");
    EXPECT_TRUE(store.moves()[0].undone);

    mendSaves();
    store.addFolder(home / "Next", someDay);
    const auto reloaded = SortingStore(SortingStore::defaultURL()).moves();
    ASSERT_EQ(reloaded.size(), 1u);
    EXPECT_TRUE(reloaded[0].undone);
}

TEST_F(SortingStoreTest, FinishingStopsMovingOnWhileMovesCannotBeRecorded) {
    const auto sorting = store.addFolder(home / "Sorting", someDay);
    for (const auto* name : {"a.txt", "b.txt", "c.txt"}) {
        store.move(file(name), 1, sorting.id, someDay);
    }
    std::filesystem::create_directory(home / "Archive");
    store.setFate(SortingFate::moveTo(home / "Archive"), sorting.id);
    breakSaves();

    const auto stopped = store.finish(sorting.id, someDay + 1h);
    EXPECT_TRUE(stopped.moved.empty());
    EXPECT_EQ(stopped.failed.size(), 3u);
    ASSERT_TRUE(stopped.recordError);
    EXPECT_THAT(*stopped.recordError, ::testing::HasSubstr(SortingStore::defaultURL()));
    EXPECT_TRUE(std::filesystem::is_empty(home / "Archive"));
    EXPECT_TRUE(store.folder(sorting.id));

    mendSaves();
    const auto finished = store.finish(sorting.id, someDay + 2h);
    EXPECT_EQ(finished.moved.size(), 3u);
    EXPECT_TRUE(finished.failed.empty());
    const SortingStore reloaded(SortingStore::defaultURL());
    EXPECT_FALSE(reloaded.folder(sorting.id));
    EXPECT_EQ(reloaded.moves().size(), 6u);
}

// A sorting folder on another disk. A read-only folder inside the item keeps
// its entries from the unprivileged user the moves run as, so those moves come
// out partial.
class SortingStoreAcrossDevices : public SortingStoreTest {
  protected:
    void SetUp() override {
        if (!other.isOnAnotherDeviceThan(home.path())) {
            GTEST_SKIP() << "/dev/shm is not another device here";
        }
        file("tree/free.txt", "free");
        file("tree/locked/kept.txt", "kept");
    }

    void TearDown() override {
        for (const auto& locked : {home / "tree/locked", other / "Sorting/tree/locked"}) {
            ::chmod(locked.c_str(), 0755);
        }
    }

    OtherDeviceFolder other;
};

TEST_F(SortingStoreAcrossDevices, APartialMoveIsRecordedWithWhatStayed) {
    const auto sorting = store.addFolder(other / "Sorting", someDay);
    std::filesystem::create_directory(home / "Archive");
    store.setFate(SortingFate::moveTo(home / "Archive"), sorting.id);
    handToUnprivileged(home.path());
    handToUnprivileged(other.path());
    ASSERT_EQ(::chmod((home / "tree/locked").c_str(), 0555), 0);

    EXPECT_EQ(runUnprivileged([&] {
                  return lines(SortingStore(store.fileURL())
                                   .move(home / "tree", 1, sorting.id, someDay)
                                   .record.leftBehind);
              }),
              home / "tree/locked/kept.txt");
    const auto recorded = SortingStore(store.fileURL()).moves();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].movedPath, other / "Sorting/tree");
    EXPECT_THAT(recorded[0].leftBehind, ElementsAre(home / "tree/locked/kept.txt"));
    EXPECT_EQ(contentsOf(other / "Sorting/tree/free.txt"), "free");
    EXPECT_EQ(contentsOf(other / "Sorting/tree/locked/kept.txt"), "kept");

    // The copy kept the folder's mode, so moving it on comes out partial too.
    EXPECT_EQ(runUnprivileged([&] {
                  const auto finished = SortingStore(store.fileURL()).finish(sorting.id, someDay);
                  return finished.moved.size() == 1
                             ? lines(finished.moved[0].leftBehind)
                             : "moved " + std::to_string(finished.moved.size());
              }),
              other / "Sorting/tree/locked/kept.txt");
    const auto movedOn = SortingStore(store.fileURL()).moves();
    ASSERT_EQ(movedOn.size(), 2u);
    EXPECT_EQ(movedOn[1].movedPath, home / "Archive/tree");
    EXPECT_THAT(movedOn[1].leftBehind, ElementsAre(other / "Sorting/tree/locked/kept.txt"));
    EXPECT_EQ(contentsOf(home / "Archive/tree/locked/kept.txt"), "kept");
}

TEST_F(SortingStoreAcrossDevices, APartialUndoIsStillAnUndoAndSaysWhatStayed) {
    const auto sorting = store.addFolder(other / "Sorting", someDay);
    const auto moved = store.move(home / "tree", 1, sorting.id, someDay).record;
    ASSERT_TRUE(moved.leftBehind.empty());
    handToUnprivileged(home.path());
    handToUnprivileged(other.path());
    ASSERT_EQ(::chmod((other / "Sorting/tree/locked").c_str(), 0555), 0);

    EXPECT_EQ(runUnprivileged(
                  [&] { return lines(SortingStore(store.fileURL()).undo(moved.id).leftBehind); }),
              other / "Sorting/tree/locked/kept.txt");
    EXPECT_TRUE(SortingStore(store.fileURL()).moves()[0].undone);
    EXPECT_EQ(contentsOf(home / "tree/free.txt"), "free");
    EXPECT_EQ(contentsOf(home / "tree/locked/kept.txt"), "kept");
    EXPECT_FALSE(isThere(other / "Sorting/tree/free.txt"));
}

TEST_F(SortingStoreTest, DueFoldersArePileAfterFoldersPastTheirDate) {
    const auto soon =
        store.createTemporaryFolder("Soon", SortingFate::pileAfter(1), home / "Tandor", someDay);
    store.createTemporaryFolder("Late", SortingFate::pileAfter(10), home / "Tandor", someDay);
    store.addFolder(home / "Kept", someDay);
    EXPECT_TRUE(store.dueFolders(someDay).empty());
    EXPECT_THAT(store.dueFolders(someDay + 49h), ElementsAre(soon));
}

}  // namespace
}  // namespace tandor
