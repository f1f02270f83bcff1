#include <gtest/gtest.h>

#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "MainWindow.hpp"
#include "Onboarding/OnboardingModel.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/TemporaryFolder.hpp"
#include "ViewLoading.hpp"

namespace tandor {
namespace {

using testing::click;

// The main window with fresh settings on a fixture home, splash dismissed,
// driven by real keys and clicks.
class FirstLaunchTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::filesystem::create_directories(home / "Documents");
        std::ofstream(home / "Documents/notes.txt") << "notes";
    }

    void load() {
        ASSERT_NO_FATAL_FAILURE(loadWindow());
        window->requestActivate();
    }

    void TearDown() override {
        OnboardingModel::setAccessSource({});
        MainWindowFixture::TearDown();
    }

    // The visible item of this object name (loaded items and popups are not
    // QObject children of the window).
    QQuickItem* item(const char* name) const { return first(name); }

    // The object of this name, shown or not, in the visual tree or among the
    // direct children of its items (a demonstration's timer or animation).
    QObject* object(const char* name) const {
        const QString wanted = QString::fromUtf8(name);
        QList<QQuickItem*> pending{window->contentItem()};
        while (!pending.isEmpty()) {
            QQuickItem* next = pending.takeFirst();
            if (next->objectName() == wanted) {
                return next;
            }
            if (auto* child = next->findChild<QObject*>(wanted, Qt::FindDirectChildrenOnly)) {
                return child;
            }
            pending.append(next->childItems());
        }
        return nullptr;
    }

    int tourPage(const char* tourName) const {
        auto* tour = item(tourName);
        return tour == nullptr ? -1 : tour->property("page").toInt();
    }

    void key(Qt::Key key) const { QTest::keyClick(window, key); }

    // Waits for a page's slide to end.
    static void settle() { QTest::qWait(550); }
};

TEST_F(FirstLaunchTest, TheTourTheAccessPageAndTheReadyPageLeadToTheFirstScan) {
    load();
    ASSERT_NE(item("onboardingTour"), nullptr);
    EXPECT_EQ(tourPage("onboardingTour"), 0);
    EXPECT_NE(item("tourSkipButton"), nullptr);
    EXPECT_EQ(item("tourBackButton"), nullptr);
    for (int page = 1; page <= 3; ++page) {
        key(Qt::Key_Right);
        EXPECT_EQ(tourPage("onboardingTour"), page);
    }
    EXPECT_EQ(item("tourMainButton")->property("text").toString(), "Get Started");
    key(Qt::Key_Right);
    settle();
    EXPECT_EQ(tourPage("onboardingTour"), 3);

    key(Qt::Key_Return);
    ASSERT_NE(item("accessPage"), nullptr);
    // This system has no permission to grant: none of the instructions.
    EXPECT_EQ(item("accessInstructions"), nullptr);
    EXPECT_EQ(item("openSettingsButton"), nullptr);
    EXPECT_EQ(item("skipForNowButton"), nullptr);
    EXPECT_EQ(item("accessExplanation")->property("text").toString(),
              "Tandor reads what your user account can read and counts the folders it cannot.");

    click(item("accessBackButton"));
    ASSERT_NE(item("onboardingTour"), nullptr);
    EXPECT_EQ(tourPage("onboardingTour"), 0);
    click(item("tourSkipButton"));
    click(item("continueButton"));
    ASSERT_NE(item("readyPage"), nullptr);
    EXPECT_EQ(item("accessOffNote"), nullptr);

    std::optional<bool> finishedWhenTheScanStarted;
    QString routeWhileScanning;
    QObject::connect(&model, &ScanModel::phaseChanged, [&] {
        if (model.isScanning() && !finishedWhenTheScanStarted) {
            finishedWhenTheScanStarted = QSettings().value("didFinishOnboarding").toBool();
            routeWhileScanning = item("content")->property("route").toString();
        }
    });
    key(Qt::Key_Return);
    EXPECT_EQ(finishedWhenTheScanStarted, std::optional(true));
    EXPECT_EQ(routeWhileScanning, "progress");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
}

TEST_F(FirstLaunchTest, AfterTheOnboardingTheWelcomeShows) {
    QSettings().setValue("didFinishOnboarding", true);
    load();
    EXPECT_EQ(item("onboardingView"), nullptr);
    EXPECT_NE(item("scanHomeButton"), nullptr);
}

TEST_F(FirstLaunchTest, WhereThePermissionExistsThePageGivesItsStepsAndTurnsGreen) {
    auto status = FullDiskAccess::Status::denied;
    OnboardingModel::setAccessSource({[&] { return status; }, "x-settings:privacy"});
    load();
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    ASSERT_NE(item("accessPage"), nullptr);
    EXPECT_NE(item("accessInstructions"), nullptr);
    EXPECT_NE(item("openSettingsButton"), nullptr);
    EXPECT_NE(item("skipForNowButton"), nullptr);
    EXPECT_EQ(item("continueButton"), nullptr);
    // No default button in this form: Return changes nothing.
    key(Qt::Key_Return);
    EXPECT_NE(item("accessPage"), nullptr);

    status = FullDiskAccess::Status::granted;
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("continueButton") != nullptr; },
                                OnboardingModel::pollMilliseconds + 500));
    EXPECT_NE(item("accessOnLabel"), nullptr);
    EXPECT_EQ(item("accessInstructions"), nullptr);
    EXPECT_EQ(item("skipForNowButton"), nullptr);
    key(Qt::Key_Return);
    ASSERT_NE(item("readyPage"), nullptr);
    EXPECT_EQ(item("accessOffNote"), nullptr);
}

TEST_F(FirstLaunchTest, SkippingWhileAccessIsOffShowsTheNoteOnTheReadyPage) {
    OnboardingModel::setAccessSource(
        {[] { return FullDiskAccess::Status::denied; }, "x-settings:privacy"});
    load();
    click(item("tourSkipButton"));
    click(item("skipForNowButton"));
    ASSERT_NE(item("readyPage"), nullptr);
    EXPECT_NE(item("accessOffNote"), nullptr);
    click(item("readyBackButton"));
    EXPECT_NE(item("accessPage"), nullptr);
}

TEST_F(FirstLaunchTest, ADemonstrationStopsAsSoonAsItsPageIsLeft) {
    load();
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    settle();
    auto* swipeTimer = object("swipeTimer");
    ASSERT_NE(swipeTimer, nullptr);
    EXPECT_TRUE(swipeTimer->property("running").toBool());
    const QPointer<QObject> leaving(swipeTimer);
    key(Qt::Key_Right);
    // Sliding out, the page still exists but its loop has stopped.
    ASSERT_FALSE(leaving.isNull());
    EXPECT_FALSE(leaving->property("running").toBool());
    // Gone once the slide has ended; a loaded machine may draw it late.
    EXPECT_TRUE(QTest::qWaitFor([&] { return leaving.isNull(); }, 5000));
}

// The sheet of the Help menu, after the onboarding.
class TutorialSheetTest : public FirstLaunchTest {
  protected:
    void openFromTheHelpMenu() {
        click(testing::menuBarEntry(window, QStringLiteral("Help")));
        auto* tutorial = window->findChild<QQuickItem*>(QStringLiteral("tutorialMenuItem"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return tutorial->isVisible(); }, 2000));
        click(tutorial);
        ASSERT_TRUE(QTest::qWaitFor([&] { return item("sheetTour") != nullptr; }, 2000));
        QTest::qWait(300);  // the popup's opening
    }
};

TEST_F(TutorialSheetTest, HelpOpensTheTourAndSkipClosesItForGood) {
    QSettings().setValue("didFinishOnboarding", true);
    load();
    openFromTheHelpMenu();
    EXPECT_TRUE(QSettings().value("tutorialOpen").toBool());
    EXPECT_EQ(tourPage("sheetTour"), 0);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    settle();
    EXPECT_NE(object("swipeTimer"), nullptr);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    settle();
    click(item("tourSkipButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("sheetTour") == nullptr; }, 2000));
    EXPECT_FALSE(QSettings().value("tutorialOpen").toBool());
    EXPECT_EQ(object("swipeTimer"), nullptr);
    EXPECT_EQ(object("balloonAnimation"), nullptr);

    // Opened again, it starts at the first page; "Get Started" closes it.
    openFromTheHelpMenu();
    EXPECT_EQ(tourPage("sheetTour"), 0);
    for (int page = 1; page <= 3; ++page) {
        click(item("tourMainButton"));
    }
    settle();
    key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("sheetTour") == nullptr; }, 2000));
    EXPECT_FALSE(QSettings().value("tutorialOpen").toBool());
}

TEST_F(TutorialSheetTest, WithReduceMotionTheDemonstrationsShowTheirFinalPictureAtOnce) {
    QSettings().setValue("didFinishOnboarding", true);
    QSettings().setValue("reduceMotion", true);
    load();
    openFromTheHelpMenu();
    EXPECT_FALSE(object("balloonAnimation")->property("running").toBool());

    key(Qt::Key_Right);
    auto* finds = object("findsTimer");
    ASSERT_NE(finds, nullptr);
    EXPECT_FALSE(finds->property("running").toBool());
    EXPECT_EQ(finds->parent()->property("shown").toInt(), 6);

    key(Qt::Key_Right);
    auto* swipe = object("swipeTimer");
    ASSERT_NE(swipe, nullptr);
    EXPECT_FALSE(swipe->property("running").toBool());
    auto* card = object("swipeCard");
    EXPECT_DOUBLE_EQ(card->property("rotation").toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(card->property("opacity").toDouble(), 1.0);

    key(Qt::Key_Right);
    auto* ring = object("ring");
    ASSERT_NE(ring, nullptr);
    EXPECT_DOUBLE_EQ(ring->parent()->property("trim").toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(object("shield")->property("scale").toDouble(), 1.0);
}

TEST_F(TutorialSheetTest, WithoutReduceMotionTheDemonstrationsStartFromTheirFirstPicture) {
    QSettings().setValue("didFinishOnboarding", true);
    load();
    openFromTheHelpMenu();
    EXPECT_TRUE(object("balloonAnimation")->property("running").toBool());
    key(Qt::Key_Right);
    auto* finds = object("findsTimer");
    ASSERT_NE(finds, nullptr);
    EXPECT_LT(finds->parent()->property("shown").toInt(), 6);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return finds->parent()->property("shown").toInt() == 6; }, 2000));
    EXPECT_FALSE(finds->property("running").toBool());
}

TEST(OnboardingFittingPage, APageTallerThanItsPlaceScrollsInsteadOfBeingClipped) {
    const testing::FixtureHome home;
    ScanModel model;
    QQmlEngine engine;
    ApplicationEngine::prepare(engine, model);
    QQmlComponent component(&engine);
    component.setData(
        "import QtQuick\nimport Tandor\n"
        "FittingPage { width: 300; height: 200; Item { width: 10; height: 500 } }",
        QUrl(QStringLiteral("qrc:/FittingPageTest.qml")));
    std::unique_ptr<QObject> page(component.create());
    ASSERT_NE(page, nullptr) << component.errorString().toStdString();
    auto* scrollBar = page->findChild<QObject*>(QStringLiteral("fittingScrollBar"));
    ASSERT_NE(scrollBar, nullptr);
    struct Case {
        double height;
        bool fits;
        double contentHeight;
    };
    // 8 points above and below the content while it scrolls.
    for (const Case& c : {Case{200, false, 516}, Case{499, false, 516}, Case{500, true, 500},
                          Case{640, true, 640}}) {
        page->setProperty("height", c.height);
        EXPECT_EQ(page->property("fits").toBool(), c.fits) << c.height;
        EXPECT_EQ(page->property("interactive").toBool(), !c.fits) << c.height;
        EXPECT_DOUBLE_EQ(page->property("contentHeight").toDouble(), c.contentHeight) << c.height;
        EXPECT_EQ(scrollBar->property("policy").toInt(),
                  c.fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn)
            << c.height;
    }
}

TEST(OnboardingPageTitle, ALongTitleTakesTwoLinesThenShrinksButNeverAThird) {
    const testing::FixtureHome home;
    ScanModel model;
    QQmlEngine engine;
    ApplicationEngine::prepare(engine, model);
    struct Case {
        const char* title;
        int smallest;  // the size drawn, in pixels
        int largest;
    };
    for (const Case& c :
         {Case{"Welcome", 26, 26}, Case{"Welcome to Tandor, again", 26, 26},
          Case{"Welcome to Tandor, the tidy balloon, once more and again", 18, 25}}) {
        QQmlComponent component(&engine);
        component.setData(
            QByteArray("import QtQuick\nimport Tandor\nWindow { width: 240; height: 600; "
                       "OnboardingPage { anchors.fill: parent; title: \"") +
                c.title + "\" } }",
            QUrl(QStringLiteral("qrc:/OnboardingPageTest.qml")));
        std::unique_ptr<QObject> window(component.create());
        ASSERT_NE(window, nullptr) << component.errorString().toStdString();
        // The layout places the title once the window is shown.
        qobject_cast<QQuickWindow*>(window.get())->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(qobject_cast<QQuickWindow*>(window.get())));
        auto* title = window->findChild<QQuickItem*>(QStringLiteral("pageTitle"));
        ASSERT_NE(title, nullptr);
        QQmlExpression drawnSize(qmlContext(title), title, QStringLiteral("fontInfo.pixelSize"));
        const int size = drawnSize.evaluate().toInt();
        EXPECT_GE(size, c.smallest) << c.title;
        EXPECT_LE(size, c.largest) << c.title;
        EXPECT_LE(title->property("lineCount").toInt(), 2) << c.title;
    }
}

// Every view of the onboarding loads on its own without a warning.
class OnboardingViewLoading : public ::testing::TestWithParam<const char*> {};

TEST_P(OnboardingViewLoading, LoadsWithoutAWarning) {
    testing::expectViewLoadsWithoutAWarning("Onboarding", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Views, OnboardingViewLoading,
                         ::testing::Values("FirstLaunchGate", "OnboardingView", "TutorialTour",
                                           "OnboardingPage", "FindsDemo", "SwipeDemo", "SafeDemo",
                                           "FittingPage"));

}  // namespace
}  // namespace tandor
