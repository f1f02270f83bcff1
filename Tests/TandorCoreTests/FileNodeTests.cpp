#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

using std::chrono::seconds;

FileNodePtr file(const std::string& path, std::int64_t allocated, std::int64_t logical = 0,
                 std::int64_t shared = 0) {
    return FileNode::make(path, std::nullopt, false, allocated, logical, shared, std::nullopt,
                          std::nullopt, {});
}

FileNodePtr folder(const std::string& path, std::vector<FileNodePtr> children = {}) {
    return FileNode::make(path, std::nullopt, true, 999, 999, 999, std::nullopt, std::nullopt,
                          std::move(children));
}

std::vector<std::string> names(const std::vector<FileNodePtr>& nodes) {
    std::vector<std::string> result;
    for (const auto& node : nodes) {
        result.push_back(node->name());
    }
    return result;
}

TEST(FileNode, FolderTotalsAreTheSumsOfWhatItHolds) {
    auto empty = folder("/r/empty");
    EXPECT_EQ(empty->allocatedSize(), 0);
    EXPECT_EQ(empty->logicalSize(), 0);
    EXPECT_EQ(empty->sharedCloneSize(), 0);
    EXPECT_EQ(empty->fileCount(), 0);

    auto a = file("/r/a", 4096, 100, 0);
    EXPECT_EQ(a->fileCount(), 1);
    EXPECT_EQ(a->allocatedSize(), 4096);
    EXPECT_EQ(a->logicalSize(), 100);

    auto root = folder("/r", {a, file("/r/b", 10, 5, 3)});
    EXPECT_EQ(root->allocatedSize(), 4106);
    EXPECT_EQ(root->logicalSize(), 105);
    EXPECT_EQ(root->sharedCloneSize(), 3);
    EXPECT_EQ(root->fileCount(), 2);

    auto absorbed = folder("/r/gone", {file("/r/gone/x", 7)});
    root->absorb(*absorbed);
    EXPECT_EQ(root->allocatedSize(), 4113);
    EXPECT_EQ(root->fileCount(), 3);
    EXPECT_EQ(root->children().size(), 2u);

    root->append(empty);
    EXPECT_EQ(root->children().size(), 3u);
    root->recomputeTotals();  // forgets what was absorbed
    EXPECT_EQ(root->allocatedSize(), 4106);
    EXPECT_EQ(root->fileCount(), 2);
}

TEST(FileNode, SumsStopAtTheEndOfTheRange) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    auto root = folder("/r", {file("/r/a", max), file("/r/b", 1)});
    EXPECT_EQ(root->allocatedSize(), max);
}

TEST(FileNode, NamesComeFromTheLastComponent) {
    EXPECT_EQ(file("/a/b/", 0)->name(), "b");
    EXPECT_EQ(file("/", 0)->name(), "/");
    EXPECT_EQ(FileNode::make("/a/b", "Shown", false, 0, 0, 0, {}, {}, {})->name(), "Shown");
}

TEST(FileNode, ReclaimableSizeNeverGoesBelowZero) {
    EXPECT_EQ(file("/a", 100, 100, 150)->reclaimableSize(), 0);
    EXPECT_EQ(file("/a", 100, 100, 30)->reclaimableSize(), 70);
}

TEST(FileNode, ChildrenBySizeIsAStableLargestFirstSort) {
    auto root = folder("/r", {file("/r/a", 5), file("/r/b", 9), file("/r/c", 5), file("/r/d", 9)});
    EXPECT_EQ(names(root->childrenBySize()), (std::vector<std::string>{"b", "d", "a", "c"}));
    EXPECT_EQ(names(root->children()), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(FileNode, ForEachVisitsPreOrderAndStopsAtAThrow) {
    auto root = folder("/r", {folder("/r/a", {file("/r/a/x", 1)}), file("/r/b", 1)});
    std::vector<std::string> visited;
    root->forEach([&](const FileNodePtr& node) { visited.push_back(node->name()); });
    EXPECT_EQ(visited, (std::vector<std::string>{"r", "a", "x", "b"}));

    int count = 0;
    EXPECT_THROW(root->forEach([&](const FileNodePtr&) {
        if (++count == 3) {
            throw std::runtime_error("stop");
        }
    }),
                 std::runtime_error);
    EXPECT_EQ(count, 3);
}

TEST(FileNode, NodeAtDescendsByNameWithinTheSubtree) {
    auto b = file("/Users/x/a/b", 1);
    auto a = folder("/Users/x/a", {b});
    auto root = folder("/Users/x", {a});
    const std::pair<const char*, FileNodePtr> cases[] = {
        {"/Users/x", root},        {"/Users/x/", root},    {"/Users/x/./a//", a},
        {"/Users/x/a/b", b},       {"/Users/xy", nullptr}, {"/Users/x/a/c", nullptr},
        {"/Users/x/z/b", nullptr}, {"/Other", nullptr},    {"", nullptr},
        {"relative/a", nullptr},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(root->nodeAt(path), expected) << path;
    }

    auto top = folder("/", {folder("/a")});
    EXPECT_EQ(top->nodeAt("/a"), top->children()[0]);
}

TEST(FileNode, NodeAtMatchesGivenNames) {
    auto renamed = FileNode::make("/r/on-disk", "Shown", false, 1, 1, 0, {}, {}, {});
    auto root = folder("/r", {renamed});
    EXPECT_EQ(root->nodeAt("/r/Shown"), renamed);
    EXPECT_EQ(root->nodeAt("/r/on-disk"), nullptr);
}

// /r holds a (x, y) and c; a also holds 5 bytes folded in without a node.
TEST(FileNode, WithoutCountsTheGoneNodesOutOfTheirFoldersAndLeavesTheTreeAsItIs) {
    auto x = file("/r/a/x", 100, 90, 10);
    auto y = file("/r/a/y", 20, 20, 0);
    auto a = folder("/r/a", {x, y});
    a->absorbFile(5, 5, 0);
    auto c = folder("/r/c", {file("/r/c/z", 7)});
    auto root = folder("/r", {a, c});

    auto pruned = root->without({"/r/a/x", "/r/elsewhere", "/other/x"});
    ASSERT_NE(pruned, root);
    EXPECT_EQ(pruned->allocatedSize(), 32);
    EXPECT_EQ(pruned->logicalSize(), 25);
    EXPECT_EQ(pruned->sharedCloneSize(), 0);
    EXPECT_EQ(pruned->fileCount(), 3);
    const auto prunedA = pruned->nodeAt("/r/a");
    ASSERT_NE(prunedA, nullptr);
    EXPECT_EQ(names(prunedA->children()), std::vector<std::string>{"y"});
    EXPECT_EQ(prunedA->allocatedSize(), 25);
    EXPECT_EQ(prunedA->children()[0], y);
    EXPECT_EQ(pruned->nodeAt("/r/c"), c) << "an untouched folder is shared";

    EXPECT_EQ(root->allocatedSize(), 132);
    EXPECT_EQ(root->fileCount(), 4);
    EXPECT_EQ(a->children().size(), 2U);
    EXPECT_EQ(root->nodeAt("/r/a/x"), x);

    EXPECT_EQ(root->without({"/r/c"})->allocatedSize(), 125);
    EXPECT_EQ(root->without({"/r/a", "/r/a/y"})->fileCount(), 1);
    EXPECT_EQ(root->without({}), root);
    EXPECT_EQ(root->without({"/r"}), nullptr);
    auto top = folder("/", {file("/f", 3), folder("/d", {file("/d/g", 4)})});
    EXPECT_EQ(top->without({"/f"})->allocatedSize(), 4);
}

TEST(FileNode, JSONRoundTripKeepsEverythingAsWritten) {
    const Date modified{seconds{1700000000}};
    auto child =
        FileNode::make("/r/caf\xE9", std::nullopt, false, 4096, 10, 0, modified, std::nullopt, {});
    auto root = folder("/r", {child});
    const auto text = root->toJSON().dump();
    const auto decoded = FileNode::fromJSON(nlohmann::json::parse(text));
    EXPECT_EQ(decoded->toJSON(), root->toJSON());
    EXPECT_EQ(decoded->children()[0]->path(), "/r/caf\xE9");
    EXPECT_EQ(decoded->children()[0]->modificationDate(), modified);
    EXPECT_EQ(decoded->children()[0]->accessDate(), std::nullopt);
    EXPECT_FALSE(root->toJSON()["children"][0].contains("accessDate"));
    EXPECT_EQ(root->toJSON()["children"][0]["modificationDate"], "2023-11-14T22:13:20Z");
}

TEST(FileNode, DecodingKeepsTotalsAsRead) {
    const auto decoded = FileNode::fromJSON(nlohmann::json::parse(R"({
        "path": "/r", "name": "r", "isDirectory": true, "allocatedSize": 10,
        "logicalSize": 9, "sharedCloneSize": 0, "children": [], "fileCount": 5,
        "modificationDate": null, "extra": "ignored"})"));
    EXPECT_EQ(decoded->fileCount(), 5);
    EXPECT_EQ(decoded->allocatedSize(), 10);
    EXPECT_EQ(decoded->modificationDate(), std::nullopt);
}

TEST(FileNode, DecodingRejectsMissingKeysAndWrongTypes) {
    const nlohmann::json valid = nlohmann::json::parse(R"({
        "path": "/r", "name": "r", "isDirectory": false, "allocatedSize": 10,
        "logicalSize": 9, "sharedCloneSize": 0, "children": [], "fileCount": 1})");
    ASSERT_NO_THROW(FileNode::fromJSON(valid));
    const std::pair<const char*, nlohmann::json> changes[] = {
        {"name", nullptr},
        {"path", 5},
        {"isDirectory", "no"},
        {"allocatedSize", 1.5},
        {"allocatedSize", "10"},
        {"allocatedSize", 9223372036854775808ULL},
        {"children", nlohmann::json::object()},
        {"modificationDate", "yesterday"},
        {"fileCount", nullptr},
    };
    for (const auto& [key, value] : changes) {
        nlohmann::json broken = valid;
        broken[key] = value;
        EXPECT_THROW(FileNode::fromJSON(broken), DecodingError) << key << " = " << value.dump();
        broken.erase(key);
        if (std::string(key) != "modificationDate") {
            EXPECT_THROW(FileNode::fromJSON(broken), DecodingError) << "without " << key;
        }
    }
    EXPECT_THROW(FileNode::fromJSON(nlohmann::json::array()), DecodingError);
}

}  // namespace
}  // namespace tandor
