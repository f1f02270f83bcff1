#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "ReviewTestSupport.hpp"
#include "TandorCore/FileIdentity.hpp"
#include "TandorReview/MoveError.hpp"
#include "TandorReview/SortingStore.hpp"
#include "TandorReview/StoreJournal.hpp"
#include "TestSupport/TemporaryFolder.hpp"
#include "Tmpfs.hpp"

// What sorting moves cut short by a kill or a full disk leave behind, judged
// after the next load of the store.
namespace tandor {
namespace {

using testing::FixtureHome;
using ::testing::IsEmpty;
using testing::isThere;
using testing::OtherDeviceFolder;
using testing::someDay;
using testing::writeFile;

std::string numbered(const std::string& folder, int number) {
    return folder + "/" + std::to_string(number);
}

void createFiles(const std::string& folder, int count, std::size_t size) {
    for (int i = 0; i < count; ++i) {
        writeFile(numbered(folder, i), std::string(size, 'x'));
    }
}

// Every file is at its place, or at its moved place with a record that says
// it moved from there; one in both places is recorded with its original as
// left behind. The store is loaded as the next start loads it.
void expectEveryMoveRecorded(const std::string& from, const std::string& into, int count) {
    std::map<std::string, MoveRecord> recorded;
    for (auto& move : SortingStore(SortingStore::defaultURL()).moves()) {
        recorded.insert_or_assign(move.movedPath, std::move(move));
    }
    std::vector<std::string> problems;
    for (int i = 0; i < count; ++i) {
        const std::string original = numbered(from, i);
        const std::string moved = numbered(into, i);
        const auto record = recorded.find(moved);
        const bool hasRecord = record != recorded.end() && record->second.originalPath == original;
        if (!isThere(original) && !isThere(moved)) {
            problems.push_back("lost: " + original);
        } else if (isThere(moved) && !hasRecord) {
            problems.push_back("moved without a record: " + moved);
        } else if (!isThere(moved) && hasRecord) {
            problems.push_back("a record without its item: " + moved);
        } else if (isThere(original) && isThere(moved) &&
                   record->second.leftBehind != std::vector<std::string>{original}) {
            problems.push_back("in both places, not recorded as left behind: " + original);
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

// Moves count files from one folder into another in a child process.
pid_t startSorting(const std::string& from, const std::string& into, int count) {
    const pid_t child = ::fork();
    if (child == 0) {
        SortingStore store(SortingStore::defaultURL());
        for (int i = 0; i < count; ++i) {
            store.move(numbered(from, i), 1, into, std::nullopt, someDay);
        }
        ::_exit(0);
    }
    return child;
}

// Kills moves at random moments, within one disk or onto another, where a
// move copies the file before it removes it.
void killMovesAtRandom(const std::string& home, const std::string& into, std::mt19937& random,
                       std::size_t fileSize) {
    constexpr int files = 60;
    constexpr int kills = 40;
    const std::string from = home + "/files";
    const auto freshStart = [&] {
        std::filesystem::remove_all(into);
        std::filesystem::remove_all(from);
        std::filesystem::remove_all(home + "/.local");
        createFiles(from, files, fileSize);
    };

    freshStart();
    const auto start = std::chrono::steady_clock::now();
    const pid_t uncut = startSorting(from, into, files);
    ASSERT_EQ(::waitpid(uncut, nullptr, 0), uncut);
    const std::chrono::duration<double> span = std::chrono::steady_clock::now() - start;
    expectEveryMoveRecorded(from, into, files);

    std::uniform_real_distribution<double> moment(0, span.count());
    for (int kill = 0; kill < kills; ++kill) {
        freshStart();
        const std::chrono::duration<double> delay(moment(random));
        const pid_t child = startSorting(from, into, files);
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        SCOPED_TRACE("killed after " + std::to_string(delay.count()) + " s of " +
                     std::to_string(span.count()) + " s");
        expectEveryMoveRecorded(from, into, files);
    }
}

TEST(SortingMoveSafety, MovesKilledAtAnyMomentLeaveNoMovedFileWithoutARecord) {
    testing::KillTestSetting setting;
    const FixtureHome home;
    killMovesAtRandom(home.path(), home / "Sorting", setting.random, 1);
}

TEST(SortingMoveSafety, MovesToAnotherDiskKilledAtAnyMomentLeaveNoFileInBothPlacesUnrecorded) {
    // The home stays on the disk: the kill test's memory folder is the other one.
    const FixtureHome home;
    testing::KillTestSetting setting;
    const OtherDeviceFolder other;
    if (!other.isOnAnotherDeviceThan(home.path())) {
        GTEST_SKIP() << "/dev/shm is not another device than the temporary folder here";
    }
    killMovesAtRandom(home.path(), other / "Sorting", setting.random, 256 * 1024);
}

// The disk fills up while files are moved: moves happen while their records
// fit, and once they do not, nothing more moves, each refusal saying why.
TEST(SortingMoveSafety, OnAFullDiskNoFileMovesWithoutItsRecord) {
    const FixtureHome home;
    const testing::Tmpfs disk(home.path(), "1m");
    if (disk.failure()) {
        GTEST_SKIP() << "cannot mount a tmpfs for a full disk (" << *disk.failure()
                     << "); mounting needs root";
    }
    constexpr int files = 60;
    createFiles(home / "files", files, 1);
    SortingStore store(SortingStore::defaultURL());
    testing::fillLeaving(home / "filler", 2);

    int refused = 0;
    for (int i = 0; i < files; ++i) {
        try {
            store.move(numbered(home / "files", i), 1, home / "Sorting", std::nullopt, someDay);
        } catch (const MoveError& error) {
            ++refused;
            EXPECT_EQ(error.errorCase(), MoveError::Case::notRecorded);
            EXPECT_THAT(error.reason(), ::testing::HasSubstr("No space left on device"));
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, files);

    std::filesystem::remove(home / "filler");
    expectEveryMoveRecorded(home / "files", home / "Sorting", files);
}

// A plan the store never confirmed, as a kill leaves it: the journal line
// written before the item moved.
void leavePlan(const std::string& original, const std::string& moved,
               const std::optional<FileIdentity>& identity) {
    nlohmann::json record = {{"id", UUID::random().string()},
                             {"originalPath", original},
                             {"movedPath", moved},
                             {"bytes", 1},
                             {"date", "2025-01-02T03:04:05Z"},
                             {"undone", false}};
    if (identity) {
        record["device"] = identity->device;
        record["inode"] = identity->inode;
    }
    const std::string folder = std::filesystem::path(moved).parent_path();
    writeFile(StoreJournal::pathFor(SortingStore::defaultURL()),
              StoreJournal::line({{"planned", record}, {"recent", folder}}));
}

struct PlanCase {
    const char* name;
    // What the disk holds when the next load comes: the item moved or not,
    // and anything else put at the moved path.
    bool moved;
    bool otherAtMovedPath;
    bool recorded;
};

class SortingPlanSettling : public ::testing::TestWithParam<PlanCase> {};

TEST_P(SortingPlanSettling, TheNextLoadRecordsTheItemOnlyWhereItIs) {
    const FixtureHome home;
    const std::string original = home / "a.txt";
    const std::string moved = home / "Sorting/a.txt";
    writeFile(original, "a");
    leavePlan(original, moved, FileIdentity::of(original));
    if (GetParam().moved) {
        std::filesystem::create_directories(home / "Sorting");
        std::filesystem::rename(original, moved);
    }
    if (GetParam().otherAtMovedPath) {
        writeFile(moved, "other");
    }

    const SortingStore store(SortingStore::defaultURL());
    const auto moves = store.moves();
    ASSERT_EQ(moves.size(), GetParam().recorded ? 1u : 0u);
    if (GetParam().recorded) {
        EXPECT_EQ(moves[0].originalPath, original);
        EXPECT_EQ(moves[0].movedPath, moved);
        EXPECT_EQ(moves[0].identity, FileIdentity::of(moved));
    }
    EXPECT_EQ(SortingStore(SortingStore::defaultURL()).moves(), moves);
    EXPECT_FALSE(isThere(StoreJournal::pathFor(SortingStore::defaultURL())));
}

INSTANTIATE_TEST_SUITE_P(Table, SortingPlanSettling,
                         ::testing::Values(PlanCase{"NotMoved", false, false, false},
                                           PlanCase{"Moved", true, false, true},
                                           PlanCase{"AnotherItemAtTheMovedPath", false, true,
                                                    false}),
                         [](const auto& row) { return std::string(row.param.name); });

// A copy to another disk cut short before the item was removed: the item is
// in both places, and the record says which stayed behind.
TEST(SortingPlanSettling, ACopyToAnotherDiskIsRecordedWithTheItemLeftBehind) {
    const FixtureHome home;
    const OtherDeviceFolder other;
    if (!other.isOnAnotherDeviceThan(home.path())) {
        GTEST_SKIP() << "/dev/shm is not another device than the temporary folder here";
    }
    const std::string original = home / "a.txt";
    const std::string copy = other / "Sorting/a.txt";
    writeFile(original, "a");
    leavePlan(original, copy, FileIdentity::of(original));
    writeFile(copy, "a");

    const auto moves = SortingStore(SortingStore::defaultURL()).moves();
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].movedPath, copy);
    EXPECT_EQ(moves[0].leftBehind, std::vector<std::string>{original});
    EXPECT_EQ(moves[0].identity, FileIdentity::of(copy));
}

}  // namespace
}  // namespace tandor
