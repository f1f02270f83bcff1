#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QThreadPool>
#include <chrono>
#include <future>
#include <string>
#include <tuple>

#include "SettingsFolder.hpp"
#include "Support/BackgroundPool.hpp"
#include "Shell/CategoryBarModel.hpp"
#include "Shell/ContentView.hpp"
#include "Shell/ContentViewModel.hpp"
#include "Shell/ShellSettings.hpp"
#include "Shell/ViewTabBarEdges.hpp"

namespace tandor {
namespace {

using ContentView::Route;
using ContentView::Tab;
using Phase = ScanModel::Phase;

// the content of every phase and tab, with and without a tree.
struct RouteCase {
    Phase phase;
    Tab tab;
    bool hasRoot;
    Route route;
};

class ContentRouting : public ::testing::TestWithParam<RouteCase> {};

TEST_P(ContentRouting, ThePhaseAndTabChooseTheContent) {
    const auto& c = GetParam();
    EXPECT_EQ(ContentView::routeName(ContentView::route(c.phase, c.tab, c.hasRoot)),
              ContentView::routeName(c.route))
        << ContentView::rawValue(c.tab) << " root " << c.hasRoot;
}

std::vector<RouteCase> routeTable() {
    std::vector<RouteCase> table;
    // Before the first scan, during a scan and after a failure every tab but
    // History shows the phase's screen, tree or not.
    for (const bool hasRoot : {false, true}) {
        for (const Tab tab : ContentView::allTabs) {
            const bool history = tab == Tab::history;
            table.push_back(
                {Phase::idle, tab, hasRoot, history ? Route::history : Route::emptyState});
            table.push_back(
                {Phase::scanning, tab, hasRoot, history ? Route::history : Route::progress});
            table.push_back(
                {Phase::failed, tab, hasRoot, history ? Route::history : Route::failure});
        }
    }
    // Ready: the ordered rules.
    const std::vector<std::tuple<Tab, Route, Route>> ready = {
        // tab, with a tree, without one
        {Tab::suggestions, Route::suggestions, Route::suggestions},
        {Tab::categories, Route::categories, Route::categories},
        {Tab::browse, Route::browse, Route::nothing},
        {Tab::swipe, Route::swipe, Route::nothing},
        {Tab::duplicates, Route::duplicates, Route::duplicates},
        {Tab::smart, Route::smart, Route::smart},
        {Tab::systemData, Route::systemData, Route::systemData},
        {Tab::history, Route::history, Route::history},
    };
    for (const auto& [tab, withTree, withoutTree] : ready) {
        table.push_back({Phase::ready, tab, true, withTree});
        table.push_back({Phase::ready, tab, false, withoutTree});
    }
    return table;
}

INSTANTIATE_TEST_SUITE_P(Table, ContentRouting, ::testing::ValuesIn(routeTable()));

TEST(ContentHeader, ShowsOnlyWhenReadyAndNeverOnHistory) {
    for (const Tab tab : ContentView::allTabs) {
        EXPECT_EQ(ContentView::showsHeader(Phase::ready, tab), tab != Tab::history);
        EXPECT_FALSE(ContentView::showsHeader(Phase::idle, tab));
        EXPECT_FALSE(ContentView::showsHeader(Phase::scanning, tab));
        EXPECT_FALSE(ContentView::showsHeader(Phase::failed, tab));
    }
}

TEST(ContentTabs, TheRawValuesAreTheTitlesAndMapBackExactly) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Suggestions", "sparkles"},
        {"Categories", "square.grid.2x2"},
        {"Browse", "folder"},
        {"Swipe", "hand.draw"},
        {"Duplicates", "doc.on.doc"},
        {"Smart", "wand.and.stars"},
        {"System Data", "internaldrive"},
        {"History", "clock.arrow.circlepath"},
    };
    ASSERT_EQ(ContentView::allTabs.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const Tab tab = ContentView::allTabs[index];
        EXPECT_EQ(ContentView::rawValue(tab), expected[index].first);
        EXPECT_EQ(ContentView::symbol(tab), expected[index].second);
        EXPECT_EQ(ContentView::tabFromRawValue(expected[index].first), tab);
    }
    for (const char* other : {"", "history", "System data", "SystemData", "Suggestions "}) {
        EXPECT_FALSE(ContentView::tabFromRawValue(other)) << other;
    }
}

TEST(ContentViewModelTest, FollowsTheScanModelAndTheSelectedTab) {
    const testing::SettingsFolder settings;
    ScanModel model;
    ContentViewModel view;
    QSignalSpy routes(&view, &ContentViewModel::routeChanged);
    EXPECT_EQ(view.tab(), QStringLiteral("Suggestions"));
    EXPECT_EQ(view.route(), QStringLiteral("emptyState"));
    view.setScanModel(&model);
    EXPECT_EQ(view.route(), QStringLiteral("emptyState"));
    EXPECT_TRUE(view.canScan());
    EXPECT_FALSE(view.showsHeader());

    view.setTab(QStringLiteral("History"));
    EXPECT_EQ(view.route(), QStringLiteral("history"));
    view.setTab(QStringLiteral("Nonsense"));
    EXPECT_EQ(view.tab(), QStringLiteral("History"));
    const auto changes = routes.count();
    view.setTab(QStringLiteral("History"));
    EXPECT_EQ(routes.count(), changes);

    EXPECT_EQ(ContentViewModel::tabs().size(), 8);
    EXPECT_EQ(ContentViewModel::tabs().at(6).toMap().value(QStringLiteral("title")),
              QStringLiteral("System Data"));
}

// the 2-point tolerance, the fade stops and the scroll targets.
struct EdgeCase {
    double contentX;
    double contentWidth;
    double viewportWidth;
    bool leading;
    bool trailing;
};

class TabBarEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(TabBarEdges, ASideHidesButtonsOnlyBeyondTheTolerance) {
    const auto& c = GetParam();
    ViewTabBarEdges edges;
    edges.setContentX(c.contentX);
    edges.setContentWidth(c.contentWidth);
    edges.setViewportWidth(c.viewportWidth);
    EXPECT_EQ(edges.leadingHidden(), c.leading);
    EXPECT_EQ(edges.trailingHidden(), c.trailing);
    EXPECT_DOUBLE_EQ(edges.leadingFadeEnd(), c.leading ? 0.08 : 0);
    EXPECT_DOUBLE_EQ(edges.trailingFadeStart(), c.trailing ? 0.92 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabBarEdges,
    ::testing::Values(EdgeCase{0, 0, 0, false, false},       // before the first layout
                      EdgeCase{0, 700, 800, false, false},   // everything fits
                      EdgeCase{0, 900, 800, false, true},    // at the start
                      EdgeCase{100, 900, 800, true, false},  // scrolled fully right
                      EdgeCase{50, 900, 800, true, true},    // in the middle
                      EdgeCase{2, 900, 800, false, true},    // 2 points: no fade yet
                      EdgeCase{2.5, 900, 800, true, true},   // just beyond it
                      EdgeCase{0, 802, 800, false, false},   // 2 points beyond the end
                      EdgeCase{0, 802.5, 800, false, true}));

TEST(TabBarScrolling, ChevronsScrollThreeQuartersOfTheViewportWithinTheRow) {
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::chevronTarget(false, 0, 2000, 400), 300);
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::chevronTarget(false, 1500, 2000, 400), 1600);
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::chevronTarget(true, 1600, 2000, 400), 1300);
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::chevronTarget(true, 100, 2000, 400), 0);
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::chevronTarget(false, 0, 300, 400), 0);
}

TEST(TabBarScrolling, ASelectedTabOutOfViewScrollsInWithMarginToSpare) {
    // Visible already: no scroll.
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::revealTarget(100, 80, 40, 50, 1000, 400), 50);
    // Beyond the trailing edge: its end plus the margin at the viewport's end.
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::revealTarget(500, 80, 40, 0, 1000, 400), 220);
    // Before the leading edge: its start less the margin.
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::revealTarget(300, 80, 40, 400, 1000, 400), 260);
    // The first and last tabs scroll the row to its ends.
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::revealTarget(12, 80, 40, 400, 1000, 400), 0);
    EXPECT_DOUBLE_EQ(ViewTabBarEdges::revealTarget(900, 88, 40, 0, 1000, 400), 600);
}

TEST(CategoryBarSums, SumsEachCategoryLargestFirstAndLeavesOutEmptyOnes) {
    const auto suggestion = [](StorageCategory category, std::int64_t bytes) {
        return Suggestion("r", "t", category, std::nullopt, SafetyLevel::regenerable, "why", {},
                          {{"/h/x", bytes, {}, {}}});
    };
    const auto sums = CategoryBarModel::sums(
        {suggestion(StorageCategory::caches, 5), suggestion(StorageCategory::developer, 7),
         suggestion(StorageCategory::caches, 4), suggestion(StorageCategory::media, 7),
         suggestion(StorageCategory::games, 0)});
    EXPECT_THAT(sums, ::testing::ElementsAre(CategoryBarModel::Sum{StorageCategory::caches, 9},
                                             CategoryBarModel::Sum{StorageCategory::developer, 7},
                                             CategoryBarModel::Sum{StorageCategory::media, 7}));
    EXPECT_THAT(CategoryBarModel::sums({}), ::testing::IsEmpty());
}

TEST(ShellSettingsTest, TheTutorialFlagIsStoredUnderItsKey) {
    const testing::SettingsFolder folder;
    ShellSettings settings;
    QSignalSpy changes(&settings, &ShellSettings::tutorialOpenChanged);
    EXPECT_FALSE(settings.tutorialOpen());
    settings.setTutorialOpen(true);
    EXPECT_TRUE(QSettings().value("tutorialOpen").toBool());
    settings.setTutorialOpen(true);  // again: changes nothing
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(ShellSettings().tutorialOpen());
}

TEST(ShellSettingsTest, TheLanguageChoiceIsStoredOrRemovedForTheSystemsLanguage) {
    const testing::SettingsFolder folder;
    ShellSettings settings;
    EXPECT_EQ(settings.language(), QString());
    EXPECT_TRUE(settings.chooseLanguage(QStringLiteral("it")));
    EXPECT_EQ(QSettings().value("tandorLanguage").toString(), QStringLiteral("it"));
    EXPECT_FALSE(settings.chooseLanguage(QStringLiteral("it")));  // no change, no relaunch
    EXPECT_FALSE(settings.chooseLanguage(QStringLiteral("de")));
    EXPECT_EQ(settings.language(), QStringLiteral("it"));
    EXPECT_TRUE(settings.chooseLanguage(QString()));
    EXPECT_FALSE(QSettings().contains("tandorLanguage"));
    QSettings().setValue("tandorLanguage", "klingon");
    EXPECT_EQ(settings.language(), QString());
}

TEST(ShellSettingsTest, RelaunchRunsTheRelauncher) {
    int relaunches = 0;
    ShellSettings::setRelauncher([&] { ++relaunches; });
    ShellSettings().relaunch();
    ShellSettings::setRelauncher({});
    EXPECT_EQ(relaunches, 1);
}

TEST(ShellSettingsTest, AStoredGeometryFitsOnlyWhollyOnOneScreen) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const struct {
        QRect geometry;
        bool fits;
    } cases[] = {
        {QRect(100, 80, 1100, 720), true},
        {QRect(2000, 100, 1000, 700), true},   // on the second screen
        {QRect(1500, 100, 1100, 720), false},  // straddles both
        {QRect(1000, 500, 1100, 720), false},  // runs off the first
        {QRect(-50, 0, 1100, 720), false},     // left of every screen
        {QRect(0, 0, 1920, 1080), true},       // exactly the screen
        {QRect(3300, 100, 900, 560), false},   // a screen since unplugged
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShellSettings::fitsOnAScreen(c.geometry, screens), c.fits)
            << c.geometry.x() << "," << c.geometry.y();
    }
    EXPECT_FALSE(ShellSettings::fitsOnAScreen(QRect(0, 0, 900, 560), {}));
}

// Qt draws with its global thread pool (image scaling, the raster engine's
// fills): background work that fills our own pool must not hold a drawing up.
TEST(BackgroundPoolTest, WorkFillingThePoolDoesNotHoldUpDrawing) {
    QThreadPool& pool = *BackgroundPool::shared();
    QSemaphore started;
    QSemaphore gate;
    const int threads = pool.maxThreadCount();
    for (int index = 0; index < threads; ++index) {
        pool.start([&] {
            started.release();
            gate.acquire();
        });
    }
    ASSERT_TRUE(started.tryAcquire(threads, 10'000));

    QImage photo(4000, 3000, QImage::Format_ARGB32);
    photo.fill(Qt::darkCyan);
    auto drawing = std::async(std::launch::async, [&] {
        return photo.scaled(2000, 1500, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    });
    const bool drawn = drawing.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    gate.release(threads);
    EXPECT_TRUE(drawn);
    EXPECT_EQ(drawing.get().size(), QSize(2000, 1500));
    pool.waitForDone();
}

}  // namespace
}  // namespace tandor
