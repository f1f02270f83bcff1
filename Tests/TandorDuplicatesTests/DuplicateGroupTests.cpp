#include <gtest/gtest.h>

#include "DuplicateFixtures.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorDuplicates/DuplicateGroup.hpp"

namespace tandor {
namespace {

using testing::file;
using testing::year;

struct ReasonCase {
    DuplicateFile first;
    DuplicateFile second;
    const char* keeper;
    const char* reason;
};

TEST(DuplicateGroup, KeeperAndReasonComeFromTheRunnerUp) {
    const ReasonCase cases[] = {
        {file("/Users/ann/Downloads/a.zip", year(2020)),
         file("/Users/ann/Documents/a.zip", year(2022)), "/Users/ann/Documents/a.zip",
         "Keeps the copy outside Downloads"},
        {file("/tmp/Downloads/a.txt"), file("/tmp/a.txt"), "/tmp/a.txt",
         "Keeps the copy outside Downloads"},
        {file("/private/tmp/a.txt"), file("/Users/ann/a.txt"), "/Users/ann/a.txt",
         "Keeps the copy outside temporary folders"},
        {file("/x/Report copy.pdf", year(2020)), file("/x/Report.pdf", year(2020)), "/x/Report.pdf",
         "Keeps the copy that is not named like a copy"},
        {file("/a/f", year(2021)), file("/b/f", year(2019)), "/b/f", "Keeps the oldest copy"},
        {file("/b/f", year(2019)), file("/a/f", year(2019)), "/a/f",
         "Keeps the copy with the shortest path"},
        {file("/b/f", year(2019)), file("/a/f"), "/b/f", "Keeps the copy with the shortest path"},
    };
    for (const auto& c : cases) {
        const DuplicateGroup group("id", 10, {c.first, c.second}, {});
        EXPECT_EQ(group.keeperPath(), c.keeper) << c.reason;
        EXPECT_EQ(group.keeperReason(), c.reason) << c.keeper;
        EXPECT_EQ(group.files().front().path, c.keeper);
    }
}

TEST(DuplicateGroup, TheCopyInALocalisedDownloadsFolderGoesFirst) {
    const std::vector<DuplicateFile> files{file("/home/u/Scaricati/a.zip", year(2020)),
                                           file("/home/u/Documenti/a.zip", year(2022))};
    const std::vector<std::string> downloadsFolders{"/home/u/Scaricati", "/home/u/Downloads"};
    const DuplicateGroup group("id", 10, files, downloadsFolders);
    EXPECT_EQ(group.keeperPath(), "/home/u/Documenti/a.zip");
    EXPECT_EQ(group.keeperReason(), "Keeps the copy outside Downloads");
    EXPECT_EQ(DuplicateGroup("id", 10, files, {}).keeperPath(), "/home/u/Scaricati/a.zip");
}

TEST(DuplicateGroup, SingleFileIsItsOwnKeeper) {
    const DuplicateGroup group("id", 10, {file("/a/f")}, {});
    EXPECT_EQ(group.keeperReason(), "Only copy");
    EXPECT_TRUE(group.extraCopies().empty());
    EXPECT_EQ(group.reclaimableBytes(), 0);
}

TEST(DuplicateGroup, KeepingAnotherCopyKeepsTheOrder) {
    const DuplicateGroup group("id", 10, {file("/a/f", year(2019)), file("/b/f", year(2020))}, {});
    const auto chosen = group.keeping("/b/f");
    EXPECT_EQ(chosen.keeper().path, "/b/f");
    EXPECT_EQ(chosen.keeperReason(), "You chose this copy");
    EXPECT_EQ(chosen.files(), group.files());
    ASSERT_EQ(chosen.extraCopies().size(), 1U);
    EXPECT_EQ(chosen.extraCopies().front().path, "/a/f");
    EXPECT_EQ(group.keeping("/a/f"), group);
    EXPECT_EQ(group.keeping("/elsewhere"), group);
}

TEST(DuplicateGroup, LeavesACopy) {
    const DuplicateGroup group("id", 10, {file("/a/f"), file("/b/f"), file("/c/f")}, {});
    EXPECT_TRUE(group.leavesACopy({}));
    EXPECT_FALSE(group.leavesACopy({"/a/f", "/b/f", "/c/f"}));
    EXPECT_TRUE(group.leavesACopy({"/b/f", "/c/f"}));
}

TEST(DuplicateGroup, ClonesFreeOnlyWhatTheyDoNotShare) {
    EXPECT_EQ(file("/a", {}, 8'192, CloneInfo{1, 0}).reclaimableBytes(), 0);
    EXPECT_EQ(file("/a", {}, 8'192, CloneInfo{1, 20'000}).reclaimableBytes(), 8'192);
    EXPECT_EQ(file("/a", {}, 8'192, CloneInfo{1, -5}).reclaimableBytes(), 0);
    EXPECT_EQ(file("/a", {}, 8'192).reclaimableBytes(), 8'192);
}

struct SharingCase {
    std::int64_t logicalSize;
    std::optional<CloneInfo> keeperClone;
    std::optional<CloneInfo> extraClone;
    bool shares;
};

TEST(DuplicateGroup, SharesAllSpace) {
    const SharingCase cases[] = {
        {1'000'000, CloneInfo{7, 1'000'000}, CloneInfo{7, 1'000'000}, true},
        {1'000'000, CloneInfo{7, 0}, CloneInfo{8, 9'999}, true},
        {1'000'000, CloneInfo{7, 0}, CloneInfo{8, 10'000}, false},
        {100'000, CloneInfo{7, 0}, CloneInfo{8, 4'095}, true},
        {100'000, CloneInfo{7, 0}, CloneInfo{8, 4'096}, false},
        {1'000'000, std::nullopt, CloneInfo{8, 0}, false},
        {1'000'000, CloneInfo{7, 0}, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const DuplicateGroup group("id", c.logicalSize,
                                   {file("/a/f", year(2019), 2'000'000, c.keeperClone),
                                    file("/b/f", year(2020), 2'000'000, c.extraClone)},
                                   {});
        EXPECT_EQ(group.sharesAllSpace(), c.shares) << c.logicalSize;
    }
}

TEST(DuplicateGroup, SuggestionListsExtraCopiesGroupByGroup) {
    const DuplicateGroup two("2", 10,
                             {file("/a/x", year(2019), 100), file("/b/x", year(2020), 100)}, {});
    const DuplicateGroup three("3", 10,
                               {file("/a/y", year(2019), 50), file("/b/y", year(2020), 50),
                                file("/c/y", std::nullopt, 50, CloneInfo{9, 20})},
                               {});
    const DuplicateGroup clones(
        "c", 10, {file("/a/z", {}, 10, CloneInfo{4, 0}), file("/b/z", {}, 10, CloneInfo{4, 0})},
        {});
    EXPECT_FALSE(DuplicateGroup::suggestion({}).has_value());
    EXPECT_FALSE(DuplicateGroup::suggestion({clones}).has_value());

    const auto plain = DuplicateGroup::suggestion({two, clones});
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->evidence.size(), 2U);

    const auto suggestion = DuplicateGroup::suggestion({two, clones, three});
    ASSERT_TRUE(suggestion.has_value());
    EXPECT_EQ(suggestion->id, "duplicates");
    EXPECT_EQ(suggestion->category, StorageCategory::other);
    EXPECT_EQ(suggestion->safety, SafetyLevel::existsElsewhere);
    ASSERT_EQ(suggestion->items.size(), 3U);
    EXPECT_EQ(suggestion->items[0].path, "/b/x");
    EXPECT_EQ(suggestion->items[0].modificationDate, year(2020));
    EXPECT_EQ(suggestion->items[1].path, "/b/y");
    EXPECT_EQ(suggestion->items[2].path, "/c/y");
    EXPECT_EQ(suggestion->items[2].bytes, 20);
    ASSERT_EQ(suggestion->evidence.size(), 3U);
    EXPECT_EQ(suggestion->evidence[0].text,
              "2 groups of files with identical content (same size and SHA-256)");
}

TEST(DuplicateGroup, JSONKeepsStoredFieldsWithoutRanking) {
    const auto chosen =
        DuplicateGroup("9:ab", 9,
                       {file("/a/\xff", year(2019), 4'096, CloneInfo{~0ULL, -1}), file("/b/f")}, {})
            .keeping("/b/f");
    const nlohmann::json value = chosen;
    EXPECT_FALSE(value["files"][1].contains("modificationDate"));
    EXPECT_FALSE(value["files"][1].contains("clone"));
    EXPECT_EQ(value.get<DuplicateGroup>(), chosen);

    for (const char* key : {"id", "logicalSize", "files", "keeperPath", "keeperReason"}) {
        auto broken = value;
        broken.erase(key);
        EXPECT_THROW(broken.get<DuplicateGroup>(), DecodingError) << key;
    }
    auto wrongType = value;
    wrongType["files"][0]["clone"]["cloneID"] = -1;
    EXPECT_THROW(wrongType.get<DuplicateGroup>(), DecodingError);
    auto empty = value;
    empty["files"] = nlohmann::json::array();
    EXPECT_THROW(empty.get<DuplicateGroup>(), DecodingError);
}

}  // namespace
}  // namespace tandor
