#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TandorCore/IcicleLayout.hpp"
#include "TestSupport/FileNodes.hpp"

namespace tandor::icicle_layout_tests {
namespace {

using testing::fileNode;
using testing::folderNode;

// A folder whose totals include files the scanner absorbed without keeping.
FileNodePtr folderWithAbsorbed(const std::string& path, std::vector<FileNodePtr> children,
                               std::int64_t absorbedBytes) {
    auto node = folderNode(path, std::move(children));
    node->absorb(*fileNode(path + "/absorbed", absorbedBytes));
    return node;
}

std::vector<IcicleCell> row(const std::vector<IcicleCell>& cells, int depth) {
    std::vector<IcicleCell> result;
    for (const auto& cell : cells) {
        if (cell.depth == depth) {
            result.push_back(cell);
        }
    }
    return result;
}

FileNodePtr sampleRoot() {
    return folderNode("/r", {fileNode("/r/c", 97), fileNode("/r/a", 600), fileNode("/r/d", 3),
                             fileNode("/r/b", 300)});
}

TEST(IcicleLayout, ConstructorClamps) {
    const IcicleLayout negative(-3, -0.5);
    EXPECT_EQ(negative.maxDepth, 0);
    EXPECT_EQ(negative.minimumFraction, 0.0);
    EXPECT_EQ(IcicleLayout(4, std::nan("")).minimumFraction, 0.0);
    EXPECT_EQ(IcicleLayout(4, 0.004).minimumFraction, 0.004);
}

TEST(IcicleLayout, LeavesAndEmptyFoldersAreOneCell) {
    const std::pair<FileNodePtr, bool> cases[] = {
        {fileNode("/r", 10), false},
        {folderNode("/r", {}), false},
        {folderNode("/r", {fileNode("/r/z", 0)}), true},  // nothing to draw, but it can be opened
    };
    for (const auto& [root, canOpen] : cases) {
        const auto cells = IcicleLayout(4, 0.004).cells(*root);
        ASSERT_EQ(cells.size(), 1u);
        EXPECT_EQ(cells[0].start, 0.0);
        EXPECT_EQ(cells[0].length, 1.0);
        EXPECT_EQ(cells[0].branch, -1);
        EXPECT_EQ(cells[0].kind, IcicleCell::Kind::node());
        EXPECT_EQ(cells[0].canOpen, canOpen);
    }
}

TEST(IcicleLayout, SplitsARowLargestFirstAndGathersTheSmallest) {
    const auto cells = IcicleLayout(4, 0.004).cells(*sampleRoot());
    const auto first = row(cells, 1);
    ASSERT_EQ(first.size(), 4u);
    const std::tuple<const char*, std::int64_t, double, double, int> expected[] = {
        {"a", 600, 0.0, 0.6, 0},
        {"b", 300, 0.6, 0.3, 1},
        {"c", 97, 0.9, 0.097, 2},
        {"Smaller items", 3, 0.997, 0.003, -1},
    };
    for (std::size_t i = 0; i < first.size(); ++i) {
        const auto& [name, bytes, start, length, branch] = expected[i];
        EXPECT_EQ(first[i].name, name);
        EXPECT_EQ(first[i].bytes, bytes);
        EXPECT_NEAR(first[i].start, start, 1e-12);
        EXPECT_NEAR(first[i].length, length, 1e-12);
        EXPECT_EQ(first[i].branch, branch);
    }
    EXPECT_EQ(first[3].kind, IcicleCell::Kind::smallerItems(1));
    EXPECT_EQ(first[3].path, "/r");
    EXPECT_FALSE(first[3].canOpen);

    const auto everything = IcicleLayout(4, 0.0).cells(*sampleRoot());
    EXPECT_EQ(row(everything, 1).size(), 4u);
    EXPECT_EQ(row(everything, 1).back().name, "d");
}

TEST(IcicleLayout, MaxDepthLimitsTheRows) {
    auto root =
        folderNode("/r", {folderNode("/r/a", {folderNode("/r/a/b", {fileNode("/r/a/b/c", 5)})})});
    EXPECT_EQ(IcicleLayout(0, 0.004).cells(*root).size(), 1u);
    const auto cells = IcicleLayout(1, 0.004).cells(*root);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_TRUE(cells[1].canOpen);
    EXPECT_EQ(IcicleLayout(10, 0.004).cells(*root).size(), 4u);
}

TEST(IcicleLayout, AbsorbedBytesBecomeASmallerItemsCellWithNoCount) {
    auto inner = folderWithAbsorbed("/r/a", {fileNode("/r/a/kept", 400)}, 600);
    auto root = folderNode("/r", {inner});
    const auto cells = IcicleLayout(4, 0.004).cells(*root);
    const auto second = row(cells, 2);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[1].bytes, 600);
    EXPECT_EQ(second[1].kind, IcicleCell::Kind::smallerItems(0));
    EXPECT_NEAR(second[1].length, 0.6, 1e-12);
    EXPECT_EQ(second[1].branch, 0);
}

TEST(IcicleLayout, ZeroByteChildrenAreCountedButMakeNoCell) {
    auto root = folderNode("/r", {fileNode("/r/a", 10), fileNode("/r/empty", 0)});
    const auto cells = IcicleLayout(4, 0.004).cells(*root);
    EXPECT_EQ(row(cells, 1).size(), 1u);
}

TEST(IcicleLayout, CellsInPreOrderNeverOverlapOnARow) {
    auto root = folderNode(
        "/r", {folderNode("/r/a", {fileNode("/r/a/x", 300), fileNode("/r/a/y", 300)}),
               folderWithAbsorbed("/r/b", {fileNode("/r/b/z", 200)}, 100), fileNode("/r/c", 1)});
    const auto cells = IcicleLayout(4, 0.004).cells(*root);
    std::vector<std::string> ids;
    for (const auto& cell : cells) {
        ids.push_back(cell.name);
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"r", "a", "x", "y", "b", "z", "Smaller items",
                                             "Smaller items"}));
    for (int depth = 1; depth <= 2; ++depth) {
        const auto cellsOnRow = row(cells, depth);
        for (std::size_t i = 1; i < cellsOnRow.size(); ++i) {
            EXPECT_LE(cellsOnRow[i - 1].end(), cellsOnRow[i].start + 1e-12);
        }
    }
}

TEST(IcicleLayout, HitFindsTheCellThatStartsAtAnEdge) {
    const auto cells = IcicleLayout(4, 0.004).cells(*sampleRoot());
    EXPECT_EQ(IcicleLayout::hit(cells, 0.6, 1)->name, "b");
    EXPECT_EQ(IcicleLayout::hit(cells, 0.0, 1)->name, "a");
    EXPECT_EQ(IcicleLayout::hit(cells, 0.5, 0)->name, "r");
    EXPECT_EQ(IcicleLayout::hit(cells, 1.0, 1), std::nullopt);
    EXPECT_EQ(IcicleLayout::hit(cells, 0.5, 3), std::nullopt);
    EXPECT_EQ(IcicleLayout::hit(cells, std::numeric_limits<double>::quiet_NaN(), 1), std::nullopt);
}

TEST(IcicleLayout, SmallerItemsIdsNeverEqualAPath) {
    auto root = folderWithAbsorbed("/r", {fileNode("/r/smaller", 10)}, 10);
    const auto cells = IcicleLayout(4, 0.004).cells(*root);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[2].id, std::string("/r/\0smaller", 11));
    EXPECT_EQ(IcicleLayout::smallerItemsSuffix.size(), 9u);
    EXPECT_NE(cells[2].id, cells[1].id);
    EXPECT_NE(std::hash<IcicleCell>{}(cells[2]), std::hash<IcicleCell>{}(cells[1]));
}

TEST(IcicleLayout, ChainFollowsNamesAndStopsAtTheFirstGap) {
    auto root = folderNode("/r", {folderNode("/r/a", {folderNode("/r/a/b", {})})});
    const auto chainNames = [&](const char* path) {
        std::vector<std::string> names;
        for (const auto& node : IcicleLayout::chain(root, path)) {
            names.push_back(node->name());
        }
        return names;
    };
    EXPECT_EQ(chainNames("/r"), std::vector<std::string>{"r"});
    EXPECT_EQ(chainNames("/r/a/b/"), (std::vector<std::string>{"r", "a", "b"}));
    EXPECT_EQ(chainNames("/r/a/missing/b"), (std::vector<std::string>{"r", "a"}));
    EXPECT_EQ(chainNames("/rx/a"), std::vector<std::string>{"r"});
    EXPECT_EQ(chainNames("/elsewhere"), std::vector<std::string>{"r"});
}

}  // namespace
}  // namespace tandor::icicle_layout_tests
