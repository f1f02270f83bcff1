#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "DuplicateFixtures.hpp"
#include "Duplicates/DuplicateSearch.hpp"
#include "TandorDuplicates/CancellationError.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using testing::folderNode;
using ::testing::IsEmpty;
using testing::pathsOf;
using Phase = DuplicateSearch::Phase;

Date day(int number) {
    return Date(std::chrono::hours(24 * number));
}

// A group whose keeper is the first path given.
DuplicateGroup group(const std::string& id, const std::vector<std::string>& paths) {
    std::vector<DuplicateFile> files;
    for (const auto& path : paths) {
        files.push_back({path, 2'000'000, day(1), std::nullopt});
    }
    return DuplicateGroup::restored(id, 2'000'000, files, paths.front(), "Keeps the oldest copy");
}

SimilarPhoto photo(const std::string& path, std::int64_t width) {
    return {path, 200'000, day(2), width, 100, std::nullopt};
}

std::vector<std::string> pathsOf(const SimilarPhotoGroup& group) {
    std::vector<std::string> paths;
    for (const auto& photo : group.photos()) {
        paths.push_back(photo.path);
    }
    return paths;
}

DuplicateSearch::Outcome outcome(std::vector<DuplicateGroup> groups,
                                 std::vector<SimilarPhotoGroup> photoGroups = {}) {
    return {DuplicateReport(std::move(groups), {}, 0, 0, {}, 0),
            SimilarPhotoReport{std::move(photoGroups), 0, {}}};
}

class DuplicateSearchTest : public ::testing::Test {
  protected:
    DuplicateSearchTest() { ui::Texts::setLanguage(QStringLiteral("en")); }

    FileNodePtr root = folderNode("/home/user");
    DuplicateSearch search;
};

TEST_F(DuplicateSearchTest, RunsBothFindersWithTheExtraCopiesLeftOutOfThePhotos) {
    std::set<std::string> excluded;
    std::vector<QString> lines;
    const DuplicateFinders finders{
        [](FileNode&, const HomePlaces&, const DuplicateFinder::Progress& progress,
           std::stop_token) {
            progress(DuplicateFinder::Stage::hashing, 1, 2);
            auto clones = group("c", {"/c/1", "/c/2"});
            return DuplicateReport({group("g", {"/a/keep.jpg", "/b/copy.jpg", "/c/copy 2.jpg"})},
                                   {clones}, 3, 0, {"/x", "/y"}, 0);
        },
        [&](FileNode&, const HomePlaces&, const std::set<std::string>& excluding,
            const SimilarPhotoFinder::Progress& progress, std::stop_token) {
            excluded = excluding;
            progress(3, 7);
            return SimilarPhotoReport{{}, 0, {"/z"}};
        },
    };
    const auto found =
        DuplicateSearch::search(finders, HomePlaces("/home/user"), *root,
                                [&](const QString& line) { lines.push_back(line); }, {});

    EXPECT_EQ(excluded, (std::set<std::string>{"/b/copy.jpg", "/c/copy 2.jpg"}));
    EXPECT_THAT(lines, ElementsAre("Comparing whole files… 1 of 2",
                                   "Looking at photos with image fingerprints… 3 of 7"));
    EXPECT_THAT(DuplicateSearch::footnotes(found.duplicates, found.photos),
                ElementsAre("1 more group is a copy-on-write clone: it already shares its "
                            "space, so there is nothing to gain.",
                            "3 files could not be read.",
                            "Files under 1 MB, app data in Library and hidden folders, app "
                            "bundles and photo libraries are not compared."));
}

// The application's finders on files: the copy in a localised Downloads
// folder is the one offered, and the programs' data folders are left out.
TEST_F(DuplicateSearchTest, TheApplicationsFindersFollowTheHomesPlaces) {
    const testing::FixtureHome home;
    const std::string content(1'000'000, 'x');
    std::vector<FileNodePtr> folders;
    for (const char* folder : {"Scaricati", "Documenti", "Data/app"}) {
        const std::string path = home / (std::string(folder) + "/a.bin");
        testing::writeFile(path, content);
        folders.push_back(folderNode(home / folder, {testing::fileNode(path, 1'000'000)}));
    }
    std::filesystem::last_write_time(
        home / "Scaricati/a.bin",
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(48));
    const std::string dataHome = home / "Data";
    HomePlaces places = HomePlaces::read(home.path(), [&dataHome](const char* name) {
        return std::string_view(name) == "XDG_DATA_HOME" ? dataHome.c_str() : nullptr;
    });
    places.applyUserDirs("XDG_DOWNLOAD_DIR=\"$HOME/Scaricati\"\n");

    const auto found =
        DuplicateSearch::search(DuplicateFinders::standard(), places,
                                *folderNode(home.path(), folders), [](const QString&) {}, {});
    ASSERT_EQ(found.duplicates.groups().size(), 1U);
    const DuplicateGroup& group = found.duplicates.groups().front();
    EXPECT_EQ(group.keeperPath(), home / "Documenti/a.bin");
    EXPECT_EQ(group.keeperReason(), "Keeps the copy outside Downloads");
    EXPECT_EQ(group.files().size(), 2U);
}

// The phase as each step of a search leaves it; each step is applied to the
// generation it names (1 is the first search, 2 the one that replaced it).
TEST_F(DuplicateSearchTest, OnlyTheLatestSearchChangesThePhase) {
    struct Step {
        const char* name;
        std::function<bool(DuplicateSearch&, const FileNodePtr&)> apply;
        bool changes;
        Phase phase;
    };
    const std::vector<std::vector<Step>> cases = {
        {{"progress", [](auto& s, auto&) { return s.updateProgress(1, "line"); }, true,
          Phase::working},
         {"ready", [](auto& s, auto& r) { return s.publish(1, outcome({}), r); }, true,
          Phase::ready},
         {"late progress", [](auto& s, auto&) { return s.updateProgress(1, "late"); }, false,
          Phase::ready}},
        {{"stopped in the photo stage", [](auto& s, auto&) { return s.stopped(1); }, true,
          Phase::idle},
         {"late results", [](auto& s, auto& r) { return s.publish(1, outcome({}), r); }, false,
          Phase::idle}},
        {{"failure", [](auto& s, auto&) { return s.fail(1, "disk gone"); }, true, Phase::failed}},
        {{"superseded", [](auto& s, auto&) { return s.start() == 2; }, true, Phase::working},
         {"old one stops", [](auto& s, auto&) { return s.stopped(1); }, false, Phase::working},
         {"old one publishes",
          [](auto& s, auto& r) {
              return s.publish(1, outcome({group("old", {"/1", "/2"})}), r);
          },
          false, Phase::working},
         {"old one fails", [](auto& s, auto&) { return s.fail(1, "x"); }, false, Phase::working},
         {"new one publishes", [](auto& s, auto& r) { return s.publish(2, outcome({}), r); }, true,
          Phase::ready}},
    };
    for (const auto& steps : cases) {
        DuplicateSearch fresh;
        ASSERT_EQ(fresh.start(), 1u);
        EXPECT_EQ(fresh.phaseText(), "Looking for files of the same size…");
        for (const auto& step : steps) {
            EXPECT_EQ(step.apply(fresh, root), step.changes) << step.name;
            EXPECT_EQ(fresh.phase(), step.phase) << step.name;
        }
        EXPECT_THAT(fresh.groups(), IsEmpty()) << steps.back().name;
    }
}

TEST_F(DuplicateSearchTest, AStoppedOrFailedSearchKeepsThePreviousResults) {
    search.publish(search.start(), outcome({group("g", {"/a", "/b"})}), root);
    search.stopped(search.start());
    EXPECT_EQ(search.groups().size(), 1u);
    search.fail(search.start(), "broken");
    EXPECT_EQ(search.groups().size(), 1u);
    EXPECT_EQ(search.phaseText(), "broken");
}

// Results belong to the tree object they came from, not to an address or a
// path: a tree freed and replaced never passes for the searched one.
TEST_F(DuplicateSearchTest, ResultsAreStaleForAnyOtherTree) {
    EXPECT_FALSE(search.isFrom(root));
    search.publish(search.start(), outcome({}), root);
    EXPECT_TRUE(search.isFrom(root));
    EXPECT_FALSE(search.isFrom(nullptr));
    EXPECT_FALSE(search.isFrom(folderNode("/home/user")));
    root.reset();
    for (int attempt = 0; attempt < 20; ++attempt) {
        EXPECT_FALSE(search.isFrom(folderNode("/home/user")));
    }
}

TEST_F(DuplicateSearchTest, KeepChangesOnlyAMemberOfAListedGroup) {
    search.publish(search.start(), outcome({group("g", {"/a", "/b"})}), root);
    EXPECT_FALSE(search.keep("/elsewhere", "g"));
    EXPECT_FALSE(search.keep("/b", "no such group"));
    EXPECT_TRUE(search.keep("/b", "g"));
    EXPECT_EQ(search.groups().front().keeperPath(), "/b");
    EXPECT_EQ(search.groups().front().keeperReason(), "You chose this copy");
}

TEST_F(DuplicateSearchTest, ForgetDropsEveryFileAtOrBelowAMovedPath) {
    struct Case {
        const char* name;
        std::set<std::string> moved;
        std::vector<std::vector<std::string>> groups;  // paths, kept copy first
    };
    const std::vector<Case> cases = {
        {"nothing moved", {}, {{"/h/b/x", "/h/a/x", "/h/c/x"}}},
        {"an extra copy", {"/h/a/x"}, {{"/h/b/x", "/h/c/x"}}},
        {"the kept copy", {"/h/b/x"}, {{"/h/a/x", "/h/c/x"}}},
        {"two of three", {"/h/b/x", "/h/c/x"}, {}},
        {"the kept copy's folder", {"/h/b"}, {{"/h/a/x", "/h/c/x"}}},
        {"a folder of a similar name", {"/h/b/x2", "/h/"}, {{"/h/b/x", "/h/a/x", "/h/c/x"}}},
        {"the home", {"/h"}, {}},
    };
    for (const auto& c : cases) {
        DuplicateSearch fresh;
        fresh.publish(fresh.start(), outcome({group("g", {"/h/b/x", "/h/a/x", "/h/c/x"})}), root);
        EXPECT_EQ(fresh.forget(c.moved, {}), c.groups.size() != 1 || c.groups.front().size() != 3)
            << c.name;
        ASSERT_EQ(fresh.groups().size(), c.groups.size()) << c.name;
        if (!c.groups.empty()) {
            const auto& left = fresh.groups().front();
            EXPECT_EQ(left.keeperPath(), c.groups.front().front()) << c.name;
            EXPECT_EQ(left.id(), "g") << c.name;
            EXPECT_EQ(pathsOf(left).size(), c.groups.front().size());
        }
    }
}

TEST_F(DuplicateSearchTest, ForgetPicksAfreshAwayFromTheDownloadsFolders) {
    search.publish(search.start(), outcome({group("g", {"/h/b/x", "/h/a/x", "/h/c/x"})}), root);
    EXPECT_TRUE(search.forget({"/h/b/x"}, {"/h/a"}));
    EXPECT_EQ(search.groups().front().keeperPath(), "/h/c/x");
    EXPECT_EQ(search.groups().front().keeperReason(), "Keeps the copy outside Downloads");
}

TEST_F(DuplicateSearchTest, ForgetKeepsTheUsersChoiceOrPicksAfresh) {
    search.publish(search.start(),
                   outcome({group("g", {"/h/a/x", "/h/b/x", "/h/c/x"})},
                           {SimilarPhotoGroup({photo("/p/1.jpg", 300), photo("/p/2.jpg", 200),
                                               photo("/p/3.jpg", 100)})}),
                   root);
    ASSERT_TRUE(search.keep("/h/c/x", "g"));
    ASSERT_TRUE(search.keepPhoto("/p/3.jpg", "/p/1.jpg"));

    EXPECT_TRUE(search.forget({"/h/b/x", "/p/2.jpg"}, {}));
    EXPECT_EQ(search.groups().front().keeperPath(), "/h/c/x");
    EXPECT_EQ(search.photoGroups().front().bestPath(), "/p/3.jpg");
    EXPECT_THAT(pathsOf(search.photoGroups().front()), ElementsAre("/p/1.jpg", "/p/3.jpg"));

    EXPECT_TRUE(search.forget({"/p/3.jpg"}, {}));
    EXPECT_THAT(search.photoGroups(), IsEmpty());
    EXPECT_TRUE(search.forget({"/h/c"}, {}));
    EXPECT_THAT(search.groups(), IsEmpty());
}

// The user's choice of the copy (or shot) to keep holds across searches for
// as long as a search still finds that copy.
TEST_F(DuplicateSearchTest, SearchAgainKeepsTheChosenCopyWhileItIsFound) {
    const auto photos = [] {
        return std::vector<SimilarPhotoGroup>{
            SimilarPhotoGroup({photo("/p/1.jpg", 300), photo("/p/2.jpg", 200)})};
    };
    search.publish(search.start(), outcome({group("g", {"/h/a/x", "/h/b/x", "/h/c/x"})}, photos()),
                   root);
    ASSERT_TRUE(search.keep("/h/b/x", "g"));
    ASSERT_TRUE(search.keep("/h/c/x", "g"));
    ASSERT_TRUE(search.keepPhoto("/p/2.jpg", "/p/1.jpg"));

    search.publish(search.start(), outcome({group("g", {"/h/a/x", "/h/b/x", "/h/c/x"})}, photos()),
                   root);
    EXPECT_EQ(search.groups().front().keeperPath(), "/h/c/x");
    EXPECT_EQ(search.groups().front().keeperReason(), "You chose this copy");
    EXPECT_EQ(search.photoGroups().front().bestPath(), "/p/2.jpg");

    search.publish(search.start(), outcome({group("g", {"/h/a/x", "/h/b/x"})}), root);
    EXPECT_EQ(search.groups().front().keeperPath(), "/h/a/x");
    search.publish(search.start(), outcome({group("g", {"/h/a/x", "/h/b/x", "/h/c/x"})}), root);
    EXPECT_EQ(search.groups().front().keeperPath(), "/h/a/x");
}

}  // namespace
}  // namespace tandor
