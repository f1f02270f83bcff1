#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>

#include "ReviewTestSupport.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/HistoryJournal.hpp"
#include "TandorReview/MoveError.hpp"
#include "TandorReview/QuarantineTrasher.hpp"
#include "TandorReview/ReviewCommitter.hpp"
#include "TandorReview/ReviewError.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using Entry = ReviewPile::Entry;
using testing::contentsOf;
using testing::FixtureHome;
using testing::isThere;
using testing::writeFile;

// A clock that moves one second on at every reading.
ReviewCommitter::Clock tickingClock() {
    return [tick = Date{std::chrono::seconds{1'750'000'000}}]() mutable {
        tick += std::chrono::seconds{1};
        return tick;
    };
}

struct CommitFixture {
    FixtureHome home;
    std::shared_ptr<CleanupHistory> history =
        std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
    ReviewCommitter committer{std::make_shared<QuarantineTrasher>(home / "quarantine"), history,
                              tickingClock()};
};

TEST(ReviewCommitter, AnEmptyPileStillWritesTheHistory) {
    CommitFixture f;
    ReviewPile pile;
    const auto result = f.committer.commit(pile);
    EXPECT_TRUE(result.moved.empty());
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(result.freedBytes(), 0);
    EXPECT_FALSE(result.saveError);
    EXPECT_EQ(contentsOf(CleanupHistory::defaultURL()), "[]\n");
}

TEST(ReviewCommitter, OneFailureStaysOnThePileWhileTheOthersGo) {
    CommitFixture f;
    writeFile(f.home / "a", "a");
    writeFile(f.home / "c/inner", "c");
    ReviewPile pile;
    pile.add(Entry{f.home / "a", 1000, "caches.user"});
    pile.add(Entry{f.home / "b", 2000, std::nullopt});
    pile.add(Entry{f.home / "c", 3000, std::nullopt});

    const auto result = f.committer.commit(pile);

    ASSERT_EQ(result.moved.size(), 2u);
    EXPECT_EQ(result.moved[0].originalPath, f.home / "a");
    EXPECT_EQ(result.moved[0].ruleID, "caches.user");
    EXPECT_EQ(result.moved[1].originalPath, f.home / "c");
    EXPECT_FALSE(result.moved[1].ruleID);
    EXPECT_LT(result.moved[0].date, result.moved[1].date);
    EXPECT_EQ(contentsOf(result.moved[1].trashedPath + "/inner"), "c");
    EXPECT_EQ(result.freedBytes(), 4000);
    ASSERT_EQ(result.failed.size(), 1u);
    EXPECT_EQ(result.failed[0].path, f.home / "b");
    EXPECT_THAT(result.failed[0].error, ::testing::HasSubstr("No such file or directory"));
    EXPECT_EQ(result.failed[0].reason, CommitResult::Failure::Reason::gone);
    EXPECT_EQ(pile.entries(), (std::vector<Entry>{{f.home / "b", 2000, std::nullopt}}));
    EXPECT_EQ(CleanupHistory(CleanupHistory::defaultURL()).records(), result.moved);
}

// A folder where the history's lock file belongs: the history reads, but no
// save of it can succeed until the folder goes.
std::string blockHistorySaves() {
    const std::string lock = CleanupHistory::defaultURL() + ".lock";
    std::filesystem::create_directories(lock);
    return lock;
}

TEST(ReviewCommitter, AFailedSaveKeepsTheResultAndTheRecordsForTheNextSave) {
    CommitFixture f;
    writeFile(f.home / "a", "a");
    const std::string lock = blockHistorySaves();
    ReviewPile pile;
    pile.add(Entry{f.home / "a", 10, std::nullopt});

    const auto result = f.committer.commit(pile);

    ASSERT_TRUE(result.saveError);
    EXPECT_THAT(*result.saveError, ::testing::HasSubstr(supportFolderPath()));
    ASSERT_EQ(result.moved.size(), 1u);
    EXPECT_TRUE(pile.isEmpty());
    EXPECT_EQ(f.history->records(), result.moved);

    std::filesystem::remove(lock);
    ReviewPile empty;
    EXPECT_FALSE(f.committer.commit(empty).saveError);
    EXPECT_EQ(CleanupHistory(CleanupHistory::defaultURL()).records(), result.moved);
}

// The records of a commit whose history could not be saved used to live only
// in the program's memory; now the journal keeps them for the next start.
TEST(ReviewCommitter, RecordsOfAFailedSaveOutliveTheProgramInTheJournal) {
    CommitFixture f;
    writeFile(f.home / "a", "a");
    writeFile(f.home / "b", "b");
    const std::string lock = blockHistorySaves();
    ReviewPile pile;
    pile.add(Entry{f.home / "a", 10, "caches.user"});
    pile.add(Entry{f.home / "b", 20, std::nullopt});

    const auto result = f.committer.commit(pile);
    ASSERT_TRUE(result.saveError);
    ASSERT_EQ(result.moved.size(), 2u);

    std::filesystem::remove(lock);
    HistoryJournal::recover(CleanupHistory::defaultURL(), QuarantineTrasher(f.home / "quarantine"));
    EXPECT_EQ(CleanupHistory(CleanupHistory::defaultURL()).records(), result.moved);
    EXPECT_FALSE(isThere(HistoryJournal::pathFor(CleanupHistory::defaultURL())));
}

TEST(ReviewCommitter, AnItemWhoseRecordCannotBeWrittenAheadStaysWhereItIsAndSaysWhy) {
    CommitFixture f;
    writeFile(f.home / "a", "a");
    writeFile(f.home / "b", "b");
    writeFile(supportFolderPath(), "a plain file where the folder belongs");
    ReviewPile pile;
    pile.add(Entry{f.home / "a", 10, std::nullopt});
    pile.add(Entry{f.home / "b", 20, std::nullopt});

    const auto result = f.committer.commit(pile);

    EXPECT_TRUE(result.moved.empty());
    ASSERT_EQ(result.failed.size(), 2u);
    for (const auto& failure : result.failed) {
        EXPECT_THAT(failure.error, ::testing::HasSubstr(supportFolderPath() + ": Not a directory"));
        EXPECT_EQ(failure.reason, CommitResult::Failure::Reason::notRecorded);
    }
    EXPECT_EQ(contentsOf(f.home / "a"), "a");
    EXPECT_EQ(contentsOf(f.home / "b"), "b");
    EXPECT_EQ(pile.count(), 2u);
    EXPECT_TRUE(result.saveError);
}

TEST(ReviewCommitter, ACommitFirstRecoversWhatACommitCutShortLeftInTheJournal) {
    CommitFixture f;
    const QuarantineTrasher trasher(f.home / "quarantine");
    writeFile(f.home / "earlier", "e");
    HistoryRecord earlier(f.home / "earlier", "", 5, std::nullopt, Date{std::chrono::hours{1}});
    {
        // Cut short after one move: the journal stays, never merged.
        HistoryJournal journal(*f.history, trasher);
        journal.plan({{earlier, FileIdentity::of(earlier.originalPath)}});
        earlier.trashedPath = trasher.trash(earlier.originalPath).path;
        journal.noteMoved(earlier);
    }
    writeFile(f.home / "later", "l");
    ReviewPile pile;
    pile.add(Entry{f.home / "later", 7, std::nullopt});

    const auto result = f.committer.commit(pile);

    ASSERT_EQ(result.moved.size(), 1u);
    EXPECT_EQ(CleanupHistory(CleanupHistory::defaultURL()).records(),
              (std::vector<HistoryRecord>{earlier, result.moved[0]}));
    EXPECT_FALSE(isThere(HistoryJournal::pathFor(CleanupHistory::defaultURL())));
}

// Moves as the quarantine does, and says that an entry named "partly..." left
// its "late" file behind, as a move across disks does for a file written
// meanwhile.
class PartlyMovingTrasher final : public Trasher {
  public:
    explicit PartlyMovingTrasher(std::string folder) : quarantine_(std::move(folder)) {}

    MoveOutcome trash(const std::string& path) const override {
        MoveOutcome outcome = quarantine_.trash(path);
        if (paths::lastComponent(path).starts_with("partly")) {
            outcome.leftBehind.push_back(path + "/late");
        }
        return outcome;
    }

  private:
    QuarantineTrasher quarantine_;
};

TEST(ReviewCommitter, APartialMoveIsRecordedAndListedWithWhatStayedBehind) {
    const FixtureHome home;
    writeFile(home / "partly/early", "e");
    writeFile(home / "whole", "w");
    auto history = std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
    ReviewPile pile;
    pile.add(Entry{home / "partly", 1, std::nullopt});
    pile.add(Entry{home / "whole", 1, std::nullopt});

    const auto result =
        ReviewCommitter(std::make_shared<PartlyMovingTrasher>(home / "q"), history).commit(pile);

    ASSERT_EQ(result.moved.size(), 2u);
    ASSERT_EQ(result.partiallyMoved.size(), 1u);
    EXPECT_EQ(result.partiallyMoved[0].originalPath, home / "partly");
    EXPECT_EQ(result.partiallyMoved[0].leftBehind, std::vector<std::string>{home / "partly/late"});
    EXPECT_TRUE(pile.isEmpty());
}

// Throws, for each path, the error the test gave for it.
class RefusingTrasher final : public Trasher {
  public:
    explicit RefusingTrasher(std::map<std::string, std::function<void()>> throwers)
        : throwers_(std::move(throwers)) {}

    MoveOutcome trash(const std::string& path) const override {
        throwers_.at(path)();
        return {};
    }

  private:
    std::map<std::string, std::function<void()>> throwers_;
};

TEST(ReviewCommitter, EachFailureCarriesTheKindOfItsError) {
    using enum CommitResult::Failure::Reason;
    const struct {
        std::function<void()> thrower;
        CommitResult::Failure::Reason reason;
    } cases[] = {
        {[] { throw FileError("Cannot move to the Trash", "/x", ENOENT); }, gone},
        {[] { throw MoveError::sourceMissing("/x"); }, gone},
        {[] { throw FileError("Cannot move to the Trash", "/x", EBUSY); }, inUse},
        {[] { throw FileError("Cannot move to the Trash", "/x", EACCES); }, noPermission},
        {[] { throw FileError("Cannot move to the Trash", "/x", EROFS); }, noPermission},
        {[] { throw FileError("Cannot create", "/x", ENOSPC); }, noSpace},
        {[] { throw ReviewError::protectedFromTrash("/x"); }, protectedPlace},
        {[] { throw ReviewError::noTrashOnVolume("/x"); }, noTrash},
        {[] { throw FileError("Cannot move to the Trash", "/x", EIO); }, other},
        {[] { throw std::runtime_error("odd"); }, other},
    };
    FixtureHome home;
    std::map<std::string, std::function<void()>> throwers;
    ReviewPile pile;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string path = home / std::to_string(i);
        throwers[path] = cases[i].thrower;
        pile.add(Entry{path, 1, std::nullopt});
    }
    const ReviewCommitter committer(std::make_shared<RefusingTrasher>(throwers),
                                    std::make_shared<CleanupHistory>(CleanupHistory::defaultURL()));

    const auto result = committer.commit(pile);

    ASSERT_EQ(result.failed.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(result.failed[i].reason, cases[i].reason) << result.failed[i].error;
    }
}

TEST(ReviewCommitter, ANameThatIsNotUTF8GoesToTheTrashAndComesBack) {
    const FixtureHome home;
    const std::string original = home / "docs/r\xE9sum\xE9 \xFF.txt";
    writeFile(original, "bytes");
    ReviewPile pile;
    pile.add(Entry{original, 5, std::nullopt});
    auto history = std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
    const auto result = ReviewCommitter(std::make_shared<SystemTrasher>(), history).commit(pile);
    ASSERT_EQ(result.moved.size(), 1u);
    EXPECT_FALSE(isThere(original));

    CleanupHistory reloaded(CleanupHistory::defaultURL());
    ASSERT_EQ(reloaded.records().size(), 1u);
    EXPECT_EQ(reloaded.records()[0].originalPath, original);
    EXPECT_EQ(reloaded.records()[0].trashedPath, result.moved[0].trashedPath);
    reloaded.restore(result.moved[0].id);
    EXPECT_EQ(contentsOf(original), "bytes");
    EXPECT_TRUE(std::filesystem::is_empty(home / ".local/share/Trash/info"));
}

}  // namespace
}  // namespace tandor
