#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <optional>
#include <vector>

#include "Onboarding/OnboardingFlow.hpp"
#include "Onboarding/OnboardingModel.hpp"
#include "Onboarding/TourGeometry.hpp"
#include "Onboarding/TutorialTour.hpp"
#include "SettingsFolder.hpp"

namespace tandor {
namespace {

using OnboardingFlow::AccessForm;
using OnboardingFlow::Action;
using OnboardingFlow::Step;

struct StepCase {
    Step step;
    Action action;
    AccessForm form;
    std::optional<Step> next;
};

class OnboardingSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(OnboardingSteps, EachButtonLeadsWhereItSays) {
    const auto& c = GetParam();
    EXPECT_EQ(OnboardingFlow::next(c.step, c.action, c.form), c.next)
        << OnboardingFlow::rawValue(c.step) << " " << static_cast<int>(c.action) << " "
        << OnboardingFlow::rawValue(c.form);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OnboardingSteps,
    ::testing::Values(
        // The tour's "Skip" and "Get Started" both lead to the access page.
        StepCase{Step::tour, Action::tourDone, AccessForm::plain, Step::access},
        StepCase{Step::tour, Action::back, AccessForm::plain, std::nullopt},
        StepCase{Step::tour, Action::continueToReady, AccessForm::granted, std::nullopt},
        StepCase{Step::access, Action::back, AccessForm::instructions, Step::tour},
        StepCase{Step::access, Action::back, AccessForm::plain, Step::tour},
        // "Skip for Now" only where the instructions show, "Continue" elsewhere.
        StepCase{Step::access, Action::skipForNow, AccessForm::instructions, Step::ready},
        StepCase{Step::access, Action::continueToReady, AccessForm::instructions, std::nullopt},
        StepCase{Step::access, Action::continueToReady, AccessForm::granted, Step::ready},
        StepCase{Step::access, Action::continueToReady, AccessForm::plain, Step::ready},
        StepCase{Step::access, Action::skipForNow, AccessForm::plain, std::nullopt},
        StepCase{Step::access, Action::tourDone, AccessForm::plain, std::nullopt},
        StepCase{Step::ready, Action::back, AccessForm::granted, Step::access},
        StepCase{Step::ready, Action::continueToReady, AccessForm::plain, std::nullopt}));

TEST(OnboardingAccessForm, InstructionsAndTheOffNoteOnlyWhereThePermissionCanBeGranted) {
    struct Case {
        bool granted;
        bool hasSettingsAddress;
        AccessForm form;
        bool note;
    };
    for (const Case& c : {Case{true, true, AccessForm::granted, false},
                          Case{true, false, AccessForm::granted, false},
                          Case{false, true, AccessForm::instructions, true},
                          Case{false, false, AccessForm::plain, false}}) {
        const AccessForm form = OnboardingFlow::accessForm(c.granted, c.hasSettingsAddress);
        EXPECT_EQ(form, c.form) << c.granted << c.hasSettingsAddress;
        EXPECT_EQ(OnboardingFlow::showsAccessOffNote(form), c.note)
            << c.granted << c.hasSettingsAddress;
    }
}

TEST(OnboardingPageLayout, TheArtSideFollowsTheHeightBetween110And280) {
    struct Case {
        double height;
        double bottomRoom;
        double side;
    };
    for (const Case& c : {Case{600, 8, 280}, Case{518, 8, 280}, Case{517, 8, 279},
                          Case{400, 8, 162}, Case{348, 8, 110}, Case{300, 8, 110},
                          // A larger room under the subtitle lowers the art by as much.
                          Case{400, 40, 130}, Case{600, 100, 270}, Case{300, 40, 110}}) {
        EXPECT_DOUBLE_EQ(TourLayout::artSide(c.height, c.bottomRoom), c.side)
            << c.height << " " << c.bottomRoom;
    }
}

TEST(TutorialTourPaging, ButtonsAndArrowsOfEveryPage) {
    using TutorialTour::Button;
    using TutorialTour::Key;
    struct Case {
        int page;
        Button leading;
        Button main;
        std::optional<int> afterLeading;  // none: the tour ends
        std::optional<int> afterMain;
        std::optional<int> afterLeft;  // none: nothing changes
        std::optional<int> afterRight;
    };
    for (const Case& c :
         {Case{0, Button::skip, Button::next, std::nullopt, 1, std::nullopt, 1},
          Case{1, Button::back, Button::next, 0, 2, 0, 2},
          Case{2, Button::back, Button::next, 1, 3, 1, 3},
          Case{3, Button::back, Button::getStarted, 2, std::nullopt, 2, std::nullopt}}) {
        EXPECT_EQ(TutorialTour::leadingButton(c.page), c.leading) << c.page;
        EXPECT_EQ(TutorialTour::mainButton(c.page), c.main) << c.page;
        EXPECT_EQ(TutorialTour::pageAfter(c.page, c.leading), c.afterLeading) << c.page;
        EXPECT_EQ(TutorialTour::pageAfter(c.page, c.main), c.afterMain) << c.page;
        EXPECT_EQ(TutorialTour::pageAfterKey(c.page, Key::left), c.afterLeft) << c.page;
        EXPECT_EQ(TutorialTour::pageAfterKey(c.page, Key::right), c.afterRight) << c.page;
    }
}

TEST(SwipeDemoPoses, MiddleLeftMiddleRightAndRound) {
    using Pose = TourLayout::SwipePose;
    const Pose middle{0, 0, 1, 1, 1};
    const Pose left{-150, -12.5, 0.6, 1.25, 1};
    const Pose right{150, 12.5, 0.6, 1, 1.25};
    const std::vector<std::pair<int, Pose>> table = {{0, middle}, {1, left},   {2, middle},
                                                     {3, right},  {4, middle}, {5, left},
                                                     {7, right},  {401, left}};
    for (const auto& [step, pose] : table) {
        EXPECT_EQ(TourLayout::swipePose(step), pose) << step;
    }
}

// The model with a status it is told, and the settings page given or not.
class OnboardingModelTest : public ::testing::Test {
  protected:
    void use(std::optional<std::string> settingsAddress) {
        OnboardingModel::setAccessSource({[this] { return status; }, std::move(settingsAddress)});
    }
    void TearDown() override { OnboardingModel::setAccessSource({}); }

    const testing::SettingsFolder settings;
    FullDiskAccess::Status status = FullDiskAccess::Status::denied;
};

TEST_F(OnboardingModelTest, TheAccessPageTurnsGrantedOnItsOwnWithinTheInterval) {
    use("x-settings:privacy");
    OnboardingModel model;
    model.finishTour();
    ASSERT_EQ(model.step(), "access");
    EXPECT_EQ(model.accessForm(), "instructions");
    status = FullDiskAccess::Status::granted;
    QSignalSpy changed(&model, &OnboardingModel::accessChanged);
    ASSERT_TRUE(changed.wait(OnboardingModel::pollMilliseconds + 500));
    EXPECT_EQ(model.accessForm(), "granted");
    model.continueToReady();
    EXPECT_EQ(model.step(), "ready");
    EXPECT_FALSE(model.showsAccessOffNote());
}

TEST_F(OnboardingModelTest, AccessIsNotReadAgainOutsideTheAccessPage) {
    use("x-settings:privacy");
    OnboardingModel model;
    status = FullDiskAccess::Status::granted;
    QTest::qWait(OnboardingModel::pollMilliseconds + 300);
    EXPECT_EQ(model.accessForm(), "instructions");
}

TEST_F(OnboardingModelTest, WithoutASettingsPageNothingTellsTheUserToGrantAccess) {
    use(std::nullopt);
    status = FullDiskAccess::Status::unknown;
    OnboardingModel model;
    model.finishTour();
    EXPECT_EQ(model.accessForm(), "plain");
    model.skipForNow();
    EXPECT_EQ(model.step(), "access");
    model.continueToReady();
    EXPECT_EQ(model.step(), "ready");
    EXPECT_FALSE(model.showsAccessOffNote());
}

TEST_F(OnboardingModelTest, ScanHomeFolderEndsTheOnboardingOnlyFromTheReadyPage) {
    use(std::nullopt);
    OnboardingModel model;
    QSignalSpy finished(&model, &OnboardingModel::finished);
    model.scanHomeFolder();
    EXPECT_EQ(finished.count(), 0);
    model.finishTour();
    model.continueToReady();
    model.scanHomeFolder();
    EXPECT_EQ(finished.count(), 1);
}

}  // namespace
}  // namespace tandor
