#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "Smart/SmartModel.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;

// A scanned fixture home whose Downloads held three old .dmg files that the
// user then moved to the Trash, and one that is still there. The history of
// that commit makes the automations pane propose a rule for Downloads' .dmg
// files.
class SmartModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::Texts::setLanguage(QStringLiteral("en"));
        for (const std::string name : {"old1.dmg", "old2.dmg", "old3.dmg"}) {
            testing::writeAgedFile(home / ("Downloads/" + name), 2'000'000, 60);
        }
        testing::writeAgedFile(keep, 3'000'000, 60);
        ASSERT_TRUE(scan.scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !scan.isScanning(); }, 60'000));
        for (const std::string name : {"old1.dmg", "old2.dmg", "old3.dmg"}) {
            ASSERT_TRUE(scan.addToPile({home / ("Downloads/" + name), 2'000'000, std::nullopt}));
        }
        scan.commitPile();
        ASSERT_EQ(scan.movedSinceScan().size(), 3U);

        smart.refresh(&scan);
        ASSERT_EQ(smart.automations().proposals().size(), 1U);
        proposalID = smart.automations().proposals()[0].id;
    }

    // Previews the proposed rule and turns it on.
    void turnOn() {
        smart.preview(0, &scan);
        smart.enable(0);
        ASSERT_EQ(smart.automations().enabled().size(), 1U);
    }

    void waitForTheRun() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !smart.isRunning(); }, 60'000));
    }

    std::vector<std::string> pilePaths() const {
        std::vector<std::string> paths;
        for (const auto& entry : scan.pile().entries()) {
            paths.push_back(entry.path);
        }
        return paths;
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    const std::string keep = home / "Downloads/keep.dmg";
    ScanModel scan;
    SmartModel smart;
    std::string proposalID;
};

TEST_F(SmartModelTest, PreviewAndRunLeaveOutWhatAlreadyWentToTheTrash) {
    ASSERT_NO_FATAL_FAILURE(turnOn());
    const auto& preview = smart.automations().previews().at(proposalID);
    ASSERT_EQ(preview.items.size(), 1U);
    EXPECT_EQ(preview.items[0].path, keep);

    smart.runNow(&scan);
    ASSERT_NO_FATAL_FAILURE(waitForTheRun());
    EXPECT_THAT(pilePaths(), ElementsAre(keep));
    EXPECT_EQ(smart.message().toStdString(),
              std::string("Automations added 1 item (3 MB) to the pile. "
                          "Review it, then move it to the Trash."));
}

// The run's results reach the pile only once the main thread gets back to
// its events, after the commit below.
TEST_F(SmartModelTest, ARunLeavesOutWhatACommitMovedWhileItRan) {
    ASSERT_NO_FATAL_FAILURE(turnOn());
    ASSERT_TRUE(scan.addToPile({keep, 3'000'000, std::nullopt}));
    smart.runNow(&scan);
    scan.commitPile();
    ASSERT_NO_FATAL_FAILURE(waitForTheRun());
    EXPECT_TRUE(scan.pile().isEmpty());
    EXPECT_EQ(smart.message().toStdString(), std::string("Automations found nothing new."));
}

// Turning an automation off while its run is on the worker keeps its items
// off the pile and out of the message.
TEST_F(SmartModelTest, AnAutomationTurnedOffDuringItsRunAddsNothing) {
    ASSERT_NO_FATAL_FAILURE(turnOn());
    smart.runNow(&scan);
    smart.disable(0);
    ASSERT_NO_FATAL_FAILURE(waitForTheRun());
    EXPECT_TRUE(scan.pile().isEmpty());
    EXPECT_EQ(smart.message().toStdString(), std::string("Automations found nothing new."));
    EXPECT_TRUE(smart.automations().enabled().empty());
}

}  // namespace
}  // namespace tandor
