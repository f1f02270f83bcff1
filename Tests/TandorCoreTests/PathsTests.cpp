#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "TandorCore/FileError.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

struct NameCase {
    const char* path;
    const char* last;
    const char* parent;
    const char* extension;
    const char* stem;
};

TEST(Paths, SplitsNamesAndExtensions) {
    const NameCase cases[] = {
        {"/a/b/report.pdf", "report.pdf", "/a/b", "pdf", "report"},
        {"/tmp/", "tmp", "/", "", "tmp"},
        {"/", "/", "/", "", "/"},
        {"/a/.zshrc", ".zshrc", "/a", "", ".zshrc"},
        {"/a/.env.local", ".env.local", "/a", "local", ".env"},
        {"/a/archive.tar.gz", "archive.tar.gz", "/a", "gz", "archive.tar"},
        {"/a/trailing.", "trailing.", "/a", "", "trailing"},
        {"name.txt", "name.txt", "", "txt", "name"},
        {"/a//b//", "b", "/a", "", "b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(paths::lastComponent(c.path), c.last) << c.path;
        EXPECT_EQ(paths::deletingLastComponent(c.path), c.parent) << c.path;
        EXPECT_EQ(paths::extension(c.path), c.extension) << c.path;
        EXPECT_EQ(paths::nameWithoutExtension(c.path), c.stem) << c.path;
    }
}

TEST(Paths, JoinsWithOneSeparator) {
    EXPECT_EQ(paths::join("/a", "b"), "/a/b");
    EXPECT_EQ(paths::join("/a/", "b"), "/a/b");
    EXPECT_EQ(paths::join("/", "b"), "/b");
    EXPECT_EQ(paths::join("/a", "/b/c"), "/a/b/c");
    EXPECT_EQ(paths::join("", "b"), "b");
}

TEST(Paths, InsideNeedsASlashBoundary) {
    struct Case {
        const char* path;
        const char* folder;
        bool inside;
    };
    const Case cases[] = {
        {"/a/b/c", "/a/b", true}, {"/a/bc", "/a/b", false}, {"/a/b", "/a/b", false},
        {"/a", "/", true},        {"/", "/", false},        {"/a/b/", "/a/b", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(paths::isInside(c.path, c.folder), c.inside) << c.path << " in " << c.folder;
    }
}

// An entry is one plain name right below the folder: a path that climbs out,
// stays in place or goes deeper names something else.
TEST(Paths, AnEntryIsOneNameRightInsideTheFolder) {
    struct Case {
        const char* path;
        const char* folder;
        bool entry;
    };
    const Case cases[] = {
        {"/t/files/a", "/t/files", true},     {"/t/files/a/b", "/t/files", false},
        {"/t/files/..", "/t/files", false},   {"/t/files/.", "/t/files", false},
        {"/t/files//a", "/t/files", false},   {"/t/files/a/", "/t/files", false},
        {"/t/filesa", "/t/files", false},     {"/t/files", "/t/files", false},
        {"/t/files/../x", "/t/files", false}, {"/a", "/", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(paths::isEntryOf(c.path, c.folder), c.entry) << c.path << " in " << c.folder;
    }
}

TEST(Paths, NormalizeCollapsesAndResolvesLexically) {
    testing::EnvironmentOverride environment;
    environment.set("HOME", "/home/someone");
    const std::pair<const char*, const char*> cases[] = {
        {"/", "/"},
        {"//", "/"},
        {"", ""},
        {"/Users/x/", "/Users/x"},
        {"/Users//x/./y", "/Users/x/y"},
        {"/a/b/../c", "/a/c"},
        {"/../a", "/a"},
        {"/a/..", "/"},
        {"~", "/home/someone"},
        {"~/Downloads/", "/home/someone/Downloads"},
        {"~other/x", "~other/x"},
        {"a/./b/", "a/b"},
        {"../a", "../a"},
        {"/private/tmp", "/private/tmp"},
    };
    for (const auto& [path, normalized] : cases) {
        EXPECT_EQ(FileNode::normalize(path), normalized) << path;
    }
}

TEST(Paths, RefusesAPathHoldingANulAndShowsWhere) {
    using namespace std::string_literals;
    EXPECT_FALSE(paths::holdsNul("/home/ann/docs"));
    EXPECT_TRUE(paths::holdsNul("/home/ann/docs\0"s));
    EXPECT_NO_THROW(paths::refuseNul("/home/ann/docs", "Cannot trash"));
    try {
        paths::refuseNul("~/\0/x"s, "Cannot trash");
        FAIL() << "a NUL was let through";
    } catch (const FileError& error) {
        EXPECT_EQ(error.errorNumber(), EINVAL);
        EXPECT_EQ(error.path(), "~/\\0/x");
    }
}

}  // namespace
}  // namespace tandor
