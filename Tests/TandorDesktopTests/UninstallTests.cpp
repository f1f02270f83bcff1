#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "History/HistoryModel.hpp"
#include "MainWindow.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/HomeScan.hpp"
#include "Shell/ScanModel.hpp"
#include "Smart/InstalledAppList.hpp"
#include "Smart/RunningApps.hpp"
#include "Smart/UninstallFooter.hpp"
#include "TandorApps/LeftoverFinder.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/AppImageFixture.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::clickAndSettle;
using testing::itemWithText;
using testing::visibleItems;

using ::testing::ElementsAre;
using Note = UninstallFooter::Note;

// A bundle at path whose Info.plist (XML) names it.
void makeApp(const std::string& path, const std::string& bundleID, const std::string& name) {
    testing::writeFile(path + "/Contents/Info.plist",
                       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<plist version=\"1.0\"><dict>"
                       "<key>CFBundleIdentifier</key><string>" +
                           bundleID + "</string><key>CFBundleName</key><string>" + name +
                           "</string></dict></plist>\n");
}

Leftover leftover(std::string path, Leftover::Match match) {
    return {std::move(path), 1000, "Application Support", match, SafetyLevel::needsReview, "Data"};
}

UninstallPlan planOf(std::string bundleID, std::string path, std::vector<Leftover> leftovers) {
    return {{std::move(path), std::move(bundleID), "Editor", std::nullopt, false, std::nullopt,
             AppBundle::Kind::bundle, std::nullopt},
            5000,
            std::move(leftovers),
            std::nullopt};
}

const std::string support = "/home/u/Library/Application Support";
const UninstallPlan editor =
    planOf("org.example.editor", "/home/u/Applications/Editor.app",
           {leftover(support + "/org.example.editor", Leftover::Match::bundleID),
            leftover(support + "/Editor", Leftover::Match::name)});

struct FooterCase {
    const char* name;
    UninstallPlan plan;
    std::vector<std::string> onPile;
    bool running;
    Note note;
    bool inPile;
    bool canAdd;
    // Items of the suggestion; 0 for none.
    std::size_t items;
};

class Footer : public ::testing::TestWithParam<FooterCase> {};

TEST_P(Footer, SaysWhyAnAppCannotGoOnThePile) {
    const auto& test = GetParam();
    ReviewPile pile;
    for (const auto& path : test.onPile) {
        ASSERT_TRUE(pile.add({path, 1, std::nullopt}));
    }
    const auto footer = UninstallFooter::make(test.plan, test.plan.defaultSelection(), pile,
                                              test.running, std::chrono::system_clock::now());
    EXPECT_EQ(footer.note, test.note);
    EXPECT_EQ(footer.inPile, test.inPile);
    EXPECT_EQ(footer.canAdd, test.canAdd);
    EXPECT_EQ(footer.suggestion ? footer.suggestion->items.size() : 0, test.items);
}

INSTANTIATE_TEST_SUITE_P(
    States, Footer,
    ::testing::Values(FooterCase{"Free", editor, {}, false, Note::none, false, true, 2},
                      FooterCase{"Protected",
                                 planOf("com.apple.Notes", "/Applications/Notes.app", {}),
                                 {},
                                 false,
                                 Note::appleApp,
                                 false,
                                 false,
                                 0},
                      FooterCase{"ProtectedAndRunning",
                                 planOf("com.apple.Notes", "/Applications/Notes.app", {}),
                                 {},
                                 true,
                                 Note::appleApp,
                                 false,
                                 false,
                                 0},
                      FooterCase{"Running", editor, {}, true, Note::quitFirst, false, false, 2},
                      FooterCase{
                          "InPile",
                          editor,
                          {"/home/u/Applications/Editor.app", support + "/org.example.editor"},
                          false,
                          Note::none,
                          true,
                          false,
                          2},
                      FooterCase{"LeftoverCoveredByAPileFolder",
                                 editor,
                                 {"/home/u/Applications/Editor.app", support},
                                 false,
                                 Note::none,
                                 false,
                                 true,
                                 2},
                      FooterCase{"NoLeftovers",
                                 planOf("org.example.tool", "/home/u/Applications/Tool.app", {}),
                                 {},
                                 false,
                                 Note::none,
                                 false,
                                 true,
                                 1}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RunningApps, FindsTheBundleOfARunningExecutable) {
    const testing::TemporaryFolder folder;
    const std::string bundle = folder / "Fixture.app";
    makeApp(bundle, "org.example.fixture", "Fixture");
    const std::string executable = bundle + "/Contents/MacOS/sleep";
    std::filesystem::create_directories(bundle + "/Contents/MacOS");
    std::filesystem::copy_file("/bin/sleep", executable);
    const ProcRunningApps running;
    EXPECT_FALSE(running.snapshot().bundleIDs.contains("org.example.fixture"));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::execl(executable.c_str(), "sleep", "30", nullptr);
        ::_exit(127);
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return running.snapshot().bundleIDs.contains("org.example.fixture"); }, 5000));
    EXPECT_FALSE(running.isRunning({bundle, "org.example.Fixture", "Fixture", std::nullopt, false,
                                    std::nullopt, AppBundle::Kind::bundle, std::nullopt}));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

AppBundle appImageAt(const std::string& path) {
    return {path,
            "Editor",
            "Editor",
            std::nullopt,
            false,
            std::nullopt,
            AppBundle::Kind::appImage,
            std::nullopt};
}

// A fake process table: an AppImage runs as a process's executable, or as the
// APPIMAGE variable of what its runtime started; what cannot be read counts
// for nothing.
TEST(RunningApps, AnAppImageRunsAsExecutableOrAsAProcesssAppImageVariable) {
    using namespace std::string_literals;
    const testing::TemporaryFolder folder;
    const std::string editor = folder / "Applications/Editor.AppImage";
    const std::string viewer = folder / "Applications/Viewer.AppImage";
    const std::string idle = folder / "Applications/Idle.AppImage";
    for (const auto& path : {editor, viewer, idle}) {
        testing::writeAppImage(path);
    }
    const std::string proc = folder / "proc";
    std::filesystem::create_directories(proc + "/10");
    std::filesystem::create_symlink(editor, proc + "/10/exe");
    testing::writeFile(proc + "/20/environ", "HOME=/h\0APPIMAGE="s + viewer + "\0PATH=/bin\0"s);
    std::filesystem::create_symlink("/tmp/.mount_viewer/usr/bin/viewer", proc + "/20/exe");
    std::filesystem::create_directories(proc + "/30/environ");
    std::filesystem::create_directories(proc + "/self");
    std::filesystem::create_symlink(idle, proc + "/self/exe");
    std::filesystem::create_symlink(viewer, folder / "viewer-link");

    const ProcRunningApps running(proc);
    EXPECT_TRUE(running.isRunning(appImageAt(editor)));
    EXPECT_TRUE(running.isRunning(appImageAt(viewer)));
    EXPECT_TRUE(running.isRunning(appImageAt(folder / "viewer-link")));
    EXPECT_FALSE(running.isRunning(appImageAt(idle)));
}

TEST(RunningApps, TheEnclosingBundleIsTheInnermost) {
    EXPECT_EQ(ProcRunningApps::enclosingBundle("/A/Outer.app/Contents/Helpers/In.app/Contents/x"),
              "/A/Outer.app/Contents/Helpers/In.app");
    EXPECT_EQ(ProcRunningApps::enclosingBundle("/usr/bin/sleep"), std::nullopt);
}

// A leftover row shows where it lies and why in the interface language,
// from whichever of the Library's folders or the platform's places it comes.
TEST(LeftoverRow, EveryLocationAndReasonIsShownInItalian) {
    const testing::TemporaryFolder home;
    for (const std::string folder :
         {"Library/Application Support", "Library/Containers", "Library/Group Containers",
          "Library/Preferences", "Library/Preferences/ByHost", "Library/Application Scripts",
          "Library/Caches", "Library/HTTPStorages", "Library/WebKit", "Library/Cookies",
          "Library/Saved Application State", "Library/Logs", "Library/LaunchAgents", ".config",
          ".local/share", ".cache", ".local/state", ".var/app", ".local/share/applications"}) {
        testing::writeFile(home / (folder + "/org.example.editor.data"), "x");
    }
    const auto leftovers = LeftoverFinder(home.path())
                               .leftovers({home / "Editor.app",
                                           "org.example.editor",
                                           "Editor",
                                           std::nullopt,
                                           false,
                                           {},
                                           AppBundle::Kind::bundle,
                                           std::nullopt});
    ASSERT_EQ(leftovers.size(), 19u);
    ui::Texts::setLanguage(QStringLiteral("it"));
    for (const auto& found : leftovers) {
        for (const std::string& text : {found.location, found.reason}) {
            EXPECT_NE(ui::Texts::localized(QString::fromStdString(text)),
                      QString::fromStdString(text))
                << found.path;
        }
    }
    ui::Texts::setLanguage(QStringLiteral("en"));
}

// The names shown for a filter, after the listing arrived.
std::vector<std::string> namesShown(InstalledAppList& list, const QString& filter) {
    list.setFilter(filter);
    std::vector<std::string> names;
    for (int row = 0; row < list.rowCount(); ++row) {
        names.push_back(
            list.data(list.index(row), InstalledAppList::NameRole).toString().toStdString());
    }
    return names;
}

TEST(InstalledAppList, FiltersNamesOnlyIgnoringLetterCase) {
    const testing::TemporaryFolder folder;
    makeApp(folder / "Zed.app", "org.example.zed", "Zed Editor");
    makeApp(folder / "Atlas.app", "org.example.atlas", "Atlas");
    makeApp(folder / "Tools/Émile.app", "org.example.emile", "Émile");
    InstalledAppList list([&] { return InstalledApps::Places{{folder.path()}, {}, {}}; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list.isLoading(); }, 5000));

    EXPECT_THAT(namesShown(list, ""), ElementsAre("Atlas", "Émile", "Zed Editor"));
    EXPECT_THAT(namesShown(list, "editor"), ElementsAre("Zed Editor"));
    EXPECT_THAT(namesShown(list, "ÉMI"), ElementsAre("Émile"));
    EXPECT_THAT(namesShown(list, "org.example"), ElementsAre());
    EXPECT_THAT(namesShown(list, " "), ElementsAre("Zed Editor"));
}

// The main window on a fixture home with one application in ~/Applications
// and two leftovers, on the Smart tab's Apps pane.
class AppsPaneTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        makeApp(home / "Applications/Editor.app", "org.example.editor", "Editor");
        testing::writeFile(home / "Library/Caches/org.example.editor/cache.db", "cache");
        testing::writeFile(home / "Library/Preferences/org.example.editor.plist", "prefs");
        ASSERT_NO_FATAL_FAILURE(loadWindow());
        showTab("Smart");
    }

    QString addButtonText() const {
        return first("uninstallAddButton")->property("text").toString();
    }
};

TEST_F(AppsPaneTest, AnAppGoesOnThePileWithTheChosenLeftoversAndComesBackWhenOneLeaves) {
    // The pane needs a finished scan to be shown; the tab shows in every phase
    // only through the ready route.
    ASSERT_TRUE(model.scanHome());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
    QTest::qWait(50);
    clickAndSettle(itemWithText(first("smartPanePicker"), QStringLiteral("Apps")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first("appRow") != nullptr; }, 5000));
    EXPECT_NE(itemWithText(window->contentItem(),
                           QStringLiteral("Choose an app to see what it keeps on your computer.")),
              nullptr);
    clickAndSettle(first("appRow"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first("uninstallAddButton") != nullptr; }, 5000));
    ASSERT_EQ(visibleItems(window->contentItem(), QStringLiteral("leftoverRow")).size(), 2);
    EXPECT_EQ(first("uninstallCount")->property("text").toString().left(8),
              QStringLiteral("3 items "));

    clickAndSettle(first("leftoverCheck"));
    EXPECT_EQ(first("uninstallCount")->property("text").toString().left(8),
              QStringLiteral("2 items "));
    clickAndSettle(first("uninstallAddButton"));
    EXPECT_EQ(model.pileCount(), 2);
    EXPECT_EQ(addButtonText(), QStringLiteral("In pile"));
    EXPECT_FALSE(first("uninstallAddButton")->isEnabled());

    // The pile panel's first row is the application.
    clickAndSettle(itemWithText(first("pilePanel"), QStringLiteral("⊗")));
    ASSERT_EQ(model.pileCount(), 1);
    EXPECT_EQ(addButtonText(), QStringLiteral("Add to pile"));
    EXPECT_TRUE(first("uninstallAddButton")->isEnabled());
}

// The scan hands the installers rule the AppImages' names with the bundles'.
TEST(HomeScanInstalledApps, TheInstallerOfAnInstalledAppImageIsSuggested) {
    const testing::FixtureHome home;
    testing::writeAppImage(home / "Applications/Editor-1.2.3-x86_64.AppImage");
    testing::writeFile(home / "Downloads/Editor-1.2.4.dmg", std::string(11'000'000, 'x'));
    const auto outcome = HomeScan::run(home.path(), {}, {});
    const auto installers = std::find_if(
        outcome.suggestions.begin(), outcome.suggestions.end(),
        [](const Suggestion& found) { return found.id == "installers.installedApps"; });
    ASSERT_NE(installers, outcome.suggestions.end());
    ASSERT_EQ(installers->items.size(), 1u);
    EXPECT_EQ(installers->items.front().path, home / "Downloads/Editor-1.2.4.dmg");
}

// The main window on a fixture home that holds every base folder, scanned
// and on the Smart tab's Apps pane.
class AppImagePaneTest : public testing::MainWindowFixture {
  protected:
    AppImagePaneTest() {
        basePlaces.set("XDG_CACHE_HOME", home / ".cache")
            .set("XDG_STATE_HOME", home / ".local/state");
    }

    void openPane() {
        ASSERT_NO_FATAL_FAILURE(loadWindow());
        showTab("Smart");
        ASSERT_TRUE(model.scanHome());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isScanning(); }, 60'000));
        QTest::qWait(50);
        clickAndSettle(itemWithText(first("smartPanePicker"), QStringLiteral("Apps")));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const auto* list = window->findChild<QObject*>(QStringLiteral("installedAppList"));
                return list != nullptr && !list->property("loading").toBool();
            },
            5000));
    }

    testing::EnvironmentOverride basePlaces;
};

TEST_F(AppImagePaneTest, AnEmptyListSaysSo) {
    ASSERT_NO_FATAL_FAILURE(openPane());
    EXPECT_EQ(first("appRow"), nullptr);
    EXPECT_NE(first("noAppsText"), nullptr);
}

TEST_F(AppImagePaneTest, AnAppImageGoesToTheTrashWithItsLeftoversAndComesBackFromTheHistory) {
    const std::string appImage = home / "Applications/Editor-1.2.3-x86_64.AppImage";
    testing::writeAppImage(appImage);
    const std::string entry = home / ".local/share/applications/org.example.Editor.desktop";
    testing::writeDesktopEntry(entry, "\"" + appImage + "\" %U", "Name=Editor Pro\n");
    const std::string settings = home / ".config/org.example.Editor/settings.json";
    const std::string cache = home / ".cache/org.example.Editor/cache.db";
    testing::writeFile(settings, "{}");
    testing::writeFile(cache, std::string(20'000, 'c'));
    ASSERT_NO_FATAL_FAILURE(openPane());

    ASSERT_NE(first("appRow"), nullptr);
    EXPECT_EQ(first("noAppsText"), nullptr);
    EXPECT_NE(itemWithText(first("appRow"), QStringLiteral("Editor Pro")), nullptr);
    clickAndSettle(first("appRow"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first("uninstallAddButton") != nullptr; }, 5000));
    EXPECT_EQ(shown("leftoverRow").size(), 3);
    const auto* detail = window->findChild<QObject*>(QStringLiteral("uninstallDetail"));
    EXPECT_TRUE(detail->property("factsText")
                    .toString()
                    .startsWith(QString::fromStdString(
                        "App " + ByteFormat::string(testing::allocatedBytes(appImage)) + " · ")));
    EXPECT_TRUE(first("uninstallCount")->property("text").toString().startsWith("4 items · "));

    clickAndSettle(first("uninstallAddButton"));
    ASSERT_EQ(model.pileCount(), 4);
    model.commitPile();
    for (const auto& path : {appImage, entry, settings, cache}) {
        EXPECT_FALSE(testing::isThere(path)) << path;
    }
    // Gone from the list and the detail, so it cannot be offered again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return first("appRow") == nullptr; }, 5000));
    EXPECT_EQ(first("uninstallAddButton"), nullptr);
    const std::string trash = home / ".local/share/Trash";
    EXPECT_EQ(testing::contentsOf(trash + "/files/Editor-1.2.3-x86_64.AppImage"),
              testing::appImageBytes());
    EXPECT_TRUE(testing::isThere(trash + "/info/Editor-1.2.3-x86_64.AppImage.trashinfo"));

    HistoryModel history(HistoryModel::Services::standard());
    history.reload();
    ASSERT_EQ(history.sessions().size(), 1u);
    const auto ids = history.restorableIDs(history.sessions().front());
    EXPECT_EQ(ids.size(), 4u);
    history.restore(ids);
    EXPECT_EQ(testing::contentsOf(appImage), testing::appImageBytes());
    EXPECT_NE(std::filesystem::status(appImage).permissions() & std::filesystem::perms::owner_exec,
              std::filesystem::perms::none);
    EXPECT_EQ(testing::contentsOf(settings), "{}");
    EXPECT_TRUE(testing::isThere(entry));
    EXPECT_TRUE(testing::isThere(cache));
}

}  // namespace
}  // namespace tandor
