#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ReviewTestSupport.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryJournal.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using namespace std::chrono_literals;
using testing::contentsOf;
using testing::FixtureHome;
using testing::isThere;
using testing::someDay;
using testing::writeFile;

struct JournalFixture {
    FixtureHome home;
    const std::string historyPath = CleanupHistory::defaultURL();
    const std::string journalPath = HistoryJournal::pathFor(historyPath);
    const std::string trash = home / ".local/share/Trash";
    const SystemTrasher trasher;

    // A file at home/name and its entry as a commit plans it.
    HistoryJournal::Planned plannedFile(const std::string& name) const {
        const std::string path = home / name;
        writeFile(path, name);
        return {HistoryRecord(path, "", 1, std::nullopt, someDay), FileIdentity::of(path)};
    }

    // An info file as a move of originalPath cut short before its rename
    // leaves it, or as another program's pending move does.
    void reserve(const std::string& name, const std::string& originalPath) const {
        writeFile(trash + "/info/" + name + ".trashinfo",
                  "[Trash Info]\nPath=" + originalPath + "\nDeletionDate=2025-06-15T10:00:00\n");
    }
};

// Each entry of a commit cut short, in every state a kill can leave it in,
// and what the next start makes of it.
TEST(HistoryJournal, RecoveryRecordsWhatMovedAndReleasesWhatDidNot) {
    const JournalFixture f;
    HistoryJournal::Planned stayed = f.plannedFile("stayed.txt");
    HistoryJournal::Planned unnoted = f.plannedFile("unnoted.txt");
    HistoryJournal::Planned noted = f.plannedFile("noted.txt");
    HistoryJournal::Planned replaced = f.plannedFile("replaced.txt");
    // Planned by a commit that failed to move it, then by one that did.
    const HistoryJournal::Planned retried = f.plannedFile("retried.txt");
    HistoryJournal::Planned retriedAgain = retried;
    retriedAgain.record = HistoryRecord(retried.record.originalPath, "", 1, std::nullopt, someDay);
    {
        HistoryJournal journal(CleanupHistory(f.historyPath), f.trasher);
        journal.plan({stayed, unnoted, noted, replaced, retried});
        unnoted.record.trashedPath = f.trasher.trash(unnoted.record.originalPath).path;
        noted.record.trashedPath = f.trasher.trash(noted.record.originalPath).path;
        noted.record.date = someDay + 1h;
        journal.noteMoved(noted.record);
        replaced.record.trashedPath = f.trasher.trash(replaced.record.originalPath).path;
        journal.plan({retriedAgain});
        retriedAgain.record.trashedPath = f.trasher.trash(retried.record.originalPath).path;
        journal.noteMoved(retriedAgain.record);
    }
    writeFile(replaced.record.originalPath, "made anew since");
    f.reserve("stayed.txt", stayed.record.originalPath);
    f.reserve("pending.txt", f.home / "pending.txt");
    std::ofstream(f.journalPath, std::ios::app) << R"({"step": "moved", "id": ")";

    HistoryJournal::recover(f.historyPath, f.trasher);

    EXPECT_EQ(CleanupHistory(f.historyPath).records(),
              (std::vector<HistoryRecord>{unnoted.record, noted.record, replaced.record,
                                          retriedAgain.record}));
    EXPECT_EQ(contentsOf(f.trash + "/files/unnoted.txt"), "unnoted.txt");
    EXPECT_EQ(contentsOf(stayed.record.originalPath), "stayed.txt");
    EXPECT_FALSE(isThere(f.trash + "/info/stayed.txt.trashinfo"));
    EXPECT_TRUE(isThere(f.trash + "/info/pending.txt.trashinfo"));
    EXPECT_TRUE(isThere(f.trash + "/info/unnoted.txt.trashinfo"));
    EXPECT_EQ(contentsOf(replaced.record.originalPath), "made anew since");
    EXPECT_FALSE(isThere(f.journalPath));
}

// A moved line is only a hint: a journal that names an ordinary file, the
// planned file moved elsewhere, another item of the Trash or a path climbing
// out of files/ gets no record of that path, so no restore can move it.
TEST(HistoryJournal, RecoveryTrustsAMovedLineOnlyForThePlannedItemInTheTrash) {
    const JournalFixture f;
    const std::string ordinary = f.home / "ordinary.txt";
    writeFile(ordinary, "ordinary");
    writeFile(f.home / "other.txt", "other");
    const std::string other = f.trasher.trash(f.home / "other.txt").path;
    HistoryJournal::Planned outside = f.plannedFile("outside.txt");
    HistoryJournal::Planned elsewhere = f.plannedFile("elsewhere.txt");
    HistoryJournal::Planned another = f.plannedFile("another.txt");
    HistoryJournal::Planned climbing = f.plannedFile("climbing.txt");
    const std::string movedAside = f.home / "aside/elsewhere.txt";
    {
        HistoryJournal journal(CleanupHistory(f.historyPath), f.trasher);
        journal.plan({outside, elsewhere, another, climbing});
        const auto noteAt = [&](HistoryRecord record, const std::string& path) {
            record.trashedPath = path;
            record.date = someDay + 1h;
            journal.noteMoved(record);
        };
        outside.record.trashedPath = f.trasher.trash(outside.record.originalPath).path;
        noteAt(outside.record, ordinary);
        writeFile(movedAside, "");
        std::filesystem::rename(elsewhere.record.originalPath, movedAside);
        noteAt(elsewhere.record, movedAside);
        another.record.trashedPath = f.trasher.trash(another.record.originalPath).path;
        noteAt(another.record, other);
        climbing.record.trashedPath = f.trasher.trash(climbing.record.originalPath).path;
        noteAt(climbing.record, f.trash + "/files/../../../../ordinary.txt");
    }

    HistoryJournal::recover(f.historyPath, f.trasher);

    CleanupHistory history(f.historyPath);
    EXPECT_EQ(history.records(),
              (std::vector<HistoryRecord>{outside.record, another.record, climbing.record}));
    history.restoreAll({outside.record.id, another.record.id, climbing.record.id});
    EXPECT_EQ(contentsOf(ordinary), "ordinary");
    EXPECT_EQ(contentsOf(other), "other");
    EXPECT_EQ(contentsOf(movedAside), "elsewhere.txt");
    EXPECT_EQ(contentsOf(outside.record.originalPath), "outside.txt");
    EXPECT_EQ(contentsOf(another.record.originalPath), "another.txt");
    EXPECT_EQ(contentsOf(climbing.record.originalPath), "climbing.txt");
}

// Many items of one name in many folders, half of their moved lines lost:
// each record still points at its own file in the Trash.
TEST(HistoryJournal, RecoveryFindsEveryItemWhoseMovedLineWasLost) {
    const JournalFixture f;
    std::vector<HistoryJournal::Planned> entries;
    for (int i = 0; i < 160; ++i) {
        entries.push_back(
            f.plannedFile(std::to_string(i % 8) + "/file " + std::to_string(i / 8) + ".txt"));
    }
    {
        HistoryJournal journal(CleanupHistory(f.historyPath), f.trasher);
        journal.plan(entries);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i].record.trashedPath = f.trasher.trash(entries[i].record.originalPath).path;
            if (i % 2 == 0) {
                journal.noteMoved(entries[i].record);
            }
        }
    }

    HistoryJournal::recover(f.historyPath, f.trasher);

    const std::vector<HistoryRecord> records = CleanupHistory(f.historyPath).records();
    ASSERT_EQ(records.size(), entries.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i], entries[i].record);
        EXPECT_EQ(contentsOf(records[i].trashedPath),
                  records[i].originalPath.substr(f.home.path().size() + 1));
    }
}

TEST(HistoryJournal, RecoveryLeavesTheJournalOfALiveCommitAlone) {
    const JournalFixture f;
    HistoryJournal::Planned entry = f.plannedFile("a");
    HistoryJournal live(CleanupHistory(f.historyPath), f.trasher);
    live.plan({entry});
    entry.record.trashedPath = f.trasher.trash(entry.record.originalPath).path;
    live.noteMoved(entry.record);
    const std::string lines = contentsOf(f.journalPath);

    HistoryJournal::recover(f.historyPath, f.trasher);

    EXPECT_EQ(contentsOf(f.journalPath), lines);
    EXPECT_FALSE(isThere(f.historyPath));
}

}  // namespace
}  // namespace tandor
