#include <gtest/gtest.h>

#include "DuplicateFixtures.hpp"
#include "TandorDuplicates/KeeperPolicy.hpp"

namespace tandor {
namespace {

using testing::file;
using testing::year;

TEST(KeeperPolicy, LooksLikeCopy) {
    const std::pair<const char*, bool> cases[] = {
        {"Report copy.pdf", true},
        {"Report Copy 12.pdf", true},
        {"IMG_0001 (1).jpg", true},
        {"notes-copy.txt", true},
        {"NOTES_COPY.TXT", true},
        {"Foto kopie.png", true},
        {"Documento copia 3.docx", true},
        {"Budget copy", true},
        {"copy.txt", false},
        {"Report copy2.pdf", false},
        {"photo(1).jpg", false},
        {"Report copy final.pdf", false},
        {"copybook.txt", false},
        {"archive copy.tar.gz", false},
        {".copy", false},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(KeeperPolicy::looksLikeCopy(name), expected) << name;
    }
}

TEST(KeeperPolicy, Penalty) {
    const std::vector<std::string> downloadsFolders{"/home/u/Scaricati", "/home/u/Downloads"};
    const std::pair<const char*, std::int64_t> cases[] = {
        {"/private/tmp/x/Downloads/Report copy.pdf", 7},
        {"/Users/ann/Documents/Report.pdf", 0},
        {"/tmp/a.txt", 4},
        {"/var/folders/ab/a.txt", 0},
        {"/private/var/tmp/a.txt", 0},
        {"/private/var/folders/ab/T/a.txt", 4},
        {"/Users/ann/Downloads/a.zip", 2},
        {"/Users/ann/downloads/a.zip", 0},
        {"/Users/ann/Downloads", 0},
        {"/home/u/Scaricati/a.zip", 2},
        {"/home/u/Scaricati/Downloads/a.zip", 2},
        {"/home/u/Scaricati", 0},
        {"/home/u/Scaricati2/a.zip", 0},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(KeeperPolicy::penalty(path, downloadsFolders), expected) << path;
    }
    EXPECT_EQ(KeeperPolicy::penalty("/home/u/Scaricati/a.zip", {}), 0);
}

std::vector<std::string> rankedPaths(std::vector<DuplicateFile> files) {
    std::vector<std::string> paths;
    for (const auto& ranked : KeeperPolicy::rank(std::move(files), {})) {
        paths.push_back(ranked.path);
    }
    return paths;
}

TEST(KeeperPolicy, RankOrdersByPenaltyThenDateThenDepthThenPath) {
    using Paths = std::vector<std::string>;
    EXPECT_EQ(rankedPaths({file("/Users/ann/Downloads/a.txt", year(2019)),
                           file("/Users/ann/Documents/a.txt", year(2021))}),
              (Paths{"/Users/ann/Documents/a.txt", "/Users/ann/Downloads/a.txt"}));
    EXPECT_EQ(rankedPaths({file("/Users/ann/undated/a.txt"), file("/Users/ann/z/a.txt", year(2021)),
                           file("/Users/ann/y/a.txt", year(2019))}),
              (Paths{"/Users/ann/y/a.txt", "/Users/ann/z/a.txt", "/Users/ann/undated/a.txt"}));
    EXPECT_EQ(rankedPaths({file("/Users/ann/Archive/a.txt"), file("/Users/ann/a.txt")}),
              (Paths{"/Users/ann/a.txt", "/Users/ann/Archive/a.txt"}));
    EXPECT_EQ(rankedPaths({file("/Users/ann/b/x"), file("/Users/ann/a/x")}),
              (Paths{"/Users/ann/a/x", "/Users/ann/b/x"}));
    EXPECT_EQ(rankedPaths({file("/Users/ann/a/x", year(2020))}), (Paths{"/Users/ann/a/x"}));
    EXPECT_TRUE(rankedPaths({}).empty());
}

}  // namespace
}  // namespace tandor
