#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TreeBuilding.hpp"

namespace tandor::storage_breakdown_tests {
namespace {

using namespace tandor::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Owner = StorageBreakdown::Owner;
using Item = StorageBreakdown::Item;
using CategoryTotal = StorageBreakdown::CategoryTotal;

const std::string home = "/home/ana";

StorageBreakdown compute(const FileNodePtr& root, std::size_t owners = 12, std::size_t items = 20) {
    return StorageBreakdown::compute(root, FileClassifier(HomePlaces(home)), owners, items);
}

const StorageBreakdown::KindTotal* kindTotal(const StorageBreakdown& breakdown, FileKind kind) {
    for (const auto& total : breakdown.kinds()) {
        if (total.kind == kind) {
            return &total;
        }
    }
    return nullptr;
}

std::vector<FileKind> kindsOf(const StorageBreakdown& breakdown) {
    std::vector<FileKind> kinds;
    for (const auto& total : breakdown.kinds()) {
        kinds.push_back(total.kind);
    }
    return kinds;
}

TEST(StorageBreakdownTest, EveryByteGoesToOneKindAndOwner) {
    const auto root = tree(
        home,
        {
            folder("Library",
                   {folder("Caches",
                           {
                               folder("com.apple.Safari", {file("photo.jpg", 40), file("db", 60)}),
                           })}),
            folderWithFolded("Documents", 7, {file("a.pdf", 10), file("empty.txt", 0)}),
            folder("code",
                   {folder("site",
                           {
                               file("package.json", 3),
                               file("logo.png", 5),
                               folderWithFolded("src", 4, {file("main.js", 6)}),
                               folder("node_modules", {file("x.js", 20)}),
                               folder("tools", {file("Cargo.toml", 2), file("lib.rs", 8)}),
                           })}),
        });
    const auto breakdown = compute(root);
    EXPECT_EQ(breakdown.totalBytes(), root->allocatedSize());

    // A recognised folder counts whole at its own path; nothing inside it counts elsewhere.
    EXPECT_EQ(kindTotal(breakdown, FileKind::appCaches)->largest,
              (std::vector<Item>{{home + "/Library/Caches/com.apple.Safari", 100, "Safari"}}));
    EXPECT_EQ(kindTotal(breakdown, FileKind::buildFolders)->owners,
              (std::vector<Owner>{{"site", 20}}));

    // Loose bytes: top folder outside projects, the project inside; an inner
    // project owns its own bytes. Zero-byte files are recorded nowhere.
    EXPECT_EQ(kindTotal(breakdown, FileKind::other)->largest,
              (std::vector<Item>{{home + "/Documents", 7, "Documents"}}));
    EXPECT_EQ(kindTotal(breakdown, FileKind::documents)->largest,
              (std::vector<Item>{{home + "/Documents/a.pdf", 10, "Documents"}}));
    EXPECT_EQ(kindTotal(breakdown, FileKind::codeProjects)->owners,
              (std::vector<Owner>{{"site", 13}, {"tools", 10}}));
    EXPECT_EQ(kindTotal(breakdown, FileKind::photos)->owners, (std::vector<Owner>{{"code", 5}}));
}

TEST(StorageBreakdownTest, RootsWithoutFoldersOrBytes) {
    const auto single = compute(FileNode::make(home + "/Movies/clip.mov", std::nullopt, false, 9, 9,
                                               0, std::nullopt, std::nullopt, {}));
    ASSERT_EQ(single.kinds().size(), 1U);
    EXPECT_EQ(single.kinds()[0].kind, FileKind::videos);
    EXPECT_EQ(single.kinds()[0].owners, (std::vector<Owner>{{"Movies", 9}}));
    EXPECT_EQ(single.kinds()[0].largest.size(), 1U);

    const auto empty = compute(tree(home, {folder("Empty", {file("zero", 0)})}));
    EXPECT_THAT(empty.kinds(), IsEmpty());
    EXPECT_THAT(empty.categories(), IsEmpty());
    EXPECT_EQ(empty.totalBytes(), 0);
}

TEST(StorageBreakdownTest, EqualTotalsFollowRawValueNameAndWalkOrder) {
    const auto root = tree(home, {
                                     folder("Documents", {file("song.mp3", 10), file("b.zip", 5)}),
                                     folder("Desktop", {file("a.zip", 5), file("sheet.csv", 10)}),
                                 });
    const auto breakdown = compute(root);
    EXPECT_THAT(kindsOf(breakdown),
                ElementsAre(FileKind::archives, FileKind::audio, FileKind::documents));
    const auto* archives = kindTotal(breakdown, FileKind::archives);
    EXPECT_EQ(archives->owners, (std::vector<Owner>{{"Desktop", 5}, {"Documents", 5}}));
    EXPECT_EQ(archives->largest[0].path, home + "/Documents/b.zip");

    EXPECT_EQ(breakdown.categories(), (std::vector<CategoryTotal>{{StorageCategory::downloads, 10},
                                                                  {StorageCategory::media, 10},
                                                                  {StorageCategory::other, 10}}));
    EXPECT_THAT(breakdown.kinds(StorageCategory::games), IsEmpty());
    EXPECT_EQ(breakdown.kinds(StorageCategory::downloads).size(), 1U);
}

TEST(StorageBreakdownTest, CategoriesSumTheirKinds) {
    const auto root = tree(
        home,
        {
            folder("Pictures", {file("a.jpg", 4), file("b.mov", 6)}),
            folder("Applications", {folder("Editor.app", {file("bin", 10)})}),
            folder("Library", {folder("Caches", {folder("com.example.Viewer", {file("c", 10)})})}),
        });
    EXPECT_EQ(compute(root).categories(),
              (std::vector<CategoryTotal>{{StorageCategory::apps, 10},
                                          {StorageCategory::caches, 10},
                                          {StorageCategory::media, 10}}));
}

TEST(StorageBreakdownTest, LimitsCutOwnersAndItemsButNotTotals) {
    std::vector<Entry> files;
    for (int i = 0; i < 250; ++i) {
        // Sizes 1...250 in a scrambled order, so pruning must keep the largest.
        const int size = (i * 97) % 250 + 1;
        files.push_back(file("f" + std::to_string(i) + ".pdf", size));
    }
    const auto root =
        tree(home, {folder("Documents", files), folder("Desktop", {file("x.pdf", 1)})});

    const auto limited = compute(root, 0, 20);
    const auto* documents = kindTotal(limited, FileKind::documents);
    EXPECT_EQ(documents->bytes, 250 * 251 / 2 + 1);
    EXPECT_THAT(documents->owners, IsEmpty());
    ASSERT_EQ(documents->largest.size(), 20U);
    for (std::size_t i = 0; i < 20; ++i) {
        EXPECT_EQ(documents->largest[i].bytes, 250 - static_cast<std::int64_t>(i));
    }

    EXPECT_EQ(kindTotal(compute(root, 1, 0), FileKind::documents)->owners,
              (std::vector<Owner>{{"Documents", 250 * 251 / 2}}));
}

}  // namespace
}  // namespace tandor::storage_breakdown_tests
