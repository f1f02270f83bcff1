#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SettingsFolder.hpp"
#include "Shell/ScanModel.hpp"
#include "Smart/SmartModel.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;

// A file of `bytes` allocated bytes, last changed and last read two months
// ago, so that an automation on its folder picks it.
void makeOldFile(const std::string& path, std::int64_t bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path).put('x');
    std::FILE* file = std::fopen(path.c_str(), "r+");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(::posix_fallocate(::fileno(file), 0, bytes), 0);
    std::fclose(file);
    const timespec twoMonthsAgo{.tv_sec = ::time(nullptr) - 60 * 86'400, .tv_nsec = 0};
    const timespec times[] = {twoMonthsAgo, twoMonthsAgo};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// A scanned fixture home whose Downloads held three old .dmg files that the
// user then moved to the Trash, and one that is still there. The history of
// that commit makes the automations pane propose a rule for Downloads' .dmg
// files.
class SmartModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::Texts::setLanguage(QStringLiteral("en"));
        for (const std::string name : {"old1.dmg", "old2.dmg", "old3.dmg"}) {
            ASSERT_NO_FATAL_FAILURE(makeOldFile(home / ("Downloads/" + name), 2'000'000));
        }
        ASSERT_NO_FATAL_FAILURE(makeOldFile(keep, 3'000'000));
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
              std::string("Automations added 1 items (3 MB) to the pile. "
                          "Review them, then move them to the Trash."));
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
