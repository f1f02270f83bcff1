// Every screen and sheet of the main window, at the minimum and the default
// size, in both languages, over a home of long names: no control out of reach
// and no text cut without an ellipsis or a wrap.
#include <gtest/gtest.h>

#include <QMetaObject>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Assistant/AssistantSheetModel.hpp"
#include "Duplicates/DuplicatesModel.hpp"
#include "Duplicates/IdenticalFilesListModel.hpp"
#include "LayoutFaults.hpp"
#include "MainWindow.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "Sorting/SortingModel.hpp"
#include "Swipe/SwipeReview.hpp"
#include "TandorAssistant/AssistantProposalStore.hpp"
#include "TandorAssistant/AssistantSettings.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/SortingFate.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/AppImageFixture.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::window_reach_tests {
namespace {

using testing::allWarnings;
using testing::firstVisibleItem;

// Names as long as people give them.
const std::string longFolderName =
    "Scans of every receipt, invoice, warranty and tax form from the renovation of the house "
    "on the hill, sorted by room and by the year";
const std::string longAppName = "Professional Photo Library Organiser and Raw Developers";
const std::string longDestinationName = "Paperwork to file with the accountant before spring";

constexpr int sortingMoves = 30;

struct WindowSize {
    int width;
    int height;
};
constexpr WindowSize sizes[] = {{900, 560}, {1100, 720}};

void settle(int milliseconds = 150) {
    QTest::qWait(milliseconds);
}

class EveryScreenInReach : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        ASSERT_EQ(longFolderName.size(), 131u);
        ASSERT_EQ(longAppName.size(), 55u);
        ASSERT_EQ(longDestinationName.size(), 51u);
        ui::Texts::setLanguage(QString::fromLatin1(GetParam()));
        testing::QmlWarnings::messages().clear();
        QSettings().setValue(SwipeReview::tutorialSeenKey, false);
        ASSERT_NO_FATAL_FAILURE(makeHome());
        ApplicationEngine::prepare(engine, model);
        DuplicatesModel::prepare(engine, &duplicates);
        ASSERT_NO_FATAL_FAILURE(testing::loadMainWindow(engine, window));
    }

    void scan() {
        ASSERT_TRUE(model.scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return model.phaseName() == "ready"; }, 60'000));
        settle(300);
    }

    void TearDown() override {
        EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << allWarnings().toStdString();
    }

    // Downloads for a deck, three copies of a report, a big file in a folder
    // of a long name, an AppImage of a long name, and two sorting folders
    // of long names, the shorter one the destination of thirty moves.
    void makeHome() {
        for (const char* name : {"a.zip", "b.zip", "c.zip"}) {
            testing::writeAgedFile(home / (std::string("Downloads/") + name), 2'000'000, 60);
        }
        const std::string report(1'500'000, 'r');
        for (const char* name : {"Documents/report.pdf", "Downloads/report.pdf"}) {
            testing::writeFile(home / name, report);
        }
        testing::writeAgedFile(home / ("Documents/" + longFolderName + "/plans.tar"), 3'000'000,
                               400);
        testing::writeAppImage(home / ("Applications/" + longAppName + ".AppImage"));

        SortingModel& sorting = *model.swipe()->sorting();
        ASSERT_TRUE(sorting.createTemporary(longFolderName, SortingFate::pileAfter(30)));
        const auto destination = sorting.createTemporary(longDestinationName, SortingFate::keep());
        ASSERT_TRUE(destination);
        sorting.setDestinationID(destination->id);
        for (int index = 0; index < sortingMoves; ++index) {
            const std::string path = home / ("Letters/letter " + std::to_string(index) + ".txt");
            testing::writeFile(path, "Dear reader");
            bool done = false;
            sorting.move(path, 11, [&](const auto&) { done = true; });
            ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10'000));
        }
        const auto now = std::chrono::system_clock::now();
        std::vector<AssistantProposal> proposals;
        for (int index = 0; index < 6; ++index) {
            proposals.push_back(
                {home / ("Downloads/" + std::string(index % 2 ? "a" : "c") + ".zip"), 2'000'000,
                 "An installer downloaded months ago.", now});
        }
        proposals.push_back({home / ("Documents/" + longFolderName), 3'000'000,
                             "Scans you already keep elsewhere.", now});
        AssistantProposalStore(paths::join(AssistantSettings::folder(), "assistant-proposals.json"))
            .add(proposals);
    }

    QQuickItem* root() const {
        QQuickItem* item = window->contentItem();
        while (item->parentItem() != nullptr) {
            item = item->parentItem();
        }
        return item;
    }

    QQuickItem* shown(const char* name) const {
        return firstVisibleItem(root(), QString::fromUtf8(name));
    }

    // Waits for an item of this name to show.
    QQuickItem* waitFor(const char* name) const {
        QQuickItem* found = nullptr;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                found = shown(name);
                return found != nullptr;
            },
            10'000));
        EXPECT_NE(found, nullptr) << name;
        settle(300);  // a sheet's opening
        return found;
    }

    void showTab(const char* title) {
        testing::showTab(window, QString::fromUtf8(title));
        settle(300);
    }

    // The faults at both sizes of what shows now, and what else the screen
    // asks of its layout.
    void expectInReach(const char* screen, const std::function<QStringList()>& more = {}) {
        for (const WindowSize size : sizes) {
            window->resize(size.width, size.height);
            settle();
            QStringList faults = testing::layoutFaults(window);
            if (more) {
                faults += more();
            }
            EXPECT_TRUE(faults.isEmpty())
                << screen << " at " << size.width << "×" << size.height << " in " << GetParam()
                << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
        }
    }

    // Each line of evidence on the card has its icon before its first line.
    static QStringList evidenceFaults(QQuickItem* card) {
        QStringList faults;
        const auto evidence = card->property("value").toMap().value(QStringLiteral("evidence"));
        for (const QVariant& line : evidence.toList()) {
            const QString words = line.toMap().value(QStringLiteral("text")).toString();
            QQuickItem* text = testing::itemWithText(card, words);
            if (text == nullptr) {
                faults.append(QStringLiteral("no line of evidence: ") + words);
                continue;
            }
            QQuickItem* icon = nullptr;
            for (QQuickItem* sibling : text->parentItem()->childItems()) {
                if (sibling != text && sibling->property("name").isValid()) {
                    icon = sibling;
                }
            }
            const QRectF textRect = text->mapRectToScene(text->boundingRect());
            const double lineHeight =
                textRect.height() / std::max(1, text->property("lineCount").toInt());
            const QPointF centre =
                icon == nullptr ? QPointF()
                                : icon->mapToScene(QPointF(icon->width() / 2, icon->height() / 2));
            if (icon == nullptr || centre.x() > textRect.left() || centre.y() < textRect.top() ||
                centre.y() > textRect.top() + lineHeight) {
                faults.append(QStringLiteral("evidence icon not beside its first line: ") + words);
            }
        }
        return faults;
    }

    SwipeReview* review() const {
        QQuickItem* view = shown("swipeView");
        return view == nullptr ? nullptr
                               : view->findChild<SwipeReview*>(QStringLiteral("swipeReview"));
    }

    void closePopup(QObject* popup) {
        ASSERT_NE(popup, nullptr);
        QMetaObject::invokeMethod(popup, "close");
        settle(300);
    }

    QObject* object(const char* name) const {
        return window->findChild<QObject*>(QString::fromUtf8(name));
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    ScanModel model;
    DuplicatesModel duplicates{model};
    QQmlApplicationEngine engine;
    QQuickWindow* window = nullptr;
};

TEST_P(EveryScreenInReach, AtTheMinimumAndTheDefaultSize) {
    // A first launch: the onboarding's three steps.
    auto* onboarding =
        waitFor("onboardingView")->findChild<QObject*>(QStringLiteral("onboardingModel"));
    ASSERT_NE(onboarding, nullptr);
    expectInReach("Onboarding tour");
    QMetaObject::invokeMethod(onboarding, "finishTour");
    settle(300);
    expectInReach("Onboarding access");
    QMetaObject::invokeMethod(onboarding, "continueToReady");
    settle(300);
    expectInReach("Onboarding ready");
    ASSERT_NO_FATAL_FAILURE(scan());

    for (const char* tab : {"Suggestions", "Browse", "Categories"}) {
        showTab(tab);
        expectInReach(tab);
    }

    showTab("Duplicates");
    duplicates.run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return duplicates.phaseName() == "ready"; }, 60'000));
    duplicates.identical()->setExpanded(0, true);
    settle(400);  // the group's opening
    expectInReach("Duplicates", [&] {
        QStringList faults;
        for (QQuickItem* group :
             testing::visibleItems(root(), QStringLiteral("duplicateGroupRow"))) {
            const QString line = group->property("summary").toString();
            QQuickItem* text = testing::itemWithText(group, line);
            if (text == nullptr || text->property("truncated").toBool()) {
                faults.append(QStringLiteral("a group's line is cut: ") + line);
            }
        }
        return faults;
    });

    showTab("History");
    waitFor("sortingMovesSection")->setProperty("expanded", true);
    expectInReach("History with the moves open");

    showTab("System Data");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return object("systemDataModel")->property("hasReport").toBool(); }, 60'000));
    expectInReach("System Data");

    showTab("Smart");
    expectInReach("Smart");
    shown("smartView")->setProperty("pane", QStringLiteral("Apps"));
    QQuickItem* app = waitFor("appRow");
    ASSERT_NE(app, nullptr);
    QMetaObject::invokeMethod(app, "clicked");
    waitFor("uninstallCount");
    expectInReach("Uninstall");

    showTab("Swipe");
    ASSERT_TRUE(QTest::qWaitFor([&] { return review() != nullptr; }, 10'000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !review()->decks().isEmpty(); }, 10'000));
    waitFor("deckTile");
    expectInReach("Swipe decks");
    review()->start(0);
    waitFor("topCard");
    expectInReach("Swipe with the sorting tutorial");
    closePopup(object("sortingTutorial"));
    expectInReach("Swipe card stack", [&] { return evidenceFaults(shown("topCard")); });
    QObject* picker = object("destinationPicker");
    QMetaObject::invokeMethod(picker, "open");
    testing::click(waitFor("newSortingFolder"));
    waitFor("newFolderName");
    expectInReach("Destination picker with the new folder sheet");
    QTest::keyClick(window, Qt::Key_Escape);
    settle(300);
    expectInReach("Destination picker");
    closePopup(picker);
    while (review()->screen() == QLatin1String("stack")) {
        QTest::keyClick(window, Qt::Key_Right);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !review()->isPending(); }, 5000));
    }
    waitFor("summaryHeadline");
    expectInReach("Swipe batch summary");

    testing::click(shown("assistantButton"));
    auto* sheetModel = waitFor("assistantSheetContent")
                           ->findChild<AssistantSheetModel*>(QStringLiteral("assistantSheetModel"));
    ASSERT_NE(sheetModel, nullptr);
    sheetModel->setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheetModel->proposalCount() > 0; }, 10'000));
    expectInReach("Assistant sheet");
    QTest::keyClick(window, Qt::Key_Escape);
    settle(300);

    QMetaObject::invokeMethod(object("tutorialMenuItem"), "triggered");
    waitFor("sheetTour");
    expectInReach("Tutorial sheet");
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryScreenInReach, ::testing::Values("en", "it"));

}  // namespace
}  // namespace tandor::window_reach_tests
