#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>

#include "Smart/AutomationModel.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorSmartTests/SmartTestSupport.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::daysBefore;
using testing::file;
using testing::filesRule;
using testing::filterOn;
using testing::fixedNow;
using testing::folder;
using ::testing::HasSubstr;
using testing::homeTree;
using ::testing::IsEmpty;
using testing::secondsBefore;
using ::testing::SizeIs;

constexpr std::int64_t megabytes = 1'000'000;
constexpr std::int64_t gigabytes = 1'000'000'000;

std::shared_ptr<const LastUsedReader> noDates(const FileNodePtr&) {
    return testing::readerOf();
}

const AutomationRule dmgRule = filesRule(filterOn("Downloads", {"dmg"}), "rule.dmg");
const AutomationRule zipRule = filesRule(filterOn("Downloads", {"zip"}), "rule.zip");

// Downloads with the given files.
FileNodePtr downloads(std::vector<testing::Node> files) {
    return homeTree({folder("Downloads", std::move(files))});
}

const FileNodePtr smallTree = downloads({file("a.dmg", 1 * megabytes), file("b.dmg", megabytes),
                                         file("c.dmg", megabytes / 2), file("d.zip", megabytes)});

// The model over a store in a folder of its own, with a clock the test moves.
class AutomationModelTest : public ::testing::Test {
  protected:
    AutomationModelTest() { ui::Texts::setLanguage(QStringLiteral("en")); }

    std::string supportFolder() const { return folder_ / "Tandor"; }
    std::string storeURL() const { return supportFolder() + "/automations.json"; }

    AutomationModel make() {
        return AutomationModel({storeURL(), [this] { return history; }, noDates,
                                [this] { return now; }, testing::home, packageStatus});
    }

    // Later writes into the support folder fail: a regular file takes its place.
    void breakSupportFolder() const {
        std::filesystem::remove_all(supportFolder());
        testing::writeFile(supportFolder(), "not a folder");
    }

    testing::TemporaryFolder folder_;
    std::vector<HistoryRecord> history;
    Date now = fixedNow();
    std::string packageStatus;
};

struct CanEnableCase {
    const char* name;
    // Seconds between the preview and the question; none for no preview.
    std::optional<std::int64_t> previewAge;
    bool changeCondition;
    bool expected;
};

class CanEnable : public AutomationModelTest,
                  public ::testing::WithParamInterface<CanEnableCase> {};

TEST_P(CanEnable, OnlyAFreshPreviewOfTheSameRuleAllowsTurningOn) {
    const auto& parameter = GetParam();
    auto model = make();
    if (parameter.previewAge) {
        now = secondsBefore(fixedNow(), *parameter.previewAge);
        model.preview(dmgRule, smallTree);
        now = fixedNow();
    }
    AutomationRule asked = dmgRule;
    if (parameter.changeCondition) {
        asked.condition = AutomationRule::Condition::files(filterOn("Downloads", {"dmg", "pkg"}));
    }
    EXPECT_EQ(model.canEnable(asked), parameter.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Previews, CanEnable,
    ::testing::Values(CanEnableCase{"NeverPreviewed", std::nullopt, false, false},
                      CanEnableCase{"PreviewedJustNow", 0, false, true},
                      CanEnableCase{"PreviewedADayAgo", 86'400, false, true},
                      CanEnableCase{"PreviewedADayAndASecondAgo", 86'401, false, false},
                      CanEnableCase{"ConditionChangedSince", 0, true, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(AutomationModelTest, TurningOnAFreshPreviewListsItAndSaysSo) {
    auto model = make();
    model.preview(dmgRule, smallTree);
    model.enable(dmgRule);
    ASSERT_THAT(model.enabled(), SizeIs(1));
    EXPECT_EQ(model.enabled()[0].previewedCount, 3);
    EXPECT_TRUE(model.previews().contains("rule.dmg"));
    EXPECT_EQ(model.message().toStdString(),
              "A rule is on. It fills the pile; nothing moves until you confirm.");
    EXPECT_THAT(make().enabled(), SizeIs(1));
}

TEST_F(AutomationModelTest, PreviewsCountTheInstallersOfThePackagesDpkgLists) {
    testing::writeFile(folder_ / "status", "Package: bash\nStatus: install ok installed\n");
    const AutomationRule installers = testing::ruleWith(
        AutomationRule::Condition::builtInRule("installers.installedApps"), "rule.installers");
    const auto tree = downloads({file("bash_9.9.9-1_amd64.deb", 20 * megabytes)});
    for (const auto& [status, expected] :
         {std::pair<std::string, std::size_t>{"", 0}, {folder_ / "status", 1}}) {
        packageStatus = status;
        auto model = make();
        model.preview(installers, tree);
        EXPECT_THAT(model.previews().at("rule.installers").items, SizeIs(expected)) << status;
    }
}

TEST_F(AutomationModelTest, TurningOnAStalePreviewSaysToPreviewAgain) {
    auto model = make();
    now = daysBefore(fixedNow(), 2);
    model.preview(dmgRule, smallTree);
    now = fixedNow();
    model.enable(dmgRule);
    EXPECT_THAT(model.enabled(), IsEmpty());
    EXPECT_EQ(model.message().toStdString(),
              "Preview the rule rule.dmg again before turning it on.");
}

TEST_F(AutomationModelTest, TurningOnWithoutAPreviewChangesNothing) {
    auto model = make();
    model.enable(dmgRule);
    EXPECT_THAT(model.enabled(), IsEmpty());
    EXPECT_TRUE(model.message().isEmpty());
}

TEST_F(AutomationModelTest, AFailedWriteWhenTurningOnIsSaidAndNothingIsListed) {
    auto model = make();
    model.preview(dmgRule, smallTree);
    breakSupportFolder();
    model.enable(dmgRule);
    EXPECT_THAT(model.enabled(), IsEmpty());
    EXPECT_THAT(model.message().toStdString(), HasSubstr(supportFolder()));
}

TEST_F(AutomationModelTest, TurningOffForgetsThePausedReason) {
    auto model = make();
    model.preview(dmgRule, downloads({file("a.dmg", megabytes)}));
    model.enable(dmgRule);
    ReviewPile pile;
    model.run(
        downloads({file("a.dmg", 20 * gigabytes)}),
        [&](ReviewPile::Entry entry) { return pile.add(std::move(entry)); }, false);
    ASSERT_TRUE(model.paused().contains("rule.dmg"));
    model.disable("rule.dmg");
    EXPECT_THAT(model.enabled(), IsEmpty());
    EXPECT_THAT(model.paused(), IsEmpty());
    EXPECT_THAT(make().enabled(), IsEmpty());
}

TEST_F(AutomationModelTest, AFailedWriteWhenTurningOffKeepsTheRowAndSaysWhy) {
    auto model = make();
    model.preview(dmgRule, smallTree);
    model.enable(dmgRule);
    breakSupportFolder();
    model.disable("rule.dmg");
    ASSERT_THAT(model.enabled(), SizeIs(1));
    EXPECT_THAT(model.message().toStdString(), HasSubstr(supportFolder()));
}

TEST_F(AutomationModelTest, AnUnreadableStoreIsSaidAndNeverWritten) {
    testing::writeFile(storeURL(), "not json");
    auto model = make();
    EXPECT_THAT(model.message().toStdString(), HasSubstr("automations.json could not be read: "));
    EXPECT_FALSE(model.hasStore());
    model.preview(dmgRule, smallTree);
    EXPECT_FALSE(model.canEnable(dmgRule));
    model.enable(dmgRule);
    model.disable("rule.dmg");
    EXPECT_THAT(model.enabled(), IsEmpty());
    EXPECT_EQ(testing::contentsOf(storeURL()), "not json");
}

TEST_F(AutomationModelTest, RefreshNeverProposesARuleThatIsOn) {
    const std::string downloadsFolder = std::string(testing::home) + "/Downloads/";
    for (int index = 0; index < 3; ++index) {
        history.emplace_back(downloadsFolder + std::to_string(index) + ".dmg",
                             "/trash/" + std::to_string(index), megabytes, std::nullopt,
                             daysBefore(fixedNow(), 10 + index));
    }
    auto model = make();
    model.refresh({});
    ASSERT_THAT(model.proposals(), SizeIs(1));
    const AutomationRule proposed = model.proposals()[0];
    model.preview(proposed, smallTree);
    model.enable(proposed);
    EXPECT_THAT(model.proposals(), IsEmpty());
    model.refresh({});
    EXPECT_THAT(model.proposals(), IsEmpty());
}

TEST_F(AutomationModelTest, AnUnreadableHistoryProposesFromTheScanAlone) {
    auto model = AutomationModel(
        {storeURL(), []() -> std::vector<HistoryRecord> { throw std::runtime_error("unreadable"); },
         noDates, [this] { return now; }, testing::home, ""});
    model.refresh({});
    EXPECT_THAT(model.proposals(), IsEmpty());
}

struct RunCase {
    const char* name;
    // Paths below the home folder already on the pile before the run.
    std::vector<std::string> onPile;
    std::string message;
};

class RunMessage : public AutomationModelTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RunMessage, CountsOnlyWhatThePileTook) {
    auto model = make();
    model.preview(dmgRule, smallTree);
    model.enable(dmgRule);
    ReviewPile pile;
    for (const auto& path : GetParam().onPile) {
        pile.add({std::string(testing::home) + "/" + path, 1, std::nullopt});
    }
    model.run(
        smallTree, [&](ReviewPile::Entry entry) { return pile.add(std::move(entry)); }, false);
    EXPECT_EQ(model.message().toStdString(), GetParam().message);
    ASSERT_THAT(model.enabled(), SizeIs(1));
    EXPECT_EQ(model.enabled()[0].lastRun, fixedNow());
}

INSTANTIATE_TEST_SUITE_P(
    Pile, RunMessage,
    ::testing::Values(
        RunCase{"EmptyPile",
                {},
                "Automations added 3 items (2.5 MB) to the pile. Review them, then move them to "
                "the Trash."},
        RunCase{"OneAlreadyThere",
                {"Downloads/a.dmg"},
                "Automations added 2 items (1.5 MB) to the pile. Review them, then move them to "
                "the Trash."},
        RunCase{"FolderAlreadyThere", {"Downloads"}, "Automations found nothing new."}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(AutomationModelTest, ARunPausesWhatGrewAndRecordsOnlyTheOthers) {
    auto model = make();
    const auto approved = downloads({file("a.dmg", megabytes), file("d.zip", megabytes)});
    model.preview(dmgRule, approved);
    model.enable(dmgRule);
    model.preview(zipRule, approved);
    model.enable(zipRule);
    ReviewPile pile;
    const auto sink = [&](ReviewPile::Entry entry) { return pile.add(std::move(entry)); };

    model.run(downloads({file("a.dmg", megabytes), file("d.zip", 20 * gigabytes)}), sink, false);
    EXPECT_EQ(pile.count(), 1U);
    ASSERT_THAT(model.enabled(), SizeIs(2));
    EXPECT_EQ(model.enabled()[0].lastRun, fixedNow());
    EXPECT_EQ(model.enabled()[1].lastRun, std::nullopt);
    ASSERT_TRUE(model.paused().contains("rule.zip"));
    EXPECT_THAT(model.paused().at("rule.zip"), HasSubstr("20"));

    model.run(approved, sink, false);
    EXPECT_THAT(model.paused(), IsEmpty());
}

// The evaluation runs on a worker; the user may turn an automation off before
// its results are applied.
TEST_F(AutomationModelTest, AnAutomationTurnedOffBeforeItsRunIsAppliedAddsNothing) {
    auto model = make();
    for (const auto& rule : {dmgRule, zipRule}) {
        model.preview(rule, smallTree);
        model.enable(rule);
    }
    const auto evaluation = model.evaluation(smallTree, false);
    model.disable("rule.dmg");
    ReviewPile pile;
    model.applyRun(evaluation(),
                   [&](ReviewPile::Entry entry) { return pile.add(std::move(entry)); });
    ASSERT_EQ(pile.count(), 1U);
    EXPECT_EQ(pile.entries()[0].path, std::string(testing::home) + "/Downloads/d.zip");
    EXPECT_EQ(model.message().toStdString(),
              "Automations added 1 item (1 MB) to the pile. Review it, then move it to the "
              "Trash.");
    ASSERT_THAT(model.enabled(), SizeIs(1));
    EXPECT_EQ(model.enabled()[0].rule.id, "rule.zip");
}

TEST_F(AutomationModelTest, ARunWithNothingOnFindsNothingNew) {
    auto model = make();
    ReviewPile pile;
    model.run(
        smallTree, [&](ReviewPile::Entry entry) { return pile.add(std::move(entry)); }, false);
    EXPECT_EQ(model.message().toStdString(), "Automations found nothing new.");
    EXPECT_TRUE(pile.isEmpty());
}

}  // namespace
}  // namespace tandor
