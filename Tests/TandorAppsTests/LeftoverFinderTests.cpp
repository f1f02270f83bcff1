// Matching Library entries on a fixture home.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "BundleFixtures.hpp"
#include "TandorApps/LeftoverFinder.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::allocatedBytes;
using testing::writeText;
using Match = Leftover::Match;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const AppBundle editor{
    "/Applications/Editor.app", "com.example.Editor", "Editor", std::nullopt, false, std::nullopt,
    AppBundle::Kind::bundle,    std::nullopt};

class LeftoverFinderTest : public ::testing::Test {
  protected:
    std::string library(const std::string& relative) const {
        return home_ / ("Library/" + relative);
    }
    void entry(const std::string& relative, std::size_t bytes = 0) const {
        writeText(library(relative), std::string(bytes, 'x'));
    }
    std::vector<Leftover> leftovers(const AppBundle& app) const {
        return LeftoverFinder(home_.path() + "/").leftovers(app);
    }

    testing::FixtureHome home_;
};

TEST_F(LeftoverFinderTest, MatchesByIdentifierEverywhereAndByNameInThreePlaces) {
    struct Case {
        std::string entry;
        Match match;
        SafetyLevel safety;
        std::string location;
    };
    const std::vector<Case> cases{
        {"Containers/com.example.editor", Match::bundleID, SafetyLevel::needsReview, "Containers"},
        {"Preferences/com.example.Editor.plist", Match::bundleID, SafetyLevel::needsReview,
         "Preferences"},
        {"Preferences/ByHost/com.example.Editor.1234.plist", Match::bundleID,
         SafetyLevel::needsReview, "Preferences"},
        {"Group Containers/TEAM123.com.example.Editor", Match::bundleID, SafetyLevel::needsReview,
         "Group Containers"},
        {"Caches/com.example.Editor", Match::bundleID, SafetyLevel::regenerable, "Caches"},
        {"LaunchAgents/com.example.Editor.helper.plist", Match::bundleID, SafetyLevel::needsReview,
         "Login items"},
        {"Saved Application State/com.example.Editor.savedState", Match::bundleID,
         SafetyLevel::regenerable, "Saved window state"},
        {"WebKit/com.example.Editor", Match::bundleID, SafetyLevel::regenerable, "Web storage"},
        {"Application Support/EDITOR", Match::name, SafetyLevel::needsReview,
         "Application Support"},
        {"Caches/editor", Match::name, SafetyLevel::needsReview, "Caches"},
        {"Logs/Editor", Match::name, SafetyLevel::needsReview, "Logs"},
    };
    const std::vector<std::string> strangers{
        "Containers/com.example.EditorPro",
        "Caches/TEAM123.com.example.Editor",
        "Containers/Editor",
        "Cookies/editor",
        "Caches/editor.old",
        "Caches/com.example",
    };
    for (const auto& testCase : cases) {
        entry(testCase.entry + "/content");
    }
    for (const auto& stranger : strangers) {
        entry(stranger + "/content");
    }

    const auto found = leftovers(editor);
    for (const auto& testCase : cases) {
        const auto path = library(testCase.entry);
        const auto leftover = std::find_if(found.begin(), found.end(),
                                           [&](const Leftover& item) { return item.path == path; });
        ASSERT_NE(leftover, found.end()) << path;
        EXPECT_EQ(leftover->match, testCase.match) << path;
        EXPECT_EQ(leftover->safety, testCase.safety) << path;
        EXPECT_EQ(leftover->location, testCase.location) << path;
    }
    EXPECT_EQ(found.size(), cases.size()) << "none of the strangers";
}

TEST_F(LeftoverFinderTest, CarriesTheLocationsReasonAndMeasuredSize) {
    entry("Caches/com.example.Editor", 20'000);
    entry("Preferences/ByHost/com.example.Editor.A.plist", 10);
    const auto found = leftovers(editor);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], (Leftover{library("Caches/com.example.Editor"),
                                  allocatedBytes(library("Caches/com.example.Editor")), "Caches",
                                  Match::bundleID, SafetyLevel::regenerable,
                                  "Temporary data. Not needed without the app."}));
    EXPECT_EQ(found[1].reason,
              "The app's settings for this Mac. Only needed if you install it again.");
}

TEST_F(LeftoverFinderTest, LargestFirstAndEqualSizesInTableOrder) {
    entry("Caches/com.example.Editor", 0);
    entry("Containers/com.example.Editor", 0);
    entry("Logs/com.example.Editor.log", 50'000);
    const auto found = leftovers(editor);
    std::vector<std::string> paths;
    for (const auto& leftover : found) {
        paths.push_back(leftover.path);
    }
    EXPECT_THAT(paths, ElementsAre(library("Logs/com.example.Editor.log"),
                                   library("Containers/com.example.Editor"),
                                   library("Caches/com.example.Editor")));
}

TEST_F(LeftoverFinderTest, ShortNamesAndMissingFoldersFindNothing) {
    EXPECT_THAT(leftovers(editor), IsEmpty()) << "no Library at all";
    entry("Caches/git/x");
    entry("Application Support/Git/x");
    const AppBundle git{
        "/Applications/Git.app", "org.example.git", "Git", std::nullopt, false, std::nullopt,
        AppBundle::Kind::bundle, std::nullopt};
    EXPECT_THAT(leftovers(git), IsEmpty());
}

// A home whose cache folder lies inside its data folder, searched for an
// AppImage with and without a desktop entry of its own.
class PlatformLeftovers : public ::testing::Test {
  protected:
    LeftoverFinder finder() const {
        return LeftoverFinder(HomePlaces::read(home.path(), [this](const char* name) {
            return std::string_view(name) == "XDG_CACHE_HOME" ? cache.c_str() : nullptr;
        }));
    }

    std::vector<std::pair<std::string, Match>> found(const AppBundle& app) const {
        std::vector<std::pair<std::string, Match>> matches;
        for (const auto& leftover : finder().leftovers(app)) {
            matches.emplace_back(leftover.path, leftover.match);
        }
        std::sort(matches.begin(), matches.end());
        return matches;
    }

    static AppBundle appImage(std::string name, std::optional<std::string> entryID) {
        auto id = entryID.value_or(name);
        return {"/opt/" + name + ".AppImage",
                std::move(id),
                std::move(name),
                std::nullopt,
                false,
                std::nullopt,
                AppBundle::Kind::appImage,
                entryID ? std::optional("/x/" + *entryID + ".desktop") : std::nullopt};
    }

    const testing::TemporaryFolder home;
    const std::string cache = home / ".local/share/cache";
};

TEST_F(PlatformLeftovers, MatchInTheBaseFoldersSandboxesAndMenuEntries) {
    struct Case {
        std::string entry;
        Match match;
        SafetyLevel safety;
        std::string location;
    };
    const std::vector<Case> cases{
        {".config/org.example.Editor", Match::bundleID, SafetyLevel::needsReview, "Configuration"},
        {".config/editor", Match::name, SafetyLevel::needsReview, "Configuration"},
        {".local/share/Editor", Match::name, SafetyLevel::needsReview, "App data"},
        {".local/share/cache/org.example.editor", Match::bundleID, SafetyLevel::regenerable,
         "Caches"},
        {".local/state/org.example.Editor.log", Match::bundleID, SafetyLevel::needsReview, "State"},
        {".var/app/org.example.Editor", Match::bundleID, SafetyLevel::needsReview,
         "Flatpak sandbox"},
        {".local/share/applications/org.example.Editor.desktop", Match::bundleID,
         SafetyLevel::needsReview, "Menu entry"},
    };
    for (const auto& testCase : cases) {
        writeText(home / testCase.entry, "x");
    }
    for (const char* stranger : {".var/app/Editor", ".local/share/applications/editor.desktop",
                                 ".config/org.example.EditorPro", ".cache/org.example.Editor"}) {
        writeText(home / stranger, "x");
    }

    const auto leftovers = finder().leftovers(appImage("Editor", "org.example.Editor"));
    ASSERT_EQ(leftovers.size(), cases.size());
    for (const auto& testCase : cases) {
        const auto leftover =
            std::find_if(leftovers.begin(), leftovers.end(),
                         [&](const Leftover& item) { return item.path == home / testCase.entry; });
        ASSERT_NE(leftover, leftovers.end()) << testCase.entry;
        EXPECT_EQ(leftover->match, testCase.match) << testCase.entry;
        EXPECT_EQ(leftover->safety, testCase.safety) << testCase.entry;
        EXPECT_EQ(leftover->location, testCase.location) << testCase.entry;
    }

    // Named after its file only, it has no identifier to carry.
    EXPECT_THAT(found(appImage("Editor", std::nullopt)),
                ElementsAre(std::pair(home / ".config/editor", Match::name),
                            std::pair(home / ".local/share/Editor", Match::name)));
}

TEST_F(PlatformLeftovers, NeverABaseFolderTheTrashOrTandorsOwn) {
    for (const char* folder : {".local/share/Tandor/history.json", ".config/Tandor/Tandor.conf",
                               ".local/share/Trash/files/x", ".local/share/cache/x",
                               ".local/share/applications/x", ".local/share/cache/Tandor/x"}) {
        writeText(home / folder, "x");
    }
    for (const char* name : {"Tandor", "Trash", "cache", "applications"}) {
        EXPECT_THAT(found(appImage(name, std::nullopt)), IsEmpty()) << name;
        EXPECT_THAT(found(appImage(name, name)), IsEmpty()) << name;
    }
}

}  // namespace
}  // namespace tandor
