#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QColor>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <semaphore>
#include <string>
#include <thread>

#include "MainWindow.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "Shell/ShellSettings.hpp"
#include "Sorting/DialogFolderChooser.hpp"
#include "Sorting/SortingModel.hpp"
#include "Swipe/SwipeModel.hpp"
#include "TandorCore/StoreLock.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryJournal.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"
#include "ViewLoading.hpp"

namespace tandor {
namespace {

using testing::click;
using testing::itemWithText;

// The item of this object name anywhere in the visual tree (delegates and
// loaded items are not QObject children of the window).
QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (root == nullptr) {
        return nullptr;
    }
    if (root->objectName() == name) {
        return root;
    }
    for (auto* child : root->childItems()) {
        if (auto* found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}

// The main window on a fixture home, splash dismissed, driven by real clicks
// and keys.
class MainWindowTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::filesystem::create_directories(home / "Documents");
        std::ofstream(home / "Documents/notes.txt") << "notes";
        // Past the first launch's onboarding: the welcome shows.
        QSettings().setValue("didFinishOnboarding", true);
        ASSERT_NO_FATAL_FAILURE(loadWindow());
    }

    QQuickItem* item(const char* name) const {
        return findItem(window->contentItem(), QString::fromUtf8(name));
    }

    QObject* contentState() const {
        return item("contentView")->property("state").value<QObject*>();
    }

    std::string route() const {
        return item("content")->property("route").toString().toStdString();
    }
};

TEST_F(MainWindowTest, TheWindowCannotBeMadeSmallerThan900By560) {
    EXPECT_EQ(window->minimumWidth(), 900);
    EXPECT_EQ(window->minimumHeight(), 560);
}

TEST_F(MainWindowTest, BeforeTheFirstScanTheTabStripAndTheWelcomeShowWithoutAHeader) {
    EXPECT_EQ(route(), "emptyState");
    EXPECT_FALSE(item("summaryHeader")->isVisible());
    EXPECT_TRUE(item("viewTabBar")->isVisible());
    EXPECT_TRUE(item("pilePanel")->isVisible());
    // History shows at once, whatever the phase.
    click(item("tab:History"));
    EXPECT_EQ(route(), "history");
    click(item("tab:Categories"));
    EXPECT_EQ(route(), "emptyState");
}

TEST_F(MainWindowTest, WhileAScanRunsEveryTabButHistoryShowsItsProgress) {
    // The result is posted to this thread: it cannot arrive before the next
    // turn of the event loop.
    ASSERT_TRUE(model.scanHome());
    EXPECT_EQ(route(), "progress");
    EXPECT_FALSE(item("scanButton")->isEnabled());
    EXPECT_FALSE(item("summaryHeader")->isVisible());
    auto* tabs = item("viewTabBar");
    for (const char* tab : {"Categories", "Browse", "Smart"}) {
        QMetaObject::invokeMethod(tabs, "selected", Q_ARG(QString, QString::fromUtf8(tab)));
        EXPECT_EQ(route(), "progress") << tab;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
    EXPECT_TRUE(item("scanButton")->isEnabled());
}

TEST_F(MainWindowTest, TheWelcomesButtonScansTheHomeFolderIntoTheResults) {
    click(item("scanHomeButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.phase() == ScanModel::Phase::ready; }, 60'000));
    EXPECT_EQ(model.phase(), ScanModel::Phase::ready);
    EXPECT_EQ(route(), "suggestions");
    EXPECT_TRUE(item("summaryHeader")->isVisible());
    EXPECT_TRUE(item("scanButton")->isEnabled());

    click(item("tab:Browse"));
    EXPECT_EQ(route(), "browse");
    click(item("tab:Swipe"));
    EXPECT_EQ(route(), "swipe");
    EXPECT_NE(item("swipeView"), nullptr);
    click(item("tab:History"));
    EXPECT_EQ(route(), "history");
    EXPECT_FALSE(item("summaryHeader")->isVisible());
}

TEST_F(MainWindowTest, ASuggestionGoesOnThePileComesOffWithUndoAndThenToTheTrash) {
    // What the toolkit itself caches while the test runs stays out of the app caches.
    const testing::TemporaryFolder elsewhere;
    testing::EnvironmentOverride environment;
    environment.set("XDG_CACHE_HOME", elsewhere.path());
    const std::string cache = home / "Library/Caches/com.example.app";
    std::filesystem::create_directories(cache);
    {
        // 60 MB of allocated blocks: more than the app-cache rule's minimum.
        const int fd = ::open((cache + "/blob").c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::posix_fallocate(fd, 0, 60'000'000), 0);
        ::close(fd);
    }
    click(item("scanHomeButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.phase() == ScanModel::Phase::ready; }, 60'000));
    ASSERT_FALSE(model.suggestions().empty());

    click(itemWithText(window->contentItem(), QStringLiteral("Clean")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.pileCount() == 1; }, 5'000));
    QTest::keySequence(window, QKeySequence::Undo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.pileCount() == 0; }, 5'000));
    click(itemWithText(window->contentItem(), QStringLiteral("Clean")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.pileCount() == 1; }, 5'000));

    auto* trashButton = itemWithText(window->contentItem(), QStringLiteral("Move to Trash"));
    click(trashButton);
    // The confirmation lives in the window's overlay, outside the content.
    QQuickItem* confirm = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (auto* candidate : engine.rootObjects().first()->findChildren<QQuickItem*>()) {
                if (candidate != trashButton && candidate->isVisible() &&
                    candidate->property("text").toString() == QStringLiteral("Move to Trash")) {
                    confirm = candidate;
                }
            }
            return confirm != nullptr;
        },
        5'000));
    QTest::qWait(300);  // the dialog's opening transition
    click(confirm);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.pileCount() == 0; }, 5'000));
    EXPECT_FALSE(std::filesystem::exists(cache));
    EXPECT_TRUE(std::filesystem::exists(home / ".local/share/Trash/files/com.example.app/blob"));
    EXPECT_THAT(model.lastCommitMessage().toStdString(), ::testing::StartsWith("Moved 1 item ("));
}

// The text colour a button is drawn with.
QColor textColour(QQuickItem* button) {
    return button->property("contentItem").value<QQuickItem*>()->property("color").value<QColor>();
}

TEST_F(MainWindowTest, AnEmptyPilesButtonsAreDisabledAndLookIt) {
    auto* pile = item("pilePanel");
    auto* undo = itemWithText(pile, QStringLiteral("Undo"));
    auto* trash = itemWithText(pile, QStringLiteral("Move to Trash"));
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(trash, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(trash->isEnabled());
    EXPECT_EQ(textColour(trash), textColour(undo));
    const QColor disabled = textColour(trash);
    click(trash);
    QTest::qWait(300);
    EXPECT_FALSE(pile->property("confirming").toBool());

    model.addToPile({home / "Documents/notes.txt", 5, std::nullopt});
    EXPECT_TRUE(trash->isEnabled());
    EXPECT_NE(textColour(trash), disabled);
    model.removeFromPile(home / "Documents/notes.txt");
    EXPECT_FALSE(trash->isEnabled());
    EXPECT_EQ(textColour(trash), disabled);
}

TEST_F(MainWindowTest, TheToolbarsScanButtonStartsAScanAgain) {
    click(item("scanButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.phase() == ScanModel::Phase::ready; }, 60'000));
    const FileNodePtr first = model.root();
    click(item("scanButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.root() != first; }, 60'000));
    EXPECT_EQ(model.phase(), ScanModel::Phase::ready);
}

TEST_F(MainWindowTest, AFailedScanShowsItsMessageInPlaceOfTheContent) {
    testing::EnvironmentOverride missing;
    missing.set("HOME", home / "gone");
    click(item("scanButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
    EXPECT_EQ(route(), "failure");
    auto* message = item("failureMessage");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->property("text").toString(), model.failureMessage());
    EXPECT_EQ(message->property("textFormat").toInt(), Qt::PlainText);
    EXPECT_TRUE(item("scanButton")->isEnabled());
}

// The item's outline in the window.
QRectF sceneRect(QQuickItem* item) {
    return {item->mapToScene({0, 0}), item->size()};
}

TEST_F(MainWindowTest, ThePileTipStaysOverThePilePanel) {
    auto* panel = item("pilePanel");
    auto* tip = panel->findChild<QObject*>(QStringLiteral("pileTip"));
    ASSERT_NE(tip, nullptr);
    for (const QSize size : {QSize(1100, 720), QSize(900, 560), QSize(1600, 1000)}) {
        window->resize(size);
        QTest::qWait(100);
        ASSERT_TRUE(tip->property("visible").toBool());
        const QRectF shown = sceneRect(tip->property("background").value<QQuickItem*>());
        EXPECT_TRUE(sceneRect(panel).contains(shown))
            << size.width() << "x" << size.height() << ": the tip spans " << shown.left() << " to "
            << shown.right() << ", the panel " << sceneRect(panel).left() << " to "
            << sceneRect(panel).right();
    }
}

// The help button's tooltip does not cover the menu it opened.
TEST_F(MainWindowTest, TheHelpButtonsTooltipGoesWhenItsMenuOpens) {
    auto* help = item("helpAndLanguageButton");
    auto* overlay = window->contentItem();
    const auto tooltip = [&] {
        return itemWithText(overlay, QStringLiteral("Tutorial and language"));
    };
    QTest::mouseMove(window, help->mapToScene({help->width() / 2, help->height() / 2}).toPoint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tooltip() != nullptr; }, 2000));
    click(help);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return itemWithText(overlay, QStringLiteral("Tandor Tutorial")) != nullptr; }, 2000));
    QTest::qWait(1000);  // past the tooltip's delay
    EXPECT_EQ(tooltip(), nullptr);
}

// The folder dialog opens in the home; "Use This Folder" answers with the
// folder it shows, not the child highlighted in it; the next one opens there.
TEST_F(MainWindowTest, TheFolderDialogAnswersWithTheFolderItShows) {
    std::filesystem::create_directories(home / "Documents/Taxes");
    auto* chooser =
        qobject_cast<DialogFolderChooser*>(model.swipe()->sorting()->folderChooserObject());
    ASSERT_NE(chooser, nullptr);
    std::optional<std::string> answer;
    const auto ask = [&] {
        chooser->choose(QStringLiteral("Use This Folder"),
                        [&](std::optional<std::string> path) { answer = std::move(path); });
    };
    // The dialog shows in the window's overlay, among its items.
    auto* overlay = window->contentItem();
    // A row of the dialog's list, once the folder has been read.
    const auto row = [&](const char* name) {
        QQuickItem* found = nullptr;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                found = testing::firstVisibleItemWith(overlay, "fileName", QString::fromUtf8(name));
                return found != nullptr;
            },
            5000));
        QTest::qWait(300);  // the dialog's opening transition
        return found;
    };

    ask();
    QQuickItem* documents = row("Documents");
    ASSERT_NE(documents, nullptr);
    QTest::mouseDClick(
        window, Qt::LeftButton, {},
        documents->mapToScene({documents->width() / 2, documents->height() / 2}).toPoint());
    ASSERT_NE(row("Taxes"), nullptr);
    click(itemWithText(overlay, QStringLiteral("Use This Folder")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 2000));
    EXPECT_EQ(*answer, home / "Documents");

    ask();
    EXPECT_NE(row("Taxes"), nullptr);
    QTest::keyClick(window, Qt::Key_Escape);
}

TEST_F(MainWindowTest, TheHelpMenusTutorialItemWritesTutorialOpen) {
    click(testing::menuBarEntry(window, QStringLiteral("Help")));
    auto* tutorial = item("tutorialMenuItem");
    ASSERT_TRUE(QTest::qWaitFor([&] { return tutorial->isVisible(); }, 2000));
    click(tutorial);
    EXPECT_TRUE(QSettings().value("tutorialOpen").toBool());
}

TEST_F(MainWindowTest, TheSettingsWindowStoresTheLanguageAndOffersTheRelaunch) {
    int relaunches = 0;
    ShellSettings::setRelauncher([&] { ++relaunches; });
    click(testing::menuBarEntry(window, QStringLiteral("Tandor")));
    auto* settingsItem = item("settingsMenuItem");
    ASSERT_TRUE(QTest::qWaitFor([&] { return settingsItem->isVisible(); }, 2000));
    click(settingsItem);

    auto* settingsWindow = window->findChild<QQuickWindow*>(QStringLiteral("settingsWindow"));
    ASSERT_NE(settingsWindow, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(settingsWindow));
    EXPECT_EQ(settingsWindow->width(), 360);
    auto* choice = settingsWindow->findChild<QQuickItem*>(QStringLiteral("languageChoice"));
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->property("currentIndex").toInt(), 0);  // the system's language
    click(choice);
    QQuickItem* italian = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            italian = itemWithText(settingsWindow->contentItem(), QStringLiteral("Italiano"));
            return italian != nullptr && italian != choice;
        },
        2000));
    click(italian);
    EXPECT_EQ(QSettings().value("tandorLanguage").toString(), QStringLiteral("it"));

    // The offer to restart shows in the main window, in place of the Settings
    // window, which is too small to hold it.
    EXPECT_EQ(settingsWindow->findChild<QObject*>(QStringLiteral("relaunchDialog")), nullptr);
    auto* dialog = window->findChild<QObject*>(QStringLiteral("relaunchDialog"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->property("opened").toBool(); }, 2000));
    EXPECT_FALSE(settingsWindow->isVisible());
    QMetaObject::invokeMethod(dialog, "accept");
    ShellSettings::setRelauncher({});
    EXPECT_GE(relaunches, 1);
}

TEST_F(MainWindowTest, CtrlCommaOpensTheSettingsWindow) {
    QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    auto* settingsWindow = window->findChild<QQuickWindow*>(QStringLiteral("settingsWindow"));
    ASSERT_NE(settingsWindow, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(settingsWindow));
    settingsWindow->close();
}

TEST_F(MainWindowTest, TheRelaunchDialogSaysTheRestartEmptiesAPileThatHoldsItems) {
    auto* dialog = window->findChild<QObject*>(QStringLiteral("relaunchDialog"));
    ASSERT_NE(dialog, nullptr);
    auto* message = dialog->findChild<QObject*>(QStringLiteral("relaunchMessage"));
    ASSERT_NE(message, nullptr);
    const auto shown = [&] { return message->property("text").toString().toStdString(); };
    using ::testing::HasSubstr;
    using ::testing::Not;

    EXPECT_THAT(shown(), HasSubstr("the new language after a restart"));
    EXPECT_THAT(shown(), Not(HasSubstr("pile")));
    const std::string notes = home / "Documents/notes.txt";
    ASSERT_TRUE(model.addToPile({notes, 5, std::nullopt}));
    EXPECT_THAT(shown(), HasSubstr("Restarting empties the pile"));
    model.removeFromPile(notes);
    EXPECT_THAT(shown(), Not(HasSubstr("pile")));
}

// A start after a commit cut short before its moves were noted: the window
// shows at once and says that it is finishing the last cleanup, and nothing
// touches the history until that has ended.
class PendingRecoveryTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        QSettings().setValue("didFinishOnboarding", true);
        testing::writeFile(home / "Documents/notes.txt", "notes");
        const std::string letter = home / "Documents/letter.txt";
        testing::writeFile(letter, "letter");
        const SystemTrasher trasher;
        HistoryJournal journal(CleanupHistory(CleanupHistory::defaultURL()), trasher);
        journal.plan({{HistoryRecord(letter, "", 6, std::nullopt, std::chrono::system_clock::now()),
                       FileIdentity::of(letter)}});
        trasher.trash(letter);
    }

    QQuickItem* item(const char* name) const {
        return findItem(window->contentItem(), QString::fromUtf8(name));
    }
};

TEST_F(PendingRecoveryTest, TheWindowShowsFirstAndTheHistoryWaitsForTheRecovery) {
    // The history's lock, held here, keeps the recovery from ending. A start
    // that recovered before showing the window would wait for it: the lock
    // then goes after a while, so that such a start fails here, not hangs.
    auto historyLock = std::make_unique<StoreLock>(CleanupHistory::defaultURL());
    std::binary_semaphore letGo(0);
    std::jthread releaser([&] {
        letGo.try_acquire_for(std::chrono::seconds(10));
        historyLock.reset();
    });

    model.recoverInterruptedCommit();
    ASSERT_NO_FATAL_FAILURE(loadWindow());
    ASSERT_TRUE(model.addToPile({home / "Documents/notes.txt", 5, std::nullopt}));
    auto* trash = itemWithText(item("pilePanel"), QStringLiteral("Move to Trash"));
    ASSERT_NE(trash, nullptr);

    EXPECT_TRUE(model.isRecoveringHistory());
    EXPECT_TRUE(item("finishingCleanupLine")->isVisible());
    EXPECT_FALSE(trash->isEnabled());
    model.commitPile();
    EXPECT_EQ(model.pileCount(), 1);
    testing::showTab(window, QStringLiteral("History"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("historyRecovering") != nullptr; }, 5'000));
    EXPECT_TRUE(item("historyRecovering")->isVisible());
    EXPECT_FALSE(item("historyList")->isVisible());

    letGo.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isRecoveringHistory(); }, 10'000));
    EXPECT_FALSE(item("finishingCleanupLine")->isVisible());
    EXPECT_TRUE(trash->isEnabled());
    EXPECT_FALSE(item("historyRecovering")->isVisible());
    EXPECT_TRUE(item("historyList")->isVisible());
    EXPECT_EQ(CleanupHistory(CleanupHistory::defaultURL()).records().size(), 1U);
}

// The main window in one language, for its tab strip.
class TabStripTest : public testing::MainWindowFixture,
                     public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ui::Texts::setLanguage(QString::fromUtf8(GetParam()));
        ASSERT_NO_FATAL_FAILURE(loadWindow());
    }

    void TearDown() override {
        MainWindowFixture::TearDown();
        ui::Texts::setLanguage(QStringLiteral("en"));
    }

    QQuickItem* item(const QString& name) const { return findItem(window->contentItem(), name); }

    QStringList titles() const {
        QStringList found;
        for (const QVariant& tab : item("viewTabBar")->property("tabs").toList()) {
            found.append(tab.toMap().value(QStringLiteral("title")).toString());
        }
        return found;
    }

    // Where a tab can be read and clicked: the strip, less the chevrons shown
    // over its ends.
    QRectF openArea() const {
        QQuickItem* bar = item("viewTabBar");
        QRectF area = sceneRect(bar);
        if (auto* leading = item("leadingChevron"); leading->isVisible()) {
            area.setLeft(sceneRect(leading).right());
        }
        if (auto* trailing = item("trailingChevron"); trailing->isVisible()) {
            area.setRight(sceneRect(trailing).left());
        }
        return area;
    }

    // Fails for a tab that lies outside the open area once the strip has
    // scrolled.
    void expectShown(const QString& title) const {
        const auto button = [&] { return sceneRect(item(QStringLiteral("tab:") + title)); };
        EXPECT_TRUE(QTest::qWaitFor([&] { return openArea().contains(button()); }, 2000))
            << title.toStdString() << " spans " << button().left() << " to " << button().right()
            << " in a strip open from " << openArea().left() << " to " << openArea().right();
    }

    void select(const QString& title) { testing::showTab(window, title); }
};

TEST_P(TabStripTest, EveryTabShowsAtTheDefaultSize) {
    ASSERT_EQ(window->size(), QSize(1100, 720));
    for (const QString& title : titles()) {
        expectShown(title);
    }
}

TEST_P(TabStripTest, TheSelectedTabShowsAtTheMinimumSize) {
    window->resize(900, 560);
    for (const QString& title : titles()) {
        select(title);
        expectShown(title);
    }
    // Made narrow while the last tab is selected: it stays in view.
    window->resize(1100, 720);
    select(titles().last());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return item("viewTabBar")->property("contentX").toDouble() == 0; }, 2000));
    window->resize(900, 560);
    expectShown(titles().last());
}

INSTANTIATE_TEST_SUITE_P(Languages, TabStripTest, ::testing::Values("en", "it"));

// The relaunch stores where the main window is; the next main window takes
// that place once, and only when it fits on a screen that is present.
TEST(MainWindowRelaunchTest, TheNextMainWindowOpensWhereTheLastOneWas) {
    const testing::SettingsFolder settings;
    const testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    ui::Texts::setLanguage(QStringLiteral("en"));
    ScanModel model;
    ShellSettings::setRelauncher([] {});
    ShellSettings::setScreenAreas([] { return QList<QRect>{QRect(0, 0, 2560, 1440)}; });
    const QRect moved(230, 140, 1234, 777);
    {
        QQmlApplicationEngine engine;
        ApplicationEngine::prepare(engine, model);
        QQuickWindow* window = nullptr;
        ASSERT_NO_FATAL_FAILURE(testing::loadMainWindow(engine, window));
        window->setGeometry(moved);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->geometry() == moved; }, 2000));
        QMetaObject::invokeMethod(window->findChild<QObject*>(QStringLiteral("relaunchDialog")),
                                  "accept");
        EXPECT_EQ(QSettings().value(ShellSettings::relaunchGeometryKey).toRect(), moved);
    }
    const auto nextWindowGeometry = [&] {
        QQmlApplicationEngine engine;
        ApplicationEngine::prepare(engine, model);
        QQuickWindow* window = nullptr;
        [&] { ASSERT_NO_FATAL_FAILURE(testing::loadMainWindow(engine, window)); }();
        return window != nullptr ? window->geometry() : QRect();
    };
    EXPECT_EQ(nextWindowGeometry(), moved);
    // Taken once: a later plain launch opens at the default size.
    EXPECT_EQ(nextWindowGeometry().size(), QSize(1100, 720));

    // Stored for a screen that has since gone: not applied.
    QSettings().setValue(ShellSettings::relaunchGeometryKey, QRect(2600, 100, 1100, 720));
    EXPECT_EQ(nextWindowGeometry().size(), QSize(1100, 720));
    EXPECT_FALSE(QSettings().contains(ShellSettings::relaunchGeometryKey));

    ShellSettings::setScreenAreas({});
    ShellSettings::setRelauncher({});
    EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << testing::allWarnings().toStdString();
}

// Every view of the shell loads on its own without a warning.
class ShellViewLoading : public ::testing::TestWithParam<const char*> {};

TEST_P(ShellViewLoading, LoadsWithoutAWarning) {
    testing::expectViewLoadsWithoutAWarning("Shell", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Views, ShellViewLoading,
                         ::testing::Values("CategoryBar", "ContentView", "EmptyStateView",
                                           "LanguageMenu", "LanguagePicker", "SettingsWindow",
                                           "SummaryHeader", "TabIcon", "ViewTabBar"));

}  // namespace
}  // namespace tandor
