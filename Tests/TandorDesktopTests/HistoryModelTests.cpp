#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "History/HistoryModel.hpp"
#include "History/RuleTitle.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/ReviewError.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::history_model_tests {
namespace {

using namespace std::chrono_literals;
using testing::contentsOf;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::StartsWith;
using testing::writeFile;
using Role = HistoryModel::Role;

const Date someDay{std::chrono::seconds{1'750'000'000}};

QVariant cell(const HistoryModel& model, int row, Role role) {
    return model.data(model.index(row), role);
}

// The status of every record row, top to bottom.
std::vector<std::string> statuses(const HistoryModel& model) {
    std::vector<std::string> shown;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (!cell(model, row, Role::IsSessionRole).toBool()) {
            shown.push_back(cell(model, row, Role::StatusRole).toString().toStdString());
        }
    }
    return shown;
}

// A fixture home whose Trash and history are built by hand, read by a model
// on the default history file.
class HistoryModelTest : public ::testing::Test {
  protected:
    HistoryModelTest() { ui::Texts::setLanguage(QStringLiteral("en")); }

    // A record of name moved at date, its item in the Trash.
    HistoryRecord trashed(const std::string& name, std::int64_t bytes, Date date,
                          std::optional<std::string> ruleID = std::nullopt) {
        const std::string inTrash = home / (".local/share/Trash/files/" + name);
        writeFile(inTrash, name);
        return HistoryRecord(home / ("Documents/" + name), inTrash, bytes, std::move(ruleID), date);
    }

    void write(const std::vector<HistoryRecord>& records) {
        CleanupHistory(CleanupHistory::defaultURL()).append(records);
    }

    testing::FixtureHome home;
    HistoryModel model{HistoryModel::Services::standard()};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(HistoryModelTest, NoHistoryFileIsAnEmptyHistory) {
    model.reload();
    EXPECT_FALSE(model.hasSessions());
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.totalMovedBytes(), 0);
    EXPECT_TRUE(model.loadError().isEmpty());
    EXPECT_EQ(model.summary(), "Nothing moved yet.");
    // Nothing to put back from before a reload, or from an empty list.
    model.restore({});
    EXPECT_TRUE(model.message().isEmpty());
}

struct SessionGap {
    int secondsAfterThird;
    std::size_t sessions;
    const char* summary;
};

class HistorySessionGap : public HistoryModelTest,
                          public ::testing::WithParamInterface<SessionGap> {};

TEST_P(HistorySessionGap, RecordsMoreThanAMinuteApartAreTwoCleanups) {
    const auto [gap, sessions, summary] = GetParam();
    write({trashed("a", 1'000'000, someDay), trashed("b", 1'000'000, someDay + 30s),
           trashed("c", 1'000'000, someDay + 60s),
           trashed("d", 1'000'000, someDay + 60s + std::chrono::seconds(gap))});
    model.reload();

    ASSERT_EQ(model.sessions().size(), sessions);
    EXPECT_EQ(model.summary(), summary);
    // Newest session first, each a header then its records oldest first.
    EXPECT_EQ(model.sessions().front().records.back().originalPath, home / "Documents/d");
    EXPECT_TRUE(cell(model, 0, Role::IsSessionRole).toBool());
    EXPECT_EQ(model.rowCount(), int(4 + sessions));
}

INSTANTIATE_TEST_SUITE_P(
    Table, HistorySessionGap,
    ::testing::Values(
        SessionGap{60, 1,
                   "4 MB moved to the Trash in 1 cleanup. Restoring never overwrites anything."},
        SessionGap{61, 2,
                   "4 MB moved to the Trash in 2 cleanups. Restoring never overwrites anything."}));

TEST(HistoryRuleTitle, ARecordNamesTheRuleItCameFromByItsTitle) {
    struct Case {
        const char* language;
        const char* ruleID;
        const char* shown;
    };
    const std::vector<Case> cases{
        {"en", "downloads.installers", "Old installers in Downloads"},
        {"en", "swipe.downloads", "Downloads"},
        {"en", "similar-photos", "Similar photos"},
        {"en", "duplicates", "Duplicate files"},
        {"en", "assistant", "Proposed by your assistant"},
        {"it", "downloads.installers", "Vecchi programmi di installazione in Download"},
        {"it", "swipe.largeVideos", "Video grandi"},
        {"it", "duplicates", "File duplicati"},
        // No title to give: nothing rather than the raw id.
        {"en", "swipe.nothing", ""},
        {"en", "uninstall.org.example.Editor", ""},
        {"en", "sorting.Later", ""},
    };
    for (const auto& item : cases) {
        ui::Texts::setLanguage(QString::fromUtf8(item.language));
        EXPECT_EQ(RuleTitle::shown(item.ruleID), QString::fromUtf8(item.shown))
            << item.language << ": " << item.ruleID;
    }
    ui::Texts::setLanguage(QStringLiteral("en"));
}

TEST_F(HistoryModelTest, EachRecordShowsWhatTheTrashHeldAtTheLastReload) {
    HistoryRecord restored = trashed("restored", 4'000, someDay + 1s);
    restored.restored = true;
    const HistoryRecord taken = trashed("taken", 3'000, someDay + 2s, "cache.npm");
    writeFile(taken.originalPath, "new");
    const HistoryRecord missing = trashed("missing", 2'000, someDay + 3s);
    std::filesystem::remove(missing.trashedPath);
    const HistoryRecord restorable = trashed("restorable", 1'000, someDay + 4s);
    write({restored, taken, missing, restorable});
    model.reload();

    EXPECT_THAT(statuses(model),
                ElementsAre("restored", "originalPathTaken", "missingFromTrash", "restorable"));
    EXPECT_EQ(cell(model, 0, Role::ItemsTextRole), "4 items · 10 KB");
    EXPECT_EQ(cell(model, 0, Role::RestoredTextRole), "· 1 put back");
    EXPECT_EQ(cell(model, 0, Role::RestorableCountRole), 1);
    EXPECT_EQ(model.totalMovedBytes(), 6'000);
    EXPECT_EQ(cell(model, 2, Role::RuleTitleRole), "npm cache");
    EXPECT_EQ(cell(model, 1, Role::RuleTitleRole), "");
    // The place it came from in full, home folder included: no "~" here.
    EXPECT_EQ(cell(model, 2, Role::PathRole), QString::fromStdString(taken.originalPath));
    EXPECT_EQ(cell(model, 2, Role::HelpRole),
              QString::fromStdString("Something new is at " + taken.originalPath +
                                     ". Move or rename it first; Tandor never overwrites files."));
    const std::vector<bool> inTrash{false, true, false, true};
    for (int record = 0; record < 4; ++record) {
        EXPECT_EQ(cell(model, record + 1, Role::CanShowInTrashRole).toBool(),
                  inTrash[std::size_t(record)]);
    }

    // The Trash is checked again only by a reload.
    std::filesystem::remove(restorable.trashedPath);
    EXPECT_EQ(statuses(model).back(), "restorable");
    model.reload();
    EXPECT_EQ(statuses(model).back(), "missingFromTrash");
    EXPECT_TRUE(model.restorableIDs(model.sessions().front()).empty());
}

struct RestoreCase {
    const char* name;
    std::vector<bool> restorable;
    // With "%E" standing for the error of the first record that fails.
    std::string message;
};

class HistoryRestore : public HistoryModelTest,
                       public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(HistoryRestore, TheMessageSaysWhatCameBackAndWhatDidNot) {
    std::vector<HistoryRecord> records;
    std::string error;
    for (std::size_t i = 0; i < GetParam().restorable.size(); ++i) {
        records.push_back(trashed("report" + std::to_string(i) + ".pdf", 2'400'000, someDay));
        if (!GetParam().restorable[i]) {
            writeFile(records.back().originalPath, "taken");
            if (error.empty()) {
                error = ReviewError::restoreTargetExists(records.back().originalPath).what();
            }
        }
    }
    write(records);
    model.reload();
    std::vector<UUID> ids;
    for (const auto& record : records) {
        ids.push_back(record.id);
    }

    model.restore(ids);
    std::string expected = GetParam().message;
    if (const auto at = expected.find("%E"); at != std::string::npos) {
        expected.replace(at, 2, error);
    }
    EXPECT_EQ(model.message().toStdString(), expected);
    // The model read back what the restore wrote; a reload keeps the message.
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(statuses(model)[i], GetParam().restorable[i] ? "restored" : "originalPathTaken");
    }
    model.reload();
    EXPECT_EQ(model.message().toStdString(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HistoryRestore,
    ::testing::Values(
        RestoreCase{
            "One", {true}, "Put back report0.pdf (2.4 MB). Scan again to see them in Browse."},
        RestoreCase{"Several",
                    {true, true, false},
                    "Put back 2 items (4.8 MB). 1 could not be restored: %E Scan again to see "
                    "them in Browse."},
        RestoreCase{"NothingCameBack", {false}, "1 could not be restored: %E"}),
    [](const ::testing::TestParamInfo<RestoreCase>& shown) {
        return std::string(shown.param.name);
    });

// The item came back although the history could not be saved after it: the
// message says both.
TEST_F(HistoryModelTest, ARestoreWhoseSaveFailedSaysTheItemCameBack) {
    const HistoryRecord record = trashed("report.pdf", 2'400'000, someDay);
    write({record});
    model.reload();
    const std::string lock = CleanupHistory::defaultURL() + ".lock";
    std::filesystem::remove(lock);
    std::filesystem::create_directory(lock);

    model.restore({record.id});
    EXPECT_THAT(model.message().toStdString(),
                StartsWith("Put back report.pdf (2.4 MB). Could not save the cleanup history: "));
    EXPECT_THAT(model.message().toStdString(), EndsWith(" Scan again to see them in Browse."));
    EXPECT_EQ(contentsOf(record.originalPath), "report.pdf");
}

TEST_F(HistoryModelTest, AFileThatCannotBeReadKeepsTheLastSessionsAndStaysAsItIs) {
    write({trashed("a", 1, someDay)});
    model.reload();
    const std::string file = CleanupHistory::defaultURL();
    writeFile(file, "{ not a history");

    model.reload();
    EXPECT_THAT(model.loadError().toStdString(),
                StartsWith("Could not read the cleanup history: Cannot decode " + file));
    EXPECT_EQ(model.sessions().size(), 1u);
    EXPECT_EQ(contentsOf(file), "{ not a history");

    std::filesystem::remove(file);
    model.reload();
    EXPECT_TRUE(model.loadError().isEmpty());
    EXPECT_FALSE(model.hasSessions());
}

// A commit made after the model read the history, then a reload that fails:
// putting back an older record must not drop the newer one. A name that is not
// UTF-8 comes back at its very bytes.
TEST_F(HistoryModelTest, ARestoreKeepsRecordsWrittenSinceTheLastGoodReload) {
    const testing::SettingsFolder settings;
    ScanModel scanModel;
    const std::string first = home / "Documents/caf\xE9.txt";
    const std::string second = home / "Documents/second.txt";
    writeFile(first, "first");
    writeFile(second, "second");
    scanModel.addToPile({first, 5, std::nullopt});
    scanModel.commitPile();
    model.reload();
    ASSERT_EQ(model.sessions().size(), 1u);

    scanModel.addToPile({second, 6, std::nullopt});
    scanModel.commitPile();
    const std::string file = CleanupHistory::defaultURL();
    std::filesystem::rename(file, file + ".aside");
    std::filesystem::create_directory(file);
    model.reload();
    ASSERT_FALSE(model.loadError().isEmpty());
    std::filesystem::remove(file);
    std::filesystem::rename(file + ".aside", file);

    model.restoreRow(1);
    EXPECT_THAT(model.message().toStdString(), StartsWith("Put back caf"));
    EXPECT_EQ(contentsOf(first), "first");
    const auto records = CleanupHistory(file).records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[0].restored);
    EXPECT_EQ(records[1].originalPath, second);
    EXPECT_THAT(statuses(model), ElementsAre("restored", "restorable"));
}

}  // namespace
}  // namespace tandor::history_model_tests
