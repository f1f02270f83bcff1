// The uninstall plan: measuring, selection and the suggestion's evidence.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "BundleFixtures.hpp"
#include "TandorApps/UninstallPlan.hpp"
#include "TandorScanner/StaticLastUsedReader.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using Match = Leftover::Match;
using ::testing::ElementsAre;

const Date now = Date{} + std::chrono::seconds(1'800'000'000);

Leftover leftover(const std::string& path, std::int64_t bytes, Match match) {
    return Leftover{path, bytes, "Caches", match, SafetyLevel::regenerable, "reason"};
}

UninstallPlan plan(std::optional<std::string> version = "2.1", bool fromAppStore = false,
                   std::optional<Date> lastOpened = std::nullopt) {
    return UninstallPlan{
        AppBundle{"/Applications/Editor.app", "com.example.Editor", "Editor", std::move(version),
                  fromAppStore, std::nullopt, AppBundle::Kind::bundle, std::nullopt},
        250'000'000,
        {leftover("/h/Library/Containers/com.example.Editor", 10'000'000, Match::bundleID),
         leftover("/h/Library/Caches/editor", 2'000'000, Match::name),
         leftover("/h/Library/Logs/Editor", 400'000, Match::name),
         leftover("/h/Library/Preferences/com.example.Editor.plist", 100'000, Match::bundleID)},
        lastOpened};
}

SuggestionItem item(const std::string& path, std::int64_t bytes) {
    return SuggestionItem{path, bytes, std::nullopt, std::nullopt};
}

std::vector<std::string> texts(const Suggestion& suggestion) {
    std::vector<std::string> lines;
    for (const auto& line : suggestion.evidence) {
        lines.push_back((line.kind == Evidence::Kind::observed ? "observed: " : "inferred: ") +
                        line.text);
    }
    return lines;
}

TEST(UninstallPlan, DefaultSelectionIsTheIdentifierMatches) {
    const auto uninstall = plan();
    EXPECT_THAT(uninstall.defaultSelection(),
                ElementsAre("/h/Library/Containers/com.example.Editor",
                            "/h/Library/Preferences/com.example.Editor.plist"));
    EXPECT_EQ(uninstall.totalBytes(), 262'500'000);

    const auto suggestion = uninstall.suggestion(std::nullopt, now);
    ASSERT_TRUE(suggestion);
    EXPECT_EQ(suggestion->id, "uninstall.com.example.Editor");
    EXPECT_EQ(suggestion->ruleID, "uninstall.com.example.Editor");
    EXPECT_EQ(suggestion->title, "Uninstall Editor");
    EXPECT_EQ(suggestion->category, StorageCategory::apps);
    EXPECT_EQ(suggestion->subcategory, std::nullopt);
    EXPECT_EQ(suggestion->safety, SafetyLevel::needsReview);
    EXPECT_EQ(suggestion->reason, "Removes the app and the files it left in your Library.");
    EXPECT_THAT(suggestion->items,
                ElementsAre(item("/Applications/Editor.app", 250'000'000),
                            item("/h/Library/Containers/com.example.Editor", 10'000'000),
                            item("/h/Library/Preferences/com.example.Editor.plist", 100'000)));
    EXPECT_EQ(suggestion->totalBytes(), 260'100'000);
    EXPECT_THAT(texts(*suggestion),
                ElementsAre("observed: App 250 MB, 2 leftover items 10.1 MB",
                            "observed: Version 2.1, com.example.Editor",
                            "inferred: To get it back, download it again from the developer. Its "
                            "settings come back from the Trash or the history.",
                            "inferred: Quit the app before uninstalling it."));
}

TEST(UninstallPlan, EvidenceFollowsTheChosenLeftovers) {
    const auto lastOpened = now - std::chrono::hours(24 * 12 + 1);
    const auto uninstall = plan(std::nullopt, true, lastOpened);
    const auto chosen = uninstall.suggestion(
        std::set<std::string>{"/h/Library/Caches/editor", "/h/Library/Logs/Editor",
                              "/h/Library/Containers/com.example.Editor", "/elsewhere"},
        now);
    EXPECT_THAT(texts(*chosen),
                ElementsAre("observed: App 250 MB, 3 leftover items 12.4 MB",
                            "observed: Last opened 12 days ago",
                            "inferred: 2 of them matched by name only: check they are not used "
                            "by another app",
                            "inferred: From the App Store: you can download it again for free "
                            "from your purchases.",
                            "inferred: Quit the app before uninstalling it."));
    EXPECT_EQ(chosen->items.size(), 4u) << "a path that is no leftover is ignored";

    const auto none = uninstall.suggestion(std::set<std::string>{}, now);
    EXPECT_EQ(none->evidence.front().text, "App 250 MB, 0 leftover items 0 bytes");
    EXPECT_THAT(none->items, ElementsAre(item("/Applications/Editor.app", 250'000'000)));

    const auto one = uninstall.suggestion(std::set<std::string>{"/h/Library/Logs/Editor"}, now);
    EXPECT_EQ(one->evidence.front().text, "App 250 MB, 1 leftover item 400 KB");
}

TEST(UninstallPlan, ProtectedApplicationsGetNoSuggestion) {
    for (const auto& [path, bundleID] : std::vector<std::pair<std::string, std::string>>{
             {"/Applications/Notes.app", "com.apple.Notes"},
             {"/System/Applications/Tool.app", "org.example.tool"}}) {
        auto uninstall = plan();
        uninstall.app.path = path;
        uninstall.app.bundleID = bundleID;
        EXPECT_EQ(uninstall.suggestion(uninstall.defaultSelection(), now), std::nullopt);
    }
}

TEST(UninstallPlan, MakeMeasuresTheBundleAndFindsItsLeftovers) {
    testing::FixtureHome home;
    testing::makeApp(home / "Applications/Editor.app", "com.example.Editor", "Editor");
    testing::writeText(home / "Applications/Editor.app/Contents/MacOS/editor",
                       std::string(100'000, 'x'));
    testing::writeText(home / "Library/Caches/com.example.Editor/cache", std::string(5'000, 'x'));
    const auto app = AppBundle::read(home / "Applications/Editor.app");
    ASSERT_TRUE(app);
    const StaticLastUsedReader reader({{app->path, now}});

    const auto made = UninstallPlan::make(*app, LeftoverFinder(home.path()), reader);
    EXPECT_GE(made.appBytes, 100'000);
    ASSERT_EQ(made.leftovers.size(), 1u);
    EXPECT_EQ(made.leftovers[0].path, home / "Library/Caches/com.example.Editor");
    EXPECT_GE(made.leftovers[0].bytes, 5'000);
    EXPECT_EQ(made.lastOpened, now);

    auto missing = *app;
    missing.path = home / "Applications/Gone.app";
    EXPECT_EQ(UninstallPlan::make(missing, LeftoverFinder(home.path()), reader).appBytes, 0);
}

}  // namespace
}  // namespace tandor
