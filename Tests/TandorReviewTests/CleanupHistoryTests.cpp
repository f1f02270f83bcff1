#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "ReviewTestSupport.hpp"
#include "StoreContract.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryJournal.hpp"
#include "TandorReview/ReviewCommitter.hpp"
#include "TandorReview/ReviewError.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TestSupport/FifoReader.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using namespace std::chrono_literals;
using testing::contentsOf;
using testing::FixtureHome;
using testing::isThere;
using testing::someDay;
using testing::StoreContract;
using testing::TemporaryFolder;
using testing::writeFile;

HistoryRecord recordOf(const std::string& original, const std::string& trashed) {
    return HistoryRecord(original, trashed, 100, std::nullopt, someDay);
}

class HistoryUnderTest final : public testing::StoreUnderTest {
  public:
    explicit HistoryUnderTest(const std::string& path) : history_(path) {}
    void addRecord() override { history_.append({recordOf("/home/u/a", "/trash/a")}); }
    std::size_t recordCount() const override { return history_.records().size(); }

  private:
    CleanupHistory history_;
};

testing::StoreAdapter historyAdapter() {
    const std::string valid =
        R"("id": "5F0C6A52-3C1B-4E5B-9A57-2B9C6E1D7A10", "originalPath": "/a", "bytes": 1,
           "date": "2025-01-02T03:04:05Z", "restored": false)";
    return {"CleanupHistory",
            "history.json",
            [](const std::string& path) { return std::make_unique<HistoryUnderTest>(path); },
            {
                "{}",
                "[{" + valid + "}]",  // no trashedPath
                "[{" + valid + R"(, "trashedPath": 7}])",
                "[{" + valid + R"(, "trashedPath": "/t", "bytes": "1"}])",
                "[{" + valid + R"(, "trashedPath": "/t", "id": "not-a-uuid"}])",
                "[{" + valid + R"(, "trashedPath": "/t", "date": "yesterday"}])",
                "[{" + valid + R"(, "trashedPath": "/t", "bytes": 9223372036854775808}])",
                "[{" + valid + R"(, "trashedPath": "/t", "device": 2049}])",
                "[{" + valid + R"(, "trashedPath": "/t", "device": -1, "inode": 7}])",
            }};
}

INSTANTIATE_TEST_SUITE_P(CleanupHistory, StoreContract, ::testing::Values(historyAdapter()),
                         testing::storeName);

TEST(CleanupHistory, WritesSortedPrettyRecordsThatReadBackLosslessly) {
    const FixtureHome home;
    CleanupHistory history(CleanupHistory::defaultURL());
    HistoryRecord record("/home/u/caf\xE9.txt", "/trash/caf\xE9.txt", 42, std::nullopt,
                         someDay + 750ms);
    history.append({record});

    const std::string text = contentsOf(supportFolderPath() + "/history.json");
    EXPECT_THAT(text,
                ::testing::ContainsRegex(
                    "bytes.*\n.*date.*\n.*id.*\n.*originalPath.*\n.*restored.*\n.*trashedPath"));
    EXPECT_THAT(text, ::testing::Not(::testing::HasSubstr("ruleID")));

    record.date = someDay;
    EXPECT_EQ(CleanupHistory(history.fileURL()).records(), std::vector<HistoryRecord>{record});
}

TEST(CleanupHistory, MissingOrNullRuleIDReadsAsAbsentAndIsLeftOutOnSave) {
    const FixtureHome home;
    const std::string path = CleanupHistory::defaultURL();
    writeFile(path, R"([
        {"id": "5F0C6A52-3C1B-4E5B-9A57-2B9C6E1D7A10", "originalPath": "/a", "trashedPath": "/t/a",
         "bytes": 1, "date": "2025-01-02T03:04:05Z", "restored": false, "future": [1]},
        {"id": "6F0C6A52-3C1B-4E5B-9A57-2B9C6E1D7A10", "originalPath": "/b", "trashedPath": "/t/b",
         "bytes": 2, "ruleID": null, "date": "2025-01-02T03:04:05Z", "restored": true}])");
    CleanupHistory history(path);
    ASSERT_EQ(history.records().size(), 2u);
    EXPECT_FALSE(history.records()[0].ruleID);
    EXPECT_FALSE(history.records()[1].ruleID);
    EXPECT_EQ(history.totalFreedBytes(), 1);

    history.append({});
    EXPECT_THAT(contentsOf(path), ::testing::Not(::testing::HasSubstr("ruleID")));
}

TEST(CleanupHistory, EmptyAppendCreatesTheFolderAndAnEmptyArray) {
    const FixtureHome home;
    CleanupHistory history(CleanupHistory::defaultURL());
    history.append({});
    EXPECT_EQ(nlohmann::json::parse(contentsOf(history.fileURL())), nlohmann::json::array());
}

struct Refusal {
    bool itemInTrash;
    bool placeTaken;
    ReviewError::Case expected;
};

TEST(CleanupHistory, RestoreRefusesAMissingItemOrATakenPlaceAndMovesNothing) {
    for (const auto& c : {Refusal{false, false, ReviewError::Case::trashedItemMissing},
                          Refusal{false, true, ReviewError::Case::trashedItemMissing},
                          Refusal{true, true, ReviewError::Case::restoreTargetExists}}) {
        const FixtureHome home;
        const std::string original = home / "docs/a.txt";
        const std::string trashed = home / "trash/a.txt";
        if (c.itemInTrash) {
            writeFile(trashed, "trashed");
        }
        if (c.placeTaken) {
            writeFile(original, "new");
        }
        CleanupHistory history(CleanupHistory::defaultURL());
        const HistoryRecord record = recordOf(original, trashed);
        history.append({record});
        try {
            history.restore(record.id);
            ADD_FAILURE() << "restore went ahead";
        } catch (const ReviewError& error) {
            EXPECT_EQ(error.errorCase(), c.expected);
        }
        EXPECT_FALSE(history.records()[0].restored);
        EXPECT_EQ(isThere(trashed), c.itemInTrash);
        if (c.placeTaken) {
            EXPECT_EQ(contentsOf(original), "new");
        }
    }
}

// The Trash was emptied elsewhere and another item took the record's slot: it
// is not this record's item, so nothing moves.
TEST(CleanupHistory, ASlotInTheTrashTakenByAnotherItemCountsAsMissing) {
    const FixtureHome home;
    const std::string trash = home / ".local/share/Trash";
    writeFile(home / "docs/a.txt", "mine");
    const HistoryRecord record =
        recordOf(home / "docs/a.txt", SystemTrasher().trash(home / "docs/a.txt").path);
    CleanupHistory history(CleanupHistory::defaultURL());
    history.append({record});
    std::filesystem::remove(trash + "/files/a.txt");
    std::filesystem::remove(trash + "/info/a.txt.trashinfo");
    writeFile(home / "other/a.txt", "another program's");
    ASSERT_EQ(SystemTrasher().trash(home / "other/a.txt").path, record.trashedPath);

    EXPECT_EQ(history.status(record), RestoreStatus::missingFromTrash);
    try {
        history.restore(record.id);
        ADD_FAILURE() << "restore went ahead";
    } catch (const ReviewError& error) {
        EXPECT_EQ(error.errorCase(), ReviewError::Case::trashedItemMissing);
    }
    EXPECT_EQ(contentsOf(record.trashedPath), "another program's");
    EXPECT_TRUE(isThere(trash + "/info/a.txt.trashinfo"));
    EXPECT_FALSE(isThere(home / "docs/a.txt"));
    EXPECT_FALSE(history.records()[0].restored);
}

TEST(CleanupHistory, RestoreRebuildsTheFolderChainAndCountsOnlyWhatIsStillAway) {
    const FixtureHome home;
    const std::string original = home / "gone/deeper/a.txt";
    const std::string trashed = home / "trash/a.txt";
    writeFile(trashed, "payload");
    CleanupHistory history(CleanupHistory::defaultURL());
    const HistoryRecord first = recordOf(original, trashed);
    const HistoryRecord second = recordOf(home / "b", home / "trash/b");
    history.append({first, second});

    history.restore(first.id);
    EXPECT_EQ(contentsOf(original), "payload");
    EXPECT_FALSE(isThere(trashed));
    EXPECT_EQ(history.totalFreedBytes(), second.bytes);
    EXPECT_TRUE(CleanupHistory(history.fileURL()).records()[0].restored);
}

TEST(CleanupHistory, RestoreOfAnUnknownOrRestoredRecordWritesNothing) {
    const FixtureHome home;
    writeFile(home / "trash/a", "x");
    CleanupHistory history(CleanupHistory::defaultURL());
    history.restore(UUID::random());
    EXPECT_FALSE(isThere(history.fileURL()));

    const HistoryRecord record = recordOf(home / "a", home / "trash/a");
    history.append({record});
    history.restore(record.id);
    std::filesystem::remove(history.fileURL());
    history.restore(record.id);
    EXPECT_FALSE(isThere(history.fileURL()));
}

// An item that came back has been restored, even when the history cannot be
// saved after it: the save's error goes beside it, and the next save writes it.
TEST(CleanupHistory, RestoreAllCountsAnItemThatCameBackWhenTheSaveFails) {
    const FixtureHome home;
    writeFile(home / "trash/a", "a");
    CleanupHistory history(CleanupHistory::defaultURL());
    const HistoryRecord back = recordOf(home / "a", home / "trash/a");
    const HistoryRecord missing = recordOf(home / "b", home / "trash/b");
    history.append({back, missing});
    const std::string lock = history.fileURL() + ".lock";
    std::filesystem::remove(lock);
    std::filesystem::create_directory(lock);

    const RestoreResult result = history.restoreAll({back.id, missing.id});
    ASSERT_EQ(result.restored.size(), 1u);
    EXPECT_EQ(result.restored[0].id, back.id);
    ASSERT_EQ(result.failed.size(), 1u);
    EXPECT_EQ(result.failed[0].record.id, missing.id);
    EXPECT_TRUE(result.saveError);
    EXPECT_EQ(contentsOf(home / "a"), "a");
    EXPECT_TRUE(history.records()[0].restored);

    std::filesystem::remove(lock);
    history.append({});
    EXPECT_TRUE(CleanupHistory(history.fileURL()).records()[0].restored);
}

TEST(CleanupHistory, ALinkWhoseTargetIsGoneCanBePutBack) {
    const FixtureHome home;
    const std::string trashed = home / "trash/link";
    std::filesystem::create_directories(home / "trash");
    ASSERT_EQ(::symlink("/nonexistent/target", trashed.c_str()), 0);
    CleanupHistory history(CleanupHistory::defaultURL());
    const HistoryRecord record = recordOf(home / "link", trashed);
    history.append({record});

    EXPECT_EQ(history.status(record), RestoreStatus::restorable);
    history.restore(record.id);
    EXPECT_TRUE(std::filesystem::is_symlink(home / "link"));
    EXPECT_EQ(history.status(history.records()[0]), RestoreStatus::restored);
}

// The record of the one item at path, committed to the home Trash.
HistoryRecord committed(CleanupHistory& history, const std::string& path) {
    ReviewPile pile;
    pile.add({path, 4, std::nullopt});
    const auto unowned = std::shared_ptr<CleanupHistory>(&history, [](CleanupHistory*) {});
    const auto result = ReviewCommitter(std::make_shared<SystemTrasher>(), unowned, [] {
                            return someDay;
                        }).commit(pile);
    EXPECT_EQ(result.moved.size(), 1u);
    return history.records().back();
}

ReviewError::Case refusalOfRestoring(CleanupHistory& history, const HistoryRecord& record) {
    try {
        history.restore(record.id);
    } catch (const ReviewError& error) {
        return error.errorCase();
    }
    ADD_FAILURE() << "restored " << record.originalPath;
    return {};
}

// Another file put in the Trash slot of a committed item, its info file
// intact, is not the item: putting it back would bring an intruder home.
TEST(CleanupHistory, RestoreRefusesAnotherFileInTheSlotOfTheCommittedItem) {
    const FixtureHome home;
    writeFile(home / "docs/a.txt", "mine");
    CleanupHistory history(CleanupHistory::defaultURL());
    const HistoryRecord record = committed(history, home / "docs/a.txt");
    writeFile(home / "intruder", "intruder");
    std::filesystem::rename(home / "intruder", record.trashedPath);

    EXPECT_EQ(history.status(record), RestoreStatus::missingFromTrash);
    EXPECT_EQ(refusalOfRestoring(history, record), ReviewError::Case::trashedItemReplaced);
    EXPECT_FALSE(isThere(home / "docs/a.txt"));
    EXPECT_EQ(contentsOf(record.trashedPath), "intruder");
    EXPECT_EQ(CleanupHistory(history.fileURL()).records()[0].identity, record.identity);
}

// A folder of the home that became a link while its item was away: leading
// out of the home, the item is not put back out there; leading elsewhere in
// the home, it is.
TEST(CleanupHistory, RestoreRefusesAFolderThatNowLeadsOutOfTheHome) {
    const TemporaryFolder outside;
    for (const bool leadsOut : {true, false}) {
        const FixtureHome home;
        writeFile(home / "docs/a.txt", "mine");
        CleanupHistory history(CleanupHistory::defaultURL());
        const HistoryRecord record = committed(history, home / "docs/a.txt");
        std::filesystem::remove(home / "docs");
        const std::string target = leadsOut ? outside.path() : home / "elsewhere";
        std::filesystem::create_directories(target);
        std::filesystem::create_directory_symlink(target, home / "docs");

        if (leadsOut) {
            EXPECT_EQ(refusalOfRestoring(history, record), ReviewError::Case::restoreLeavesHome);
            EXPECT_TRUE(std::filesystem::is_empty(outside.path()));
            EXPECT_EQ(contentsOf(record.trashedPath), "mine");
        } else {
            history.restore(record.id);
            EXPECT_EQ(contentsOf(home / "elsewhere/a.txt"), "mine");
        }
    }
}

// Recovery runs before the first window shows: a FIFO left where the journal
// of a commit lies must not hold it.
TEST(CleanupHistory, StartUpRecoveryRefusesAFifoJournalWithoutWaiting) {
    const FixtureHome home;
    const std::string history = CleanupHistory::defaultURL();
    std::filesystem::create_directories(supportFolderPath());
    const std::string journal = HistoryJournal::pathFor(history);
    testing::makeFifo(journal);
    EXPECT_TRUE(testing::returnsWithoutAWriter(journal, [&] {
        EXPECT_THROW(HistoryJournal::recover(history, SystemTrasher()), FileError);
    }));
}

}  // namespace
}  // namespace tandor
