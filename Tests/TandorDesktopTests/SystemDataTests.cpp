#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "SystemData/SystemDataModel.hpp"
#include "SystemData/SystemDataText.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::folderNode;
using Measurement = SystemDataItem::Measurement;

const HomePlaces places("/home/ann");

SystemDataItem item(SystemDataItem::Kind kind, Measurement measurement,
                    std::optional<std::int64_t> count = std::nullopt) {
    SystemDataItem made;
    made.kind = kind;
    made.title = "Logs";
    made.measurement = measurement;
    made.count = count;
    return made;
}

struct SizeCase {
    Measurement measurement;
    std::optional<std::int64_t> count;
    const char* text;
};

TEST(SystemDataText, SizeTextFollowsTheMeasurement) {
    ui::Texts::setLanguage(QStringLiteral("en"));
    const SizeCase cases[] = {
        {Measurement::measured(1'234'567'890), std::nullopt, "1.2 GB"},
        {Measurement::partial(1'234'567'890, 3), std::nullopt, "at least 1.2 GB"},
        {Measurement::notMeasurable(), std::nullopt, "not measurable"},
        {Measurement::notMeasurable(), 1, "1 snapshot"},
        {Measurement::notMeasurable(), 4, "4 snapshots"},
        {Measurement::notMeasurable(), 0, "0 snapshots"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(SystemDataText::sizeText(
                      item(SystemDataItem::Kind::snapshots, each.measurement, each.count)),
                  QString::fromUtf8(each.text));
    }
}

struct VolumeCase {
    const char* name;
    VolumeUsage volume;
    SystemDataText::VolumeAmounts amounts;
};

TEST(SystemDataText, VolumeAmountsNeverGoBelowZero) {
    const VolumeCase cases[] = {
        {"no figure for important usage", {1000, 400, std::nullopt}, {600, 0, 400, 600}},
        {"purgeable inside used", {1000, 400, 500}, {600, 100, 400, 500}},
        {"available above total", {1000, 1200, std::nullopt}, {0, 0, 1200, 0}},
        {"purgeable above used", {1000, 400, 1200}, {600, 800, 400, 0}},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(SystemDataText::volumeAmounts(each.volume), each.amounts) << each.name;
    }
}

TEST(SystemDataText, TheHintCountsTheUnreadableFoldersOfPartialItemsOnly) {
    SystemDataReport report;
    EXPECT_EQ(SystemDataText::unreadableFolderCount(report), 0);
    report.items = {item(SystemDataItem::Kind::logs, Measurement::partial(10, 3)),
                    item(SystemDataItem::Kind::swap, Measurement::measured(10)),
                    item(SystemDataItem::Kind::temporary, Measurement::partial(10, 2)),
                    item(SystemDataItem::Kind::snapshots, Measurement::notMeasurable(), 2)};
    EXPECT_EQ(SystemDataText::unreadableFolderCount(report), 5);
}

// An inspection that waits until the test lets it finish, and counts the
// inspections that ran.
class HeldInspection {
  public:
    SystemDataModel::Inspect inspect() {
        return [this](const FileNodePtr& tree, const HomePlaces&) {
            std::unique_lock lock(mutex_);
            ++started_;
            trees_.push_back(tree);
            released_.wait(lock, [&] { return release_ > 0; });
            --release_;
            SystemDataReport report;
            report.items = {item(SystemDataItem::Kind::logs, Measurement::measured(started_))};
            return report;
        };
    }

    void releaseOne() {
        const std::lock_guard lock(mutex_);
        ++release_;
        released_.notify_all();
    }

    int started() {
        const std::lock_guard lock(mutex_);
        return started_;
    }

    std::vector<FileNodePtr> trees() {
        const std::lock_guard lock(mutex_);
        return trees_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable released_;
    int started_ = 0;
    int release_ = 0;
    std::vector<FileNodePtr> trees_;
};

std::int64_t shownBytes(const SystemDataModel& model) {
    return *model.report()->items.front().measurement.bytes();
}

TEST(SystemDataModel, RunsOneInspectionAtATimeAndPublishesTheReportBeforeTheFlagFalls) {
    HeldInspection held;
    SystemDataModel model({held.inspect(), nullptr});
    std::vector<std::pair<bool, bool>> seenAtFlag;
    QObject::connect(&model, &SystemDataModel::isLoadingChanged,
                     [&] { seenAtFlag.emplace_back(model.isLoading(), model.hasReport()); });
    const auto tree = folderNode("/home/ann");

    model.load(tree, places);
    model.load(tree, places);
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.started() == 1; }, 5000));
    EXPECT_TRUE(model.isLoading());
    EXPECT_FALSE(model.hasReport());
    held.releaseOne();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isLoading(); }, 5000));

    EXPECT_EQ(held.started(), 1);
    EXPECT_EQ(held.trees().front(), tree);
    EXPECT_THAT(seenAtFlag, ::testing::ElementsAre(std::pair(true, false), std::pair(false, true)));
}

TEST(SystemDataModel, MeasuringAgainKeepsTheOldReportUntilTheNewOneArrives) {
    HeldInspection held;
    SystemDataModel model({held.inspect(), nullptr});
    model.load(FileNodePtr(), places);
    held.releaseOne();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isLoading(); }, 5000));
    EXPECT_EQ(shownBytes(model), 1);

    model.load(FileNodePtr(), places);
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.started() == 2; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(shownBytes(model), 1);
    EXPECT_TRUE(model.isLoading());
    held.releaseOne();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isLoading(); }, 5000));
    EXPECT_EQ(shownBytes(model), 2);
}

TEST(SystemDataModel, AModelGoneBeforeItsReportDropsIt) {
    HeldInspection held;
    auto model =
        std::make_unique<SystemDataModel>(SystemDataModel::Services{held.inspect(), nullptr});
    model->load(FileNodePtr(), places);
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.started() == 1; }, 5000));
    model.reset();
    held.releaseOne();
    QTest::qWait(50);
}

TEST(SystemDataModel, MeasuresTheHomeWithoutWhatACommitMovedToTheTrash) {
    testing::SettingsFolder settings;
    testing::FixtureHome home;
    const std::string moved = home / ".cache/app/blob";
    testing::writeAgedFile(moved, 1'000'000, 1);
    testing::writeAgedFile(home / ".cache/app/kept", 1'000'000, 1);
    ScanModel scan;
    ASSERT_TRUE(scan.scanHome());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !scan.isScanning(); }, 60'000));
    ASSERT_TRUE(scan.addToPile({moved, 1'000'000, std::nullopt}));
    scan.commitPile();
    ASSERT_TRUE(scan.movedSinceScan().contains(moved)) << scan.lastCommitMessage().toStdString();

    HeldInspection held;
    SystemDataModel model({held.inspect(), nullptr});
    model.load(&scan);
    held.releaseOne();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isLoading(); }, 5000));
    const FileNodePtr measured = held.trees().front();
    ASSERT_NE(measured, nullptr);
    EXPECT_EQ(measured->nodeAt(moved), nullptr);
    EXPECT_EQ(measured->nodeAt(home / ".cache")->allocatedSize(),
              scan.root()->nodeAt(home / ".cache")->allocatedSize() -
                  scan.root()->nodeAt(moved)->allocatedSize());
}

TEST(SystemDataModel, TheLegendsAndBarFollowTheVolume) {
    ui::Texts::setLanguage(QStringLiteral("en"));
    SystemDataModel model({[](const FileNodePtr&, const HomePlaces&) {
                               SystemDataReport report;
                               report.volume = VolumeUsage{1'000'000, 400'000, 500'000};
                               return report;
                           },
                           nullptr});
    model.load(FileNodePtr(), places);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.hasReport(); }, 5000));
    EXPECT_EQ(model.usedText(), "Used 600 KB");
    EXPECT_EQ(model.purgeableText(), "Purgeable 100 KB");
    EXPECT_EQ(model.freeText(), "Free 400 KB");
    EXPECT_EQ(model.volumeValues(), (QVariantList{500'000.0, 100'000.0, 400'000.0}));
    EXPECT_EQ(model.headline(), "Tandor measured 0 bytes of System Data");
}

TEST(SystemDataModel, WithoutAVolumeNoBarOrLegendShows) {
    SystemDataModel model(
        {[](const FileNodePtr&, const HomePlaces&) { return SystemDataReport(); }, nullptr});
    model.load(FileNodePtr(), places);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.hasReport(); }, 5000));
    EXPECT_FALSE(model.hasVolume());
    EXPECT_TRUE(model.volumeValues().isEmpty());
    EXPECT_TRUE(model.usedText().isEmpty());
    EXPECT_TRUE(model.rows().isEmpty());
}

TEST(SystemDataModel, AWhereLineOpensItsOwnFolder) {
    std::vector<std::string> opened;
    SystemDataModel model({[](const FileNodePtr&, const HomePlaces&) {
                               SystemDataReport report;
                               auto logs =
                                   item(SystemDataItem::Kind::logs, Measurement::measured(1));
                               logs.paths = {"/home/ann/Library/Logs", "/var/log"};
                               report.items = {logs};
                               return report;
                           },
                           [&](const std::string& path) { opened.push_back(path); }});
    model.load(FileNodePtr(), places);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.hasReport(); }, 5000));
    model.openFolder(0, 1);
    model.openFolder(0, 2);
    model.openFolder(1, 0);
    EXPECT_THAT(opened, ::testing::ElementsAre("/var/log"));
}

}  // namespace
}  // namespace tandor
