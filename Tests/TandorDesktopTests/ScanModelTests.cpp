#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/HomeScan.hpp"
#include "Shell/PileCommit.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryJournal.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {

// Plays the worker's posts by hand: a late or stale arrival cannot be timed
// through a real scan.
struct ScanModelTestAccess {
    static std::uint64_t generation(const ScanModel& model) { return model.generation_; }
    static void progress(ScanModel& model, std::uint64_t generation, ScanProgress progress) {
        model.applyProgress(generation, progress);
    }
    static void results(ScanModel& model, std::uint64_t generation, HomeScan::Outcome outcome) {
        model.publishResults(generation, std::move(outcome));
    }
    static void failure(ScanModel& model, std::uint64_t generation, const QString& message) {
        model.publishFailure(generation, message);
    }
};

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using testing::folderNode;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAre;
using Access = ScanModelTestAccess;
using testing::isThere;

constexpr std::int64_t megabytes = 1'000'000;

// A file of `bytes` allocated bytes (reserved, not written, so it is quick).
void makeFile(const std::string& path, std::int64_t bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path).put('x');
    if (bytes > 1) {
        std::filesystem::resize_file(path, static_cast<std::uintmax_t>(bytes));
        std::FILE* file = std::fopen(path.c_str(), "r+");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(::posix_fallocate(::fileno(file), 0, bytes), 0);
        std::fclose(file);
    }
}

// A home folder with two caches worth suggesting and a few small files, the
// user settings in its own config folder, English texts.
class ScanModelTest : public ::testing::Test {
  protected:
    ScanModelTest() {
        ui::Texts::setLanguage(QStringLiteral("en"));
        makeFile(home / ".npm/_cacache/content-v2/blob", 60 * megabytes);
        makeFile(home / "Library/Caches/com.example.Editor/cache.db", 70 * megabytes);
        makeFile(home / "Documents/notes.txt", 10);
        makeFile(home / "Documents/letter.txt", 20);
    }

    // Starts a scan and waits until it has ended.
    void scanToTheEnd(ScanModel& scanModel) {
        ASSERT_TRUE(scanModel.scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !scanModel.isScanning(); }, 60'000));
        ASSERT_EQ(scanModel.phaseName(), QStringLiteral("ready"))
            << scanModel.failureMessage().toStdString();
    }

    const Suggestion* suggestion(const ScanModel& scanModel, const std::string& ruleID) const {
        const auto& list = scanModel.suggestions();
        const auto found = std::find_if(list.begin(), list.end(),
                                        [&](const Suggestion& s) { return s.ruleID == ruleID; });
        return found == list.end() ? nullptr : &*found;
    }

    // A folder where the history's lock file belongs: the history reads, but
    // no save of it succeeds until the folder goes.
    std::string blockHistorySaves() const {
        const std::string lock = CleanupHistory::defaultURL() + ".lock";
        std::filesystem::create_directories(lock);
        return lock;
    }

    std::string trashed(const std::string& name) const {
        return home / (".local/share/Trash/files/" + name);
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    ScanModel model;
};

TEST_F(ScanModelTest, StartsIdleWithNothingPublished) {
    EXPECT_EQ(model.phase(), ScanModel::Phase::idle);
    EXPECT_EQ(model.phaseName(), QStringLiteral("idle"));
    EXPECT_EQ(model.root(), nullptr);
    EXPECT_THAT(model.suggestions(), IsEmpty());
    EXPECT_FALSE(model.breakdown());
    EXPECT_EQ(model.inaccessibleCount(), 0);
    EXPECT_EQ(model.pileCount(), 0);
    EXPECT_TRUE(model.lastCommitMessage().isEmpty());
    EXPECT_THAT(model.lastMovedPaths(), IsEmpty());
    EXPECT_FALSE(model.diskUsedBytes());
    EXPECT_EQ(model.progressFraction(), -1);
}

TEST_F(ScanModelTest, AScanOfTheHomeFolderEndsReadyWithSuggestionsAndABreakdown) {
    QSignalSpy phases(&model, &ScanModel::phaseChanged);
    ASSERT_TRUE(model.scanHome());
    EXPECT_EQ(model.phase(), ScanModel::Phase::scanning);
    EXPECT_EQ(model.currentPath(), QString::fromStdString(home.path()));
    EXPECT_EQ(model.filesSeen(), 0);
    EXPECT_TRUE(model.diskUsedBytes());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));

    ASSERT_EQ(model.phase(), ScanModel::Phase::ready) << model.failureMessage().toStdString();
    ASSERT_NE(model.root(), nullptr);
    EXPECT_EQ(model.root()->path(), home.path());
    EXPECT_EQ(model.root()->fileCount(), 4);
    ASSERT_NE(suggestion(model, "cache.npm"), nullptr);
    ASSERT_NE(suggestion(model, "cache.user"), nullptr);
    EXPECT_EQ(suggestion(model, "cache.user")->items.front().path,
              home / "Library/Caches/com.example.Editor");
    EXPECT_GE(model.recoverableBytes(), 130 * megabytes);
    ASSERT_TRUE(model.breakdown());
    EXPECT_GE(model.breakdown()->totalBytes(), 130 * megabytes);
    EXPECT_EQ(model.inaccessibleCount(), 0);
    EXPECT_GE(phases.count(), 2);
}

TEST_F(ScanModelTest, AFinishedScanStoresTheFileCountForTheNextEstimate) {
    scanToTheEnd(model);
    EXPECT_EQ(QSettings().value("lastScanFileCount").toLongLong(), 4);

    // The next scan estimates against it: 2 of 4 files seen is half way.
    ASSERT_TRUE(model.scanHome());
    Access::progress(model, Access::generation(model), ScanProgress{home / "Documents", 2, 10});
    EXPECT_DOUBLE_EQ(model.progressFraction(),
                     std::max(0.5, 10.0 / static_cast<double>(*model.diskUsedBytes())));
    EXPECT_EQ(model.progressFolder(), QStringLiteral("Documents"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
}

TEST_F(ScanModelTest, ASecondScanIsRefusedWhileOneRuns) {
    ASSERT_TRUE(model.scanHome());
    const auto generation = Access::generation(model);
    EXPECT_FALSE(model.scanHome());
    EXPECT_EQ(Access::generation(model), generation);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
    EXPECT_EQ(model.phase(), ScanModel::Phase::ready);
    EXPECT_TRUE(model.scanHome());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
}

TEST_F(ScanModelTest, AHomeFolderThatCannotBeReadFailsWithTheScannersSentence) {
    testing::EnvironmentOverride missingHome;
    missingHome.set("HOME", home / "no such folder");
    ASSERT_TRUE(model.scanHome());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
    EXPECT_EQ(model.phase(), ScanModel::Phase::failed);
    EXPECT_THAT(model.failureMessage().toStdString(), HasSubstr(home / "no such folder"));
    // A new scan may start from a failure.
    EXPECT_TRUE(model.scanHome());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
}

TEST_F(ScanModelTest, AFailedScanKeepsThePreviousResults) {
    scanToTheEnd(model);
    const FileNodePtr root = model.root();
    const auto count = model.suggestions().size();
    ASSERT_TRUE(model.scanHome());
    Access::failure(model, Access::generation(model), QStringLiteral("Cannot read /x"));
    EXPECT_EQ(model.phase(), ScanModel::Phase::failed);
    EXPECT_EQ(model.failureMessage(), QStringLiteral("Cannot read /x"));
    EXPECT_EQ(model.root(), root);
    EXPECT_EQ(model.suggestions().size(), count);
}

// progress is applied only while the phase is still scanning.
TEST_F(ScanModelTest, AProgressReportAfterTheResultsLeavesTheModelReady) {
    scanToTheEnd(model);
    Access::progress(model, Access::generation(model), ScanProgress{home.path(), 99'999, 1});
    EXPECT_EQ(model.phase(), ScanModel::Phase::ready);
    EXPECT_EQ(model.filesSeen(), 0);
}

// Obvious fault 3: an older scan's progress or result never replaces a newer one.
TEST_F(ScanModelTest, ProgressAndResultsOfAnOlderScanAreDropped) {
    scanToTheEnd(model);
    const FileNodePtr firstRoot = model.root();
    const auto older = Access::generation(model);
    ASSERT_TRUE(model.scanHome());
    const auto newer = Access::generation(model);
    ASSERT_GT(newer, older);

    Access::progress(model, older, ScanProgress{home / "Library", 5000, 1});
    EXPECT_EQ(model.filesSeen(), 0);
    HomeScan::Outcome stale;
    stale.root = folderNode("/stale");
    Access::results(model, older, std::move(stale));
    EXPECT_EQ(model.phase(), ScanModel::Phase::scanning);
    EXPECT_EQ(model.root(), firstRoot);
    Access::failure(model, older, QStringLiteral("stale"));
    EXPECT_EQ(model.phase(), ScanModel::Phase::scanning);

    Access::progress(model, newer, ScanProgress{home / "Library/Caches", 5000, 7});
    EXPECT_EQ(model.filesSeen(), 5000);
    EXPECT_EQ(model.currentPath(), QString::fromStdString(home / "Library/Caches"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
    EXPECT_EQ(model.phase(), ScanModel::Phase::ready);
    EXPECT_NE(model.root(), firstRoot);
    EXPECT_EQ(model.root()->path(), home.path());
}

// The scanner reports from several threads, out of order.
// The header tells how many folders the last scan skipped, and only then.
TEST_F(ScanModelTest, TheHeaderCountsTheFoldersTheScanCouldNotRead) {
    QQmlEngine engine;
    ApplicationEngine::prepare(engine, model);
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Tandor/Shell/SummaryHeader.qml")));
    const std::unique_ptr<QObject> header(
        component.createWithInitialProperties({{"scanModel", QVariant::fromValue(&model)}}));
    ASSERT_NE(header, nullptr) << component.errorString().toStdString();
    auto* hint = header->findChild<QQuickItem*>(QStringLiteral("headerHint"));
    ASSERT_NE(hint, nullptr);
    auto* text = hint->findChild<QQuickItem*>(QStringLiteral("fullDiskAccessHintText"));
    ASSERT_NE(text, nullptr);

    for (const int skipped : {0, 3}) {
        ASSERT_TRUE(model.scanHome());
        HomeScan::Outcome outcome;
        outcome.root = folderNode(home.path());
        outcome.inaccessibleCount = skipped;
        Access::results(model, Access::generation(model), std::move(outcome));
        EXPECT_EQ(hint->isVisible(), skipped > 0);
    }
    EXPECT_EQ(text->property("text").toString(),
              "3 folders could not be read. Your user account may not have permission to read "
              "them.");
}

TEST_F(ScanModelTest, AReportCountingFewerFilesThanTheOneShownIsDropped) {
    ASSERT_TRUE(model.scanHome());
    const auto generation = Access::generation(model);
    Access::progress(model, generation, ScanProgress{home / "b", 10'000, 20});
    Access::progress(model, generation, ScanProgress{home / "a", 5000, 10});
    EXPECT_EQ(model.filesSeen(), 10'000);
    EXPECT_EQ(model.progressFolder(), QStringLiteral("b"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
}

TEST(ScanModelLifetime, DestroyingTheModelDuringAScanStopsTheScan) {
    const testing::SettingsFolder settings;
    const testing::FixtureHome home;
    for (int folder = 0; folder < 200; ++folder) {
        for (int file = 0; file < 20; ++file) {
            makeFile(home / ("f" + std::to_string(folder) + "/" + std::to_string(file)), 1);
        }
    }
    auto model = std::make_unique<ScanModel>();
    QSignalSpy phases(model.get(), &ScanModel::phaseChanged);
    ASSERT_TRUE(model->scanHome());
    model.reset();
    // Nothing the worker posted reaches the destroyed model.
    QTest::qWait(50);
    EXPECT_EQ(phases.count(), 1);
}

TEST_F(ScanModelTest, CommittingASuggestionMovesItsItemsIntoTheTrashAndPrunesIt) {
    scanToTheEnd(model);
    const Suggestion npm = *suggestion(model, "cache.npm");
    QSignalSpy pileChanges(&model, &ScanModel::pileChanged);
    model.addSuggestionToPile(npm);
    EXPECT_EQ(pileChanges.count(), 1);
    ASSERT_EQ(model.pileCount(), 1);
    EXPECT_EQ(model.pileBytes(), npm.totalBytes());

    model.commitPile();

    EXPECT_FALSE(isThere(home / ".npm/_cacache"));
    EXPECT_TRUE(isThere(trashed("_cacache")));
    EXPECT_TRUE(isThere(home / ".local/share/Trash/info/_cacache.trashinfo"));
    EXPECT_EQ(model.pileCount(), 0);
    EXPECT_THAT(model.lastMovedPaths(), ::testing::ElementsAre(home / ".npm/_cacache"));
    EXPECT_EQ(suggestion(model, "cache.npm"), nullptr);
    EXPECT_NE(suggestion(model, "cache.user"), nullptr);
    EXPECT_EQ(model.lastCommitMessage(),
              QStringLiteral("Moved 1 item (60 MB) to the Trash. Empty the Trash to get the "
                             "space back."));
    EXPECT_EQ(CleanupHistory(CleanupHistory::defaultURL()).records().size(), 1U);
}

TEST_F(ScanModelTest, CommittingAnEmptyPileReportsZeroItems) {
    QSignalSpy movedChanges(&model, &ScanModel::lastMovedPathsChanged);
    model.commitPile();
    EXPECT_EQ(movedChanges.count(), 1);
    EXPECT_EQ(model.lastCommitMessage().toStdString(),
              "Moved 0 items (" + ByteFormat::string(0) +
                  ") to the Trash. Empty the Trash to get the space back.");
    EXPECT_THAT(model.lastMovedPaths(), IsEmpty());
}

TEST_F(ScanModelTest, AnItemThatCannotMoveStaysOnThePileAndIsCounted) {
    scanToTheEnd(model);
    ASSERT_TRUE(model.addToPile({home / "Documents/letter.txt", 20, std::nullopt}));
    ASSERT_TRUE(model.addToPile({home / "Documents/gone.txt", 5, std::nullopt}));
    model.commitPile();
    EXPECT_EQ(model.pileCount(), 1);
    EXPECT_TRUE(model.pile().contains(home / "Documents/gone.txt"));
    EXPECT_THAT(model.lastMovedPaths(), ::testing::ElementsAre(home / "Documents/letter.txt"));
    EXPECT_EQ(model.lastCommitMessage(),
              QStringLiteral("Moved 1 item (20 bytes) to the Trash. Empty the Trash to get the "
                             "space back. 1 could not be moved and stays in the pile."));
}

// Obvious fault 1: the items moved although the history was not saved.
TEST_F(ScanModelTest, ACommitWhoseHistoryCannotBeSavedStillReportsWhatMoved) {
    scanToTheEnd(model);
    blockHistorySaves();
    const Suggestion caches = *suggestion(model, "cache.user");
    model.addSuggestionToPile(caches);

    model.commitPile();

    EXPECT_TRUE(isThere(trashed("com.example.Editor")));
    EXPECT_EQ(model.pileCount(), 0);
    EXPECT_THAT(model.lastMovedPaths(),
                ::testing::ElementsAre(home / "Library/Caches/com.example.Editor"));
    EXPECT_EQ(suggestion(model, "cache.user"), nullptr);
    const std::string message = model.lastCommitMessage().toStdString();
    EXPECT_THAT(message, StartsWith("Moved 1 item (70 MB) to the Trash."));
    EXPECT_THAT(message, HasSubstr(" Could not update the cleanup history: "));
}

TEST_F(ScanModelTest, RecordsAHistoryCouldNotSaveGoOutWithTheNextCommit) {
    scanToTheEnd(model);
    const std::string lock = blockHistorySaves();
    model.addSuggestionToPile(*suggestion(model, "cache.user"));
    model.commitPile();
    ASSERT_THAT(model.lastCommitMessage().toStdString(), HasSubstr("Could not update"));

    std::filesystem::remove(lock);
    model.addSuggestionToPile(*suggestion(model, "cache.npm"));
    model.commitPile();

    EXPECT_THAT(model.lastCommitMessage().toStdString(), Not(HasSubstr("Could not update")));
    EXPECT_EQ(CleanupHistory(CleanupHistory::defaultURL()).records().size(), 2U);
}

// What the application left when it was killed during a commit goes into the
// history at the next start.
TEST_F(ScanModelTest, TheStartRecoversTheRecordsOfACommitCutShort) {
    const SystemTrasher trasher;
    HistoryRecord record(home / "Documents/letter.txt", "", 20, std::nullopt,
                         std::chrono::system_clock::now());
    {
        HistoryJournal journal(CleanupHistory(CleanupHistory::defaultURL()), trasher);
        journal.plan({{record, FileIdentity::of(record.originalPath)}});
        record.trashedPath = trasher.trash(record.originalPath).path;
    }

    model.recoverInterruptedCommit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isRecoveringHistory(); }, 10'000));

    const auto records = CleanupHistory(CleanupHistory::defaultURL()).records();
    ASSERT_EQ(records.size(), 1U);
    EXPECT_EQ(records[0].trashedPath, trashed("letter.txt"));
    EXPECT_TRUE(model.lastCommitMessage().isEmpty());
}

TEST_F(ScanModelTest, AStartThatCannotRecoverSaysSoAndKeepsTheJournal) {
    const std::string journal = HistoryJournal::pathFor(CleanupHistory::defaultURL());
    makeFile(journal, 1);
    makeFile(CleanupHistory::defaultURL(), 1);  // "x": not a history

    model.recoverInterruptedCommit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isRecoveringHistory(); }, 10'000));

    EXPECT_THAT(model.lastCommitMessage().toStdString(),
                StartsWith("Could not update the cleanup history: "));
    EXPECT_TRUE(isThere(journal));
}

// A scan that read an item before a commit moved it must not bring it back.
TEST_F(ScanModelTest, ACommitDuringAScanIsNotUndoneByThatScansResults) {
    scanToTheEnd(model);
    const auto before = model.suggestions();
    ASSERT_TRUE(model.scanHome());
    const auto generation = Access::generation(model);
    model.addSuggestionToPile(*suggestion(model, "cache.npm"));
    model.commitPile();

    HomeScan::Outcome readBeforeTheCommit;
    readBeforeTheCommit.root = model.root();
    readBeforeTheCommit.suggestions = before;
    Access::results(model, generation, std::move(readBeforeTheCommit));

    EXPECT_EQ(model.phase(), ScanModel::Phase::ready);
    EXPECT_EQ(suggestion(model, "cache.npm"), nullptr);
    EXPECT_NE(suggestion(model, "cache.user"), nullptr);
}

// The tree of a scan still holds what later commits moved; screens ask the
// model what moved since that tree was made.
TEST_F(ScanModelTest, WhatMovedSinceTheTreeWasMadeIsKeptUntilTheNextTree) {
    scanToTheEnd(model);
    model.addSuggestionToPile(*suggestion(model, "cache.npm"));
    model.commitPile();
    ASSERT_TRUE(model.addToPile({home / "Documents/letter.txt", 20, std::nullopt}));
    model.commitPile();
    EXPECT_THAT(model.movedSinceScan(),
                ElementsAre(home / ".npm/_cacache", home / "Documents/letter.txt"));
    EXPECT_TRUE(model.movedSinceScan(home / ".npm/_cacache/index"));
    EXPECT_FALSE(model.movedSinceScan(home / ".npm"));

    // A commit during the next scan belongs to both trees; the new tree keeps
    // only it.
    ASSERT_TRUE(model.scanHome());
    const auto generation = Access::generation(model);
    ASSERT_TRUE(model.addToPile({home / "Documents/notes.txt", 10, std::nullopt}));
    model.commitPile();
    EXPECT_EQ(model.movedSinceScan().size(), 3U);
    HomeScan::Outcome next;
    next.root = model.root();
    Access::results(model, generation, std::move(next));
    EXPECT_THAT(model.movedSinceScan(), ElementsAre(home / "Documents/notes.txt"));
}

TEST_F(ScanModelTest, AHistoryThatCannotBeOpenedMovesNothing) {
    scanToTheEnd(model);
    makeFile(supportFolderPath(), 3);  // a file where the folder belongs
    const auto before = model.suggestions();
    model.addSuggestionToPile(*suggestion(model, "cache.npm"));

    model.commitPile();

    EXPECT_TRUE(isThere(home / ".npm/_cacache"));
    EXPECT_EQ(model.pileCount(), 1);
    EXPECT_EQ(model.suggestions(), before);
    EXPECT_THAT(model.lastCommitMessage().toStdString(),
                StartsWith("Could not update the cleanup history: "));
}

TEST_F(ScanModelTest, ANewScanClearsTheCommitMessageAndKeepsThePile) {
    model.commitPile();
    ASSERT_FALSE(model.lastCommitMessage().isEmpty());
    ASSERT_TRUE(model.addToPile({home / "Documents/notes.txt", 10, std::nullopt}));
    QSignalSpy messages(&model, &ScanModel::lastCommitMessageChanged);
    ASSERT_TRUE(model.scanHome());
    EXPECT_TRUE(model.lastCommitMessage().isEmpty());
    EXPECT_EQ(messages.count(), 1);
    EXPECT_EQ(model.pileCount(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
}

TEST_F(ScanModelTest, ThePileChangesOnlyThroughTheModelAndAnnouncesEachChange) {
    QSignalSpy pileChanges(&model, &ScanModel::pileChanged);
    EXPECT_TRUE(model.addToPile({"/h/a", 5, std::nullopt}));
    EXPECT_FALSE(model.addToPile({"/h/a/b", 1, std::nullopt}));  // inside /h/a
    EXPECT_TRUE(model.addToPile({"/h/c", 7, std::string("rule")}));
    EXPECT_EQ(pileChanges.count(), 2);
    EXPECT_EQ(model.pileBytes(), 12);
    model.undoLastPileAddition();
    EXPECT_EQ(model.pileCount(), 1);
    model.removeFromPile("/h/zzz");
    EXPECT_EQ(pileChanges.count(), 3);
    model.removeFromPile("/h/a");
    EXPECT_EQ(model.pileCount(), 0);
    EXPECT_EQ(pileChanges.count(), 4);
    model.undoLastPileAddition();
    EXPECT_EQ(pileChanges.count(), 4);
}

TEST_F(ScanModelTest, ThePileRefusesThePlacesThatAreNeverMovedToTheTrash) {
    std::filesystem::create_directories(home / ".local/share/Trash/files/old");
    const std::string refused[] = {
        home / ".local/share/Trash",
        home / ".local/share/Trash/files/old",
        home / ".local",
        home.path(),
        std::filesystem::path(home.path()).parent_path(),
        "/",
        supportFolderPath(),
    };
    for (const std::string& path : refused) {
        EXPECT_FALSE(model.addToPile({path, 1, std::nullopt})) << path;
    }
    std::vector<SuggestionItem> items;
    for (const std::string& path : refused) {
        items.push_back({path, 1, std::nullopt, std::nullopt});
    }
    items.push_back({home / "Documents/notes.txt", 10, std::nullopt, std::nullopt});
    model.addSuggestionToPile(Suggestion("rule", "title", StorageCategory::caches, std::nullopt,
                                         SafetyLevel::needsReview, "reason", {}, std::move(items)));
    ASSERT_EQ(model.pileCount(), 1);
    EXPECT_EQ(model.pile().entries()[0].path, home / "Documents/notes.txt");
}

TEST_F(ScanModelTest, ABatchIsAnnouncedOnceWhenTheOutermostEndsAndOnlyIfThePileChanged) {
    QSignalSpy pileChanges(&model, &ScanModel::pileChanged);
    {
        const ScanModel::PileBatch outer(&model);
        {
            const ScanModel::PileBatch inner(&model);
            EXPECT_TRUE(model.addToPile({"/h/a", 5, std::nullopt}));
            EXPECT_TRUE(model.addToPile({"/h/b", 5, std::nullopt}));
        }
        EXPECT_TRUE(model.addToPile({"/h/c", 5, std::nullopt}));
        EXPECT_EQ(pileChanges.count(), 0);
    }
    EXPECT_EQ(pileChanges.count(), 1);
    {
        const ScanModel::PileBatch refused(&model);
        EXPECT_FALSE(model.addToPile({"/h/a/inside", 1, std::nullopt}));
    }
    EXPECT_EQ(pileChanges.count(), 1);
    EXPECT_TRUE(model.addToPile({"/h/d", 5, std::nullopt}));
    EXPECT_EQ(pileChanges.count(), 2);
}

TEST_F(ScanModelTest, UndoingAFolderBringsBackThePicksItAbsorbed) {
    const ReviewPile::Entry photo{"/h/trip/a.jpg", 1, std::nullopt};
    const ReviewPile::Entry clip{"/h/trip/day/b.mov", 2, std::string("swipe.videos")};
    const ReviewPile::Entry other{"/h/other", 4, std::nullopt};
    ASSERT_TRUE(model.addToPile(other));
    ASSERT_TRUE(model.addToPile(photo));
    ASSERT_TRUE(model.addToPile(clip));
    ASSERT_TRUE(model.addToPile({"/h/trip/day", 3, std::nullopt}));
    ASSERT_TRUE(model.addToPile({"/h/trip", 10, std::nullopt}));
    ASSERT_EQ(model.pileCount(), 2);

    QSignalSpy pileChanges(&model, &ScanModel::pileChanged);
    model.undoLastPileAddition();
    EXPECT_THAT(
        model.pile().entries(),
        UnorderedElementsAre(other, photo, ReviewPile::Entry{"/h/trip/day", 3, std::nullopt}));
    EXPECT_EQ(pileChanges.count(), 1);
    model.undoLastPileAddition();
    EXPECT_THAT(model.pile().entries(), UnorderedElementsAre(other, photo, clip));
}

// One suggestion is one action: one Undo takes all its items back, and brings
// back what they absorbed, but not its own items that a later one absorbed.
TEST_F(ScanModelTest, OneUndoTakesBackAWholeSuggestion) {
    const ReviewPile::Entry earlier{"/h/cache/old", 1, std::nullopt};
    const ReviewPile::Entry other{"/h/other", 4, std::nullopt};
    ASSERT_TRUE(model.addToPile(other));
    ASSERT_TRUE(model.addToPile(earlier));
    model.addSuggestionToPile(Suggestion("rule", "title", StorageCategory::caches, std::nullopt,
                                         SafetyLevel::needsReview, "reason", {},
                                         {{"/h/logs/a.log", 2, std::nullopt, std::nullopt},
                                          {"/h/logs", 3, std::nullopt, std::nullopt},
                                          {"/h/cache", 5, std::nullopt, std::nullopt}}));
    ASSERT_EQ(model.pileCount(), 3);

    QSignalSpy pileChanges(&model, &ScanModel::pileChanged);
    model.undoLastPileAddition();
    EXPECT_THAT(model.pile().entries(), ElementsAre(other, earlier));
    EXPECT_EQ(pileChanges.count(), 1);
    model.undoLastPileAddition();
    EXPECT_THAT(model.pile().entries(), ElementsAre(other));
}

// A change made in place (a swipe toss, a finished sorting folder) is
// announced once, and Undo still brings back what its addition absorbed.
TEST_F(ScanModelTest, AChangeInPlaceIsAnnouncedOnceAndCanBeUndone) {
    const ReviewPile::Entry photo{"/h/trip/a.jpg", 1, std::nullopt};
    ASSERT_TRUE(model.addToPile(photo));
    QSignalSpy pileChanges(&model, &ScanModel::pileChanged);
    model.changePile([](ReviewPile& pile) { pile.add({"/h/trip/a.jpg/x", 1, std::nullopt}); });
    EXPECT_EQ(pileChanges.count(), 0);

    model.changePile([](ReviewPile& pile) {
        pile.add({"/h/trip", 5, std::string("swipe.downloads")});
        pile.add({"/h/other", 2, std::nullopt});
    });
    EXPECT_EQ(pileChanges.count(), 1);
    EXPECT_EQ(model.pileCount(), 2);
    model.undoLastPileAddition();
    model.undoLastPileAddition();
    EXPECT_THAT(model.pile().entries(), ElementsAre(photo));
}

// Obvious fault 2: pruning drops every item equal to or inside a moved path.
struct CoverCase {
    const char* item;
    bool covered;
};

class PruningByFolderBoundary : public ::testing::TestWithParam<CoverCase> {};

TEST_P(PruningByFolderBoundary, AnItemIsCoveredByAMovedPathOrAMovedFolderAboveIt) {
    const std::set<std::string> moved = {"/h/Library/Caches/App", "/h/Downloads/a.dmg"};
    EXPECT_EQ(PileCommit::isCovered(GetParam().item, moved), GetParam().covered) << GetParam().item;
}

INSTANTIATE_TEST_SUITE_P(Table, PruningByFolderBoundary,
                         ::testing::Values(CoverCase{"/h/Library/Caches/App", true},
                                           CoverCase{"/h/Library/Caches/App/data/blob", true},
                                           CoverCase{"/h/Library/Caches/App 2", false},
                                           CoverCase{"/h/Library/Caches/Apple", false},
                                           CoverCase{"/h/Library/Caches", false},
                                           CoverCase{"/h/Downloads/a.dmg", true},
                                           CoverCase{"/h/Downloads/a.dmg.part", false},
                                           CoverCase{"/h/Downloads", false}, CoverCase{"/", false},
                                           CoverCase{"", false}));

TEST(PileCommitPruning, TheRootFolderCoversEverything) {
    EXPECT_TRUE(PileCommit::isCovered("/h/a", {"/"}));
    EXPECT_TRUE(PileCommit::isCovered("/", {"/"}));
}

TEST(PileCommitPruning, ASuggestionKeepsItsEvidenceAndLosesOnlyTheMovedItems) {
    const std::vector<Evidence> evidence = {Evidence::observed("Last opened 3 days ago")};
    const Suggestion partly("rule.a", "A", StorageCategory::caches, std::nullopt,
                            SafetyLevel::regenerable, "reason", evidence,
                            {{"/h/x", 5, {}, {}}, {"/h/y/z", 6, {}, {}}, {"/h/yz", 7, {}, {}}});
    const Suggestion wholly("rule.b", "B", StorageCategory::downloads, std::nullopt,
                            SafetyLevel::needsReview, "reason", {}, {{"/h/y", 9, {}, {}}});
    const Suggestion untouched("rule.c", "C", StorageCategory::media, std::nullopt,
                               SafetyLevel::needsReview, "reason", {}, {{"/h/w", 1, {}, {}}});

    const auto result = PileCommit::pruned({partly, wholly, untouched}, {"/h/y", "/h/x"});

    ASSERT_EQ(result.size(), 2U);
    EXPECT_EQ(result[0].ruleID, "rule.a");
    EXPECT_EQ(result[0].evidence, evidence);
    ASSERT_EQ(result[0].items.size(), 1U);
    EXPECT_EQ(result[0].items[0].path, "/h/yz");
    EXPECT_EQ(result[0].totalBytes(), 7);
    EXPECT_EQ(result[1], untouched);
    EXPECT_EQ(PileCommit::pruned({partly}, {}), std::vector<Suggestion>{partly});
}

TEST(PileCommitMessage, TheSentencesFollowEachOtherWithOneSpace) {
    ui::Texts::setLanguage(QStringLiteral("en"));
    EXPECT_EQ(PileCommit::message(3, 2'500'000, 0, std::nullopt).toStdString(),
              "Moved 3 items (" + ByteFormat::string(2'500'000) +
                  ") to the Trash. Empty the Trash to get the space back.");
    EXPECT_EQ(
        PileCommit::message(1, 10, 2, std::string("Cannot write /s/history.json")).toStdString(),
        "Moved 1 item (10 bytes) to the Trash. Empty the Trash to get the space back. 2 could "
        "not be moved "
        "and stay in the pile. Could not update the cleanup history: Cannot write "
        "/s/history.json");
}

}  // namespace
}  // namespace tandor
