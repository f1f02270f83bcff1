#include <gtest/gtest.h>

#include "TandorAnalyzers/InstallerMatcher.hpp"
#include "TandorAnalyzers/RuleMatchers.hpp"
#include "TandorAnalyzers/Wildcard.hpp"
#include "TreeBuilding.hpp"

namespace tandor {
namespace {

using namespace tandor::testing;

std::vector<std::string> pathsOf(const std::vector<FileNodePtr>& nodes) {
    std::vector<std::string> paths;
    for (const auto& node : nodes) {
        paths.push_back(node->path());
    }
    return paths;
}

TEST(WildcardTest, StarsMatchRunsInOrderWithoutOverlap) {
    struct Case {
        std::string_view pattern;
        std::string_view name;
        bool expected;
    };
    const Case cases[] = {
        {"Caches", "caches", false},
        {"Caches", "Caches", true},
        {"*", "any name", true},
        {"**", "any name", true},
        {"Cache*", "Cache", true},
        {"Cache*", "CacheStorage", true},
        {"*.log", ".log", true},
        {"*.log", "a.log.gz", false},
        {"a*b*c", "abc", true},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "acb", false},
        {"ab*b", "ab", false},
        {"*che*", "Caches", true},
        {"*CHE*", "Caches", false},
        {"*a*a", "a", false},
        {"account-*", "account-1234", true},
        {"account-*", "accounts", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Wildcard::matches(c.name, c.pattern), c.expected) << c.pattern << " " << c.name;
    }
}

TEST(RuleMatchersTest, PathPatternsWalkOneComponentPerPiece) {
    const auto root = tree(
        "/home/ana",
        {
            folder(
                "Library",
                {
                    folder("Caches", {file("a", 1)}),
                    folder(
                        "Group Containers",
                        {
                            folder("X1.ru.keepcoder.Telegram",
                                   {folder("stable",
                                           {
                                               folder("account-1",
                                                      {folder("postbox",
                                                              {folder("media", {file("p", 5)})})}),
                                               folder("account-2",
                                                      {folder("postbox", {folder("media", {})})}),
                                               file("account-3", 1),
                                           })}),
                            folder("group.other", {}),
                        }),
                }),
            file("Steam", 1),
        });
    struct Case {
        std::string pattern;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"/home/ana/Library/Caches", {"/home/ana/Library/Caches"}},
        {"//home/ana/Library//Caches/", {"/home/ana/Library/Caches"}},
        {"/home/ana", {"/home/ana"}},
        {"/home/ana/Library/Group "
         "Containers/*.ru.keepcoder.Telegram/stable/account-*/postbox/media",
         {"/home/ana/Library/Group "
          "Containers/X1.ru.keepcoder.Telegram/stable/account-1/postbox/media",
          "/home/ana/Library/Group "
          "Containers/X1.ru.keepcoder.Telegram/stable/account-2/postbox/media"}},
        {"/home/ana/*", {"/home/ana/Library", "/home/ana/Steam"}},
        // A file reached before the last piece leads nowhere.
        {"/home/ana/Steam/*", {}},
        // A piece that matches nothing ends the walk, even before a lone star.
        {"/home/ana/Library/Missing/*", {}},
        // The part before the first wildcard must lie in the tree.
        {"/home/bob/Library/Caches", {}},
        {"/home/*/Library", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pathsOf(RuleMatchers::nodesMatching(c.pattern, root)), c.expected) << c.pattern;
    }
}

TEST(RuleMatchersTest, ProjectsNeedAMarkerAndAQualifyingBuildFolder) {
    const Date old = daysBefore(fixedNow(), 400);
    const auto root = tree(
        "/home/ana",
        {
            folder(
                "code",
                {
                    folder("web",
                           {
                               file("package.json", 1, old),
                               // A project inside a build folder is never reported.
                               folder("node_modules",
                                      {
                                          file("big.js", 10, fixedNow()),
                                          folder("dep", {file("package.json", 1),
                                                         folder("node_modules", {file("y", 1)})}),
                                      }),
                               folder(".git", {file("index", 1, fixedNow())}, old),
                               folder("packages",
                                      {
                                          folder("inner", {file("package.json", 1, old),
                                                           folder(".next", {file("x", 1)})}),
                                      }),
                           }),
                    // A build folder qualified only by settings.gradle, which marks no project.
                    folder("gradle-only",
                           {
                               file("settings.gradle", 1),
                               folder(".gradle", {folder("nested", {file("package.json", 1),
                                                                    folder("node_modules", {})})}),
                           }),
                    folder("markers-only", {file("Cargo.toml", 1), folder("src", {})}),
                }),
        });
    std::vector<RuleMatchers::Project> projects;
    RuleMatchers::collectProjects(root, projects);
    ASSERT_EQ(projects.size(), 2U);
    EXPECT_EQ(projects[0].node->path(), "/home/ana/code/web");
    EXPECT_EQ(pathsOf(projects[0].buildFolders),
              std::vector<std::string>{"/home/ana/code/web/node_modules"});
    // The dates inside node_modules and .git do not count; the .git folder's own date does.
    EXPECT_EQ(projects[0].lastChange, old);
    EXPECT_EQ(projects[1].node->path(), "/home/ana/code/web/packages/inner");
}

TEST(RuleMatchersTest, LastChangeIsAbsentWithoutDatesAndCountsGitFolderDate) {
    const Date recent = daysBefore(fixedNow(), 1);
    const auto undated = tree("/p", {file("package.json", 1), folder("node_modules", {})});
    EXPECT_EQ(RuleMatchers::lastChange(undated, {}), std::nullopt);

    const auto withGit = tree("/p", {file("package.json", 1), folder(".git", {}, recent)});
    EXPECT_EQ(RuleMatchers::lastChange(withGit, {}), recent);
}

TEST(RuleMatchersTest, ExtractedArchivesSitBesideAFolderOfTheirBaseName) {
    const auto downloads =
        tree("/home/ana/Downloads", {
                                        fileWithLogical("Photos.ZIP", 150, 150),
                                        folder("Photos", {fileWithLogical("a.jpg", 100, 100)}),
                                        fileWithLogical("data.tar.gz", 10, 10),
                                        folder("data", {file("d", 10)}),
                                        folder("data.tar", {file("d", 10)}),
                                        fileWithLogical("Big.zip", 300, 300),
                                        folder("Big", {fileWithLogical("b", 100, 100)}),
                                        file("Empty.zip", 1),
                                        folder("Empty", {}),
                                        file("Notes.zip", 1),
                                        file("Notes", 1),
                                        file("Lower.zip", 1),
                                        folder("lower", {file("l", 1)}),
                                        file(".zip", 1),
                                        folder("", {file("x", 1)}),
                                        // U+0130 lowercases to "i", so the suffix is found and the
                                        // base name loses the whole two-byte character.
                                        file("Kit.Z\u0130P", 1),
                                        folder("Kit", {file("k", 1)}),
                                    });
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& pair : RuleMatchers::extractedArchives(downloads)) {
        found.emplace_back(pair.archive->name(), pair.folder->name());
    }
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Photos.ZIP", "Photos"}, {"data.tar.gz", "data"}, {"Kit.Z\u0130P", "Kit"}};
    EXPECT_EQ(found, expected);
}

TEST(InstallerMatcherTest, KeysKeepTheWordsBeforeTheVersion) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"PixelForge-4.41.105-macOS.dmg", "pixelforge"},
        {"Hue-V2.1-arm64.dmg", "hue"},
        {"Acme Studio Code (Universal).dmg", "acmestudiocode"},
        {"1Vault-8.dmg", ""},
        {"Setup_Installer.pkg", ""},
        {"Éclair Installer v10.pkg", "éclair"},
        {"vlc-3.0.20-universal.dmg", "vlc"},
        {"v.dmg", "v"},
        {".dmg", "dmg"},
    };
    for (const auto& [name, key] : cases) {
        EXPECT_EQ(InstallerMatcher::key(name), key) << name;
    }
}

TEST(InstallerMatcherTest, DebianPackageFilesNameTheirPackage) {
    const std::vector<std::pair<std::string_view, std::optional<std::string_view>>> cases{
        {"bash_5.2.15-2+b2_amd64.deb", "bash"},
        {"google-chrome-stable_current_amd64.DEB", "google-chrome-stable"},
        {"bash_5.2_amd64 (1).deb", "bash"},
        {"bash_5.2.deb", std::nullopt},
        {"bash_5.2_amd64_extra.deb", std::nullopt},
        {"_5.2_amd64.deb", std::nullopt},
        {"bash__amd64.deb", std::nullopt},
        {"bash_5.2_.deb", std::nullopt},
        {"bash_5.2_amd64.rpm", std::nullopt},
        {"bash_5.2_amd64", std::nullopt},
        {".deb", std::nullopt},
    };
    for (const auto& [name, package] : cases) {
        EXPECT_EQ(InstallerMatcher::debianPackage(name), package) << name;
    }
}

TEST(InstallerMatcherTest, EqualKeysWinOverPrefixesOfAtLeastFourCharacters) {
    struct Case {
        std::vector<std::string> apps;
        std::string installer;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases{
        {{"tempo.io", "Tempo"}, "Tempo.pkg", "Tempo"},
        {{"tempo.io"}, "Tempo.pkg", "tempo.io"},
        {{"Orb"}, "OrbBrowser.dmg", std::nullopt},
        {{"Orb"}, "Orb-2.dmg", "Orb"},
        {{"Acme Studio Code.app"}, "Acme Studio Code (Universal).dmg", "Acme Studio Code.app"},
        {{"PixelForge Pro"}, "PixelForge-4.41.105-macOS.dmg", "PixelForge Pro"},
        {{"Zed"}, "Zed-Preview.dmg", std::nullopt},
        {{"++", "Zed"}, "Zed.dmg", "Zed"},
        {{"Vault"}, "1Vault-8.dmg", std::nullopt},
        {{}, "Anything.dmg", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InstallerMatcher(c.apps).installedApp(c.installer), c.expected) << c.installer;
    }
    EXPECT_EQ(InstallerMatcher({"++", "Zed"}).apps().size(), 1U);
}

}  // namespace
}  // namespace tandor
