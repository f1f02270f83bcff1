#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "ReviewTestSupport.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryJournal.hpp"
#include "TandorReview/ReviewCommitter.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TestSupport/TemporaryFolder.hpp"
#include "Tmpfs.hpp"

// What a commit cut short by a kill or a full disk leaves behind, judged after
// the next start has recovered the history's journal.
namespace tandor {
namespace {

using testing::FixtureHome;
using ::testing::IsEmpty;
using testing::isThere;
using testing::Tmpfs;

// A pile of count files under folder, a hundred to a subfolder.
ReviewPile pileUnder(const std::string& folder, int count) {
    ReviewPile pile;
    for (int i = 0; i < count; ++i) {
        pile.add(ReviewPile::Entry{
            folder + "/" + std::to_string(i / 100) + "/file " + std::to_string(i) + ".txt", 0,
            std::nullopt});
    }
    return pile;
}

// An empty file at every path of the pile.
void createFiles(const ReviewPile& pile) {
    for (const auto& entry : pile.entries()) {
        std::filesystem::create_directories(paths::deletingLastComponent(entry.path));
        ::close(::open(entry.path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    }
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(folder, missing)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

void recoverAsTheNextStartDoes() {
    HistoryJournal::recover(CleanupHistory::defaultURL(), SystemTrasher());
}

// Every record's item is in the Trash, every item in the Trash has a record,
// every info file has its item, and every item of the pile is either in its
// place or recorded, never both.
void expectEverythingAccountedFor(const ReviewPile& pile, const std::string& trash) {
    std::set<std::string> recordedItems;
    std::set<std::string> recordedOriginals;
    std::vector<std::string> problems;
    for (const auto& record : CleanupHistory(CleanupHistory::defaultURL()).records()) {
        if (!isThere(record.trashedPath)) {
            problems.push_back("a record without its item: " + record.trashedPath);
        }
        recordedItems.insert(record.trashedPath);
        recordedOriginals.insert(record.originalPath);
    }
    for (const auto& name : namesIn(trash + "/files")) {
        if (!recordedItems.contains(trash + "/files/" + name)) {
            problems.push_back("in the Trash without a record: " + name);
        }
    }
    for (const auto& name : namesIn(trash + "/info")) {
        if (!isThere(trash + "/files/" + name.substr(0, name.size() - 10))) {
            problems.push_back("a reservation without its item: " + name);
        }
    }
    for (const auto& entry : pile.entries()) {
        if (isThere(entry.path) == recordedOriginals.contains(entry.path)) {
            problems.push_back("in its place and recorded, or neither: " + entry.path);
        }
    }
    EXPECT_THAT(problems, IsEmpty());
}

// A commit of the pile through the Trash in a child process.
pid_t startCommit(ReviewPile pile) {
    const pid_t child = ::fork();
    if (child == 0) {
        const auto history = std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
        ReviewCommitter(std::make_shared<SystemTrasher>(), history).commit(pile);
        ::_exit(0);
    }
    return child;
}

TEST(CommitSafety, ACommitKilledAtAnyMomentLosesNoRecordOnceTheNextStartRecovers) {
    constexpr int items = 3000;
    constexpr int kills = 30;
    testing::KillTestSetting setting;
    const FixtureHome home;
    const std::string trash = home / ".local/share/Trash";
    const ReviewPile pile = pileUnder(home / "pile", items);
    const auto freshStart = [&] {
        std::filesystem::remove_all(home / "pile");
        std::filesystem::remove_all(home / ".local");
        createFiles(pile);
    };

    // An uncut commit sets the span the kills fall in.
    freshStart();
    const auto start = std::chrono::steady_clock::now();
    const pid_t uncut = startCommit(pile);
    ASSERT_EQ(::waitpid(uncut, nullptr, 0), uncut);
    const std::chrono::duration<double> span = std::chrono::steady_clock::now() - start;
    expectEverythingAccountedFor(pile, trash);

    std::uniform_real_distribution<double> moment(0, span.count());
    for (int kill = 0; kill < kills; ++kill) {
        freshStart();
        const std::chrono::duration<double> delay(moment(setting.random));
        const pid_t child = startCommit(pile);
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);

        recoverAsTheNextStartDoes();
        SCOPED_TRACE("killed after " + std::to_string(delay.count()) + " s of " +
                     std::to_string(span.count()) + " s");
        expectEverythingAccountedFor(pile, trash);
    }
}

// The disk fills up while the commit runs: the first batch's records fit and
// its items take the pages left, the next batch's records do not fit.
TEST(CommitSafety, OnAFullDiskNoItemMovesWithoutItsRecord) {
    const FixtureHome home;
    const Tmpfs disk(home.path(), "1m");
    if (disk.failure()) {
        GTEST_SKIP() << "cannot mount a tmpfs for a full disk (" << *disk.failure()
                     << "); mounting needs root";
    }
    const ReviewPile pile = pileUnder(home / "pile", 100);
    createFiles(pile);
    testing::fillLeaving(home / "filler", 8);

    auto history = std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
    ReviewPile remaining = pile;
    const CommitResult result =
        ReviewCommitter(std::make_shared<SystemTrasher>(), history).commit(remaining);

    std::vector<std::string> reasons;
    for (const auto& failure : result.failed) {
        reasons.push_back(failure.error);
    }
    EXPECT_THAT(reasons, ::testing::Each(::testing::HasSubstr("No space left on device")));
    EXPECT_THAT(reasons, ::testing::Contains(::testing::HasSubstr(
                             HistoryJournal::pathFor(CleanupHistory::defaultURL()))));

    std::filesystem::remove(home / "filler");
    recoverAsTheNextStartDoes();
    expectEverythingAccountedFor(pile, home / ".local/share/Trash");
}

}  // namespace
}  // namespace tandor
