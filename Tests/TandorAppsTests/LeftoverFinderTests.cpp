// Matching Library entries on a fixture home.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

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
    "/Applications/Editor.app", "com.example.Editor", "Editor", std::nullopt, false, std::nullopt};

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
        "/Applications/Git.app", "org.example.git", "Git", std::nullopt, false, std::nullopt};
    EXPECT_THAT(leftovers(git), IsEmpty());
}

}  // namespace
}  // namespace tandor
