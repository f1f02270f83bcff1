#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>

#include "MainWindow.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "SystemData/SystemDataModel.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::click;

SystemDataReport reportOf(std::int64_t logBytes, std::int64_t unreadable) {
    SystemDataReport report;
    report.volume = VolumeUsage{2'000'000, 500'000, std::nullopt};
    SystemDataItem logs;
    logs.kind = SystemDataItem::Kind::logs;
    logs.title = "Logs";
    logs.paths = {"/home/ann/Library/Logs"};
    logs.measurement = unreadable > 0 ? SystemDataItem::Measurement::partial(logBytes, unreadable)
                                      : SystemDataItem::Measurement::measured(logBytes);
    report.items = {logs};
    return report;
}

// The main window after a real scan of a fixture home whose cache folder
// XDG_CACHE_HOME moved while the scan ran, with the System Data tab shown.
class SystemDataTabTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::filesystem::create_directories(home / "Library/Logs");
        std::ofstream(home / "Library/Logs/app.log") << "log";
        std::filesystem::create_directories(home / "xdg-cache");
        std::ofstream(home / "xdg-cache/thumbnail.png") << "png";
        ASSERT_NO_FATAL_FAILURE(loadWindow());
        testing::EnvironmentOverride cacheHome;
        cacheHome.set("XDG_CACHE_HOME", home / "xdg-cache");
        ASSERT_TRUE(model.scanHome());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return model.phase() == ScanModel::Phase::ready; }, 60'000));
    }

    // The paths of the row of this id.
    QStringList pathsOf(const QString& id) {
        for (const auto& row : systemData()->rows()) {
            const auto fields = row.toMap();
            if (fields[QStringLiteral("id")].toString() == id) {
                return fields[QStringLiteral("paths")].toStringList();
            }
        }
        return {};
    }

    QString shownText(const char* name) const {
        const auto items = shown(name);
        return items.isEmpty() ? QString() : items.front()->property("text").toString();
    }

    SystemDataModel* systemData() const {
        const auto views = shown("systemDataView");
        return views.isEmpty()
                   ? nullptr
                   : views.front()->findChild<SystemDataModel*>(QStringLiteral("systemDataModel"));
    }
};

TEST_F(SystemDataTabTest, MeasuresWithTheScanTreeAndShowsTheLogsItFound) {
    showTab("System Data");
    ASSERT_NE(systemData(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return systemData()->hasReport(); }, 30'000));
    QTest::qWait(50);
    EXPECT_TRUE(shown("systemDataProgress").isEmpty());
    EXPECT_THAT(shownText("systemDataHeadline").toStdString(),
                ::testing::StartsWith("Tandor measured "));
    EXPECT_EQ(shown("volumeBar").size(), 1);
    EXPECT_TRUE(shown("purgeableLegend").isEmpty());
    // The machine's own /tmp and /var change while other tests run, so a
    // folder may vanish between listing and reading: the hint follows the
    // report, whatever it holds.
    EXPECT_EQ(shown("systemDataHint").isEmpty(), systemData()->unreadableCount() == 0);
    EXPECT_TRUE(
        pathsOf(QStringLiteral("logs")).contains(QString::fromStdString(home / "Library/Logs")));
    EXPECT_TRUE(
        pathsOf(QStringLiteral("temporary")).contains(QString::fromStdString(home / "xdg-cache")))
        << "the cache folder of the scan, not one read again";
}

TEST_F(SystemDataTabTest, MeasureAgainKeepsTheOldReportOnScreenUntilTheNewOne) {
    showTab("System Data");
    ASSERT_TRUE(QTest::qWaitFor([&] { return systemData() && systemData()->hasReport(); }, 30'000));
    std::mutex mutex;
    std::condition_variable released;
    bool release = false;
    systemData()->setServices({[&](const FileNodePtr&, const HomePlaces&) {
                                   std::unique_lock lock(mutex);
                                   released.wait(lock, [&] { return release; });
                                   return reportOf(3'000'000, 4);
                               },
                               nullptr});
    const QString before = shownText("systemDataHeadline");

    click(shown("measureAgainButton").front());
    QTest::qWait(50);
    EXPECT_FALSE(shown("measureAgainButton").front()->isEnabled());
    EXPECT_EQ(shownText("systemDataHeadline"), before);
    {
        const std::lock_guard lock(mutex);
        release = true;
        released.notify_all();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !systemData()->isLoading(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(shownText("systemDataHeadline"), "Tandor measured 3 MB of System Data");
    EXPECT_TRUE(shown("measureAgainButton").front()->isEnabled());
    EXPECT_EQ(shownText("fullDiskAccessHintText"),
              "4 folders could not be read. Your user account may not have permission to read "
              "them.");
    EXPECT_TRUE(shown("openSettings").isEmpty());
    EXPECT_EQ(shown("freeLegend").front()->property("text").toString(), "Free 500 KB");
}

// Each showing of the tab is a new view with a new model that measures anew;
// the button belongs to the tab alone.
TEST_F(SystemDataTabTest, ShowingTheTabAgainMakesANewModel) {
    EXPECT_TRUE(shown("measureAgainButton").isEmpty());
    showTab("System Data");
    auto* first = systemData();
    ASSERT_NE(first, nullptr);
    const QPointer<SystemDataModel> firstModel(first);
    showTab("Suggestions");
    EXPECT_TRUE(shown("measureAgainButton").isEmpty());
    QTest::qWait(50);
    showTab("System Data");
    EXPECT_NE(systemData(), nullptr);
    EXPECT_TRUE(firstModel.isNull());
    ASSERT_TRUE(QTest::qWaitFor([&] { return systemData()->hasReport(); }, 30'000));
}

}  // namespace
}  // namespace tandor
