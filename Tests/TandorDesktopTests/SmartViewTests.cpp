#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "MainWindow.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::smart_view_tests {
namespace {

using testing::clickAndSettle;
using testing::itemWithText;

// The main window on a fixture home whose history holds three .dmg files
// moved out of Downloads, scanned with two more there, on the Smart tab.
class SmartTabTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const std::string name : {"old1.dmg", "old2.dmg", "old3.dmg"}) {
            testing::writeAgedFile(home / ("Downloads/" + name), 2'000'000, 60);
            ASSERT_TRUE(model.addToPile({home / ("Downloads/" + name), 2'000'000, std::nullopt}));
        }
        model.commitPile();
        ASSERT_EQ(model.pileCount(), 0);
        testing::writeAgedFile(home / "Downloads/new1.dmg", 3'000'000, 60);
        testing::writeAgedFile(home / "Downloads/new2.dmg", 3'000'000, 60);
        ASSERT_TRUE(model.scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));

        ASSERT_NO_FATAL_FAILURE(loadWindow());
        showTab("Smart", 100);
    }

    QString message() const {
        const auto* text = first("smartMessage");
        return text == nullptr ? QString() : text->property("text").toString();
    }
};

TEST_F(SmartTabTest, APreviewedProposalIsTurnedOnRunIntoThePileAndTurnedOff) {
    ASSERT_EQ(shown("proposalCard").size(), 1);
    auto* turnOn = first("turnOnButton");
    ASSERT_NE(turnOn, nullptr);
    EXPECT_FALSE(turnOn->isEnabled());
    EXPECT_NE(itemWithText(window->contentItem(), QStringLiteral("No automation is on yet.")),
              nullptr);

    clickAndSettle(first("previewButton"));
    EXPECT_NE(
        itemWithText(window->contentItem(), QStringLiteral("Today it would pick 2 items, 6 MB")),
        nullptr);
    ASSERT_TRUE(first("turnOnButton")->isEnabled());
    clickAndSettle(first("turnOnButton"));
    EXPECT_TRUE(shown("proposalCard").isEmpty());
    ASSERT_EQ(shown("enabledAutomationRow").size(), 1);
    EXPECT_THAT(message().toStdString(),
                ::testing::EndsWith(" is on. It fills the pile; nothing moves until you confirm."));

    // A run is announced to the pile's views once, however many items it adds.
    QSignalSpy announced(&model, &ScanModel::pileChanged);
    clickAndSettle(first("runNowButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first("runNowButton")->isEnabled(); }, 10'000));
    EXPECT_EQ(model.pileCount(), 2);
    EXPECT_EQ(announced.count(), 1);
    EXPECT_EQ(message(), QStringLiteral("Automations added 2 items (6 MB) to the pile. Review "
                                        "them, then move them to the Trash."));
    clickAndSettle(first("runNowButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first("runNowButton")->isEnabled(); }, 10'000));
    EXPECT_EQ(message(), QStringLiteral("Automations found nothing new."));
    EXPECT_EQ(announced.count(), 1);

    clickAndSettle(first("turnOffButton"));
    EXPECT_TRUE(shown("enabledAutomationRow").isEmpty());
    EXPECT_NE(itemWithText(window->contentItem(), QStringLiteral("No automation is on yet.")),
              nullptr);
}

TEST_F(SmartTabTest, ChoosingAppsAndBackBuildsTheAutomationsAfresh) {
    ASSERT_EQ(shown("automationsView").size(), 1);
    auto* automations = first("automationsView");
    clickAndSettle(itemWithText(first("smartPanePicker"), QStringLiteral("Apps")));
    EXPECT_TRUE(shown("automationsView").isEmpty());
    clickAndSettle(itemWithText(first("smartPanePicker"), QStringLiteral("Automations")));
    ASSERT_EQ(shown("automationsView").size(), 1);
    EXPECT_NE(first("automationsView"), automations);
    EXPECT_EQ(shown("proposalCard").size(), 1);
}

}  // namespace
}  // namespace tandor::smart_view_tests
