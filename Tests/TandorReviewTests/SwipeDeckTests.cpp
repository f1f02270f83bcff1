#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "TandorCore/Paths.hpp"
#include "TandorReview/SwipeDeckBuilder.hpp"

namespace tandor {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

const Date now{std::chrono::seconds{1'750'000'000}};
constexpr auto day = 24h;

struct FileSpec {
    std::string relative;
    std::int64_t bytes = 0;
    std::optional<Date> modified;
    bool isDirectory = false;
};

// The tree of the given files (and the folders that hold them) below root.
FileNodePtr tree(const std::string& root, const std::vector<FileSpec>& files) {
    std::map<std::string, std::vector<FileSpec>> byFirst;
    std::vector<FileNodePtr> children;
    for (const auto& spec : files) {
        const auto slash = spec.relative.find('/');
        if (slash == std::string::npos) {
            const std::string path = paths::join(root, spec.relative);
            children.push_back(spec.isDirectory ? FileNode::make(path, std::nullopt, true, 0, 0, 0,
                                                                 spec.modified, std::nullopt, {})
                                                : FileNode::make(path, std::nullopt, false,
                                                                 spec.bytes, spec.bytes, 0,
                                                                 spec.modified, std::nullopt, {}));
            continue;
        }
        FileSpec inner = spec;
        inner.relative = spec.relative.substr(slash + 1);
        byFirst[spec.relative.substr(0, slash)].push_back(inner);
    }
    for (const auto& [name, inner] : byFirst) {
        children.push_back(tree(paths::join(root, name), inner));
    }
    return FileNode::make(root, std::nullopt, true, 0, 0, 0, std::nullopt, std::nullopt,
                          std::move(children));
}

SwipeDeckBuilder applicationBuilder(const HomePlaces& places = HomePlaces("/home/u/")) {
    return SwipeDeckBuilder(places, now, 1'000'000, 1'000'000, 200'000'000, 50'000'000, 365);
}

std::vector<std::string> cardPaths(const std::vector<SwipeCard>& cards) {
    std::vector<std::string> paths;
    for (const auto& card : cards) {
        paths.push_back(card.path);
    }
    return paths;
}

std::vector<SwipeDeckKind> decksHolding(
    const std::string& path, const std::map<SwipeDeckKind, std::vector<SwipeCard>>& decks) {
    std::vector<SwipeDeckKind> holding;
    for (const auto& [kind, cards] : decks) {
        for (const auto& card : cards) {
            if (card.path == path) {
                holding.push_back(kind);
            }
        }
    }
    return holding;
}

struct DealCase {
    FileSpec file;
    std::vector<SwipeDeckKind> decks;
};

void PrintTo(const DealCase& row, std::ostream* out) {
    *out << row.file.relative << " of " << row.file.bytes << " bytes";
}

class SwipeDeckDealing : public ::testing::TestWithParam<DealCase> {};

TEST_P(SwipeDeckDealing, AppliesTheThresholdsAndShields) {
    const auto decks = applicationBuilder().decks(tree("/home/u", {GetParam().file}));
    EXPECT_EQ(decksHolding("/home/u/" + GetParam().file.relative, decks), GetParam().decks);
    EXPECT_EQ(decks.size(), 4u);
}

const Date twoYearsAgo = now - 730 * day;
const Date cutoff = now - 365 * day;
using enum SwipeDeckKind;

INSTANTIATE_TEST_SUITE_P(
    Thresholds, SwipeDeckDealing,
    ::testing::Values(DealCase{{"Downloads/big.zip", 1'000'000, now}, {downloads}},
                      DealCase{{"Downloads/small.zip", 999'999, now}, {}},
                      DealCase{{"Downloads/.hidden.zip", 5'000'000, now}, {}},
                      DealCase{{"Downloads/Old.dmg", 3'000'000, twoYearsAgo},
                               {downloads, installers}},
                      DealCase{{"disk.dmg", 500'000, twoYearsAgo}, {}},
                      DealCase{{"disk.dmg", 3'000'000, twoYearsAgo}, {installers}},
                      DealCase{{"tool_1.0_amd64.deb", 3'000'000, now}, {installers}},
                      DealCase{{"tool-1.0.x86_64.RPM", 3'000'000, now}, {installers}},
                      DealCase{{"movie.mov", 100'000'000, twoYearsAgo}, {oldFiles}},
                      DealCase{{"movie.MOV", 200'000'000, now}, {largeVideos}},
                      DealCase{{"clip.mp4", 250'000'000, std::nullopt}, {largeVideos}},
                      DealCase{{"notes.bin", 60'000'000, cutoff}, {}},
                      DealCase{{"notes.bin", 60'000'000, cutoff - 1ms}, {oldFiles}},
                      DealCase{{"notes.bin", 49'999'999, twoYearsAgo}, {}},
                      DealCase{{"undated.bin", 60'000'000, std::nullopt}, {}},
                      DealCase{{"Library/old.bin", 60'000'000, twoYearsAgo}, {}},
                      DealCase{{"Applications/Setup.dmg", 3'000'000, now}, {}},
                      DealCase{{"Pictures/Photos.photoslibrary/a.mov", 300'000'000, now}, {}},
                      DealCase{{"Tools/Tool.APP/Setup.dmg", 3'000'000, now}, {}},
                      DealCase{{"VMs/Box.utm/disk.iso", 3'000'000, now}, {}},
                      DealCase{{".cache/Setup.dmg", 3'000'000, now}, {}},
                      DealCase{{"Projects/Library/old.bin", 60'000'000, twoYearsAgo}, {oldFiles}}));

TEST(SwipeDeckBuilder, DownloadsFolderCardsCountTheirFilesAndTheirInsideIsStillDealt) {
    const auto decks = applicationBuilder().decks(
        tree("/home/u", {{"Downloads/Album/a.mov", 300'000'000, now - 3 * day},
                         {"Downloads/Album/b.jpg", 1'000, now},
                         {"Downloads/Album/c.jpg", 1'000, now}}));
    const auto& downloads = decks.at(SwipeDeckKind::downloads);
    ASSERT_EQ(downloads.size(), 1u);
    EXPECT_TRUE(downloads[0].isDirectory);
    EXPECT_EQ(downloads[0].parentPath(), "/home/u/Downloads");
    EXPECT_THAT(downloads[0].evidence,
                ElementsAre(Evidence::observed("In your Downloads folder"),
                            Evidence::observed("Folder with 3 files"),
                            Evidence::inferred("Downloads often hold things you already opened, "
                                               "installed or saved elsewhere.")));
    const auto& videos = decks.at(SwipeDeckKind::largeVideos);
    ASSERT_EQ(videos.size(), 1u);
    EXPECT_EQ(videos[0].evidence.front(), Evidence::observed("Last changed 3 days ago"));
    EXPECT_EQ(videos[0].ruleID(), "swipe.largeVideos");
}

TEST(SwipeDeckBuilder, DownloadsDeckDealsTheUserDirsDownloadsAndTheMacOneOnce) {
    const auto root = tree("/home/u", {{"Scaricati/a.zip", 3'000'000, now},
                                       {"Downloads/b.zip", 2'000'000, now},
                                       {"Desktop/c.zip", 1'000'000, now}});
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"", {"/home/u/Downloads/b.zip"}},
        {"XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"", {"/home/u/Downloads/b.zip"}},
        {"XDG_DOWNLOAD_DIR=\"$HOME/Scaricati\"",
         {"/home/u/Scaricati/a.zip", "/home/u/Downloads/b.zip"}},
        {"XDG_DOWNLOAD_DIR=\"$HOME/Desktop\"",
         {"/home/u/Downloads/b.zip", "/home/u/Desktop/c.zip"}},
    };
    for (const auto& [userDirs, expected] : cases) {
        HomePlaces places("/home/u");
        places.applyUserDirs(userDirs);
        EXPECT_EQ(cardPaths(applicationBuilder(places).decks(root).at(SwipeDeckKind::downloads)),
                  expected)
            << userDirs;
    }
}

TEST(SwipeDeckBuilder, ProgramFoldersAndTheTrashAreNeverDealtWhereverTheXDGFoldersPutThem) {
    const std::map<std::string, std::string> variables{
        {"XDG_DATA_HOME", "/home/u/Data"},
        {"XDG_CACHE_HOME", "/home/u/Cache"},
        {"XDG_CONFIG_HOME", "/home/u"},
    };
    const auto places = HomePlaces::read("/home/u", [&variables](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found != variables.end() ? found->second.c_str() : nullptr;
    });
    const auto decks = applicationBuilder(places).decks(
        tree("/home/u", {{"Data/Trash/files/Setup.dmg", 3'000'000, now},
                         {"Data/app/old.bin", 60'000'000, twoYearsAgo},
                         {"Cache/app/film.mp4", 300'000'000, now},
                         {"Documents/Setup.dmg", 3'000'000, now}}));
    EXPECT_THAT(cardPaths(decks.at(SwipeDeckKind::installers)),
                ElementsAre("/home/u/Documents/Setup.dmg"));
    EXPECT_TRUE(decks.at(SwipeDeckKind::oldFiles).empty());
    EXPECT_TRUE(decks.at(SwipeDeckKind::largeVideos).empty());
}

TEST(SwipeDeckBuilder, OldFileCardsSayHowOldAndDecksAreLargestFirstThenByPath) {
    const auto decks =
        applicationBuilder().decks(tree("/", {{"elsewhere/b.bin", 60'000'000, twoYearsAgo},
                                              {"elsewhere/a.bin", 60'000'000, twoYearsAgo},
                                              {"elsewhere/big.bin", 90'000'000, now - 400 * day}}));
    const auto& old = decks.at(SwipeDeckKind::oldFiles);
    ASSERT_EQ(old.size(), 3u);
    EXPECT_EQ(old[0].path, "/elsewhere/big.bin");
    EXPECT_EQ(old[1].path, "/elsewhere/a.bin");
    EXPECT_EQ(old[2].path, "/elsewhere/b.bin");
    EXPECT_THAT(old[1].evidence,
                ElementsAre(Evidence::observed("Last changed 2 years ago"),
                            Evidence::inferred("Not changed for over 12 months. Tandor cannot "
                                               "tell whether you still need it.")));
    EXPECT_TRUE(decks.at(SwipeDeckKind::downloads).empty());
}

TEST(SwipeDeckBuilder, AgeTextsFollowTheirBands) {
    const std::vector<std::pair<std::int64_t, std::string>> ages = {
        {0, "today"},         {1, "yesterday"},       {2, "2 days ago"},    {59, "59 days ago"},
        {60, "2 months ago"}, {729, "24 months ago"}, {730, "2 years ago"}, {3650, "10 years ago"}};
    for (const auto& [days, text] : ages) {
        EXPECT_EQ(SwipeDeckBuilder::age(days), text) << days;
    }
    const auto decks = applicationBuilder().decks(
        tree("/home/u", {{"Downloads/future.zip", 2'000'000, now + day}}));
    EXPECT_EQ(decks.at(SwipeDeckKind::downloads)[0].evidence.front(),
              Evidence::observed("Last changed today"));
}

}  // namespace
}  // namespace tandor
