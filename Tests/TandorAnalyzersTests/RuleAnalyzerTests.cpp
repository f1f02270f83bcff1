#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorAnalyzers/RuleAnalyzer.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"
#include "TreeBuilding.hpp"

namespace tandor {
namespace {

using namespace tandor::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::int64_t GB = 1'000'000'000;
const std::string home = "/home/ana";

const CleanupRule& builtIn(std::string_view id) {
    for (const auto& rule : BuiltInRules::all()) {
        if (rule.id() == id) {
            return rule;
        }
    }
    throw std::invalid_argument("no rule " + std::string(id));
}

CleanupRule rule(std::string id, CleanupRule::Target target, std::int64_t minimumBytes = 0,
                 std::optional<std::string> howToRecover = std::nullopt) {
    return CleanupRule(std::move(id), "Title", StorageCategory::other, FileKind::other,
                       SafetyLevel::needsReview, "Reason.", std::move(howToRecover),
                       std::move(target), minimumBytes);
}

std::vector<Suggestion> analyze(const FileNodePtr& root, std::vector<CleanupRule> rules,
                                std::vector<std::string> installedApps = {},
                                const std::string& contextHome = home) {
    return RuleAnalyzer(std::move(rules))
        .analyze(root, AnalysisContext(contextHome, fixedNow(), std::move(installedApps)));
}

std::vector<Suggestion> analyzeBuiltIn(const FileNodePtr& root,
                                       std::vector<std::string> installedApps = {}) {
    return analyze(root, BuiltInRules::all(), std::move(installedApps));
}

const Suggestion* find(const std::vector<Suggestion>& suggestions, std::string_view id) {
    for (const auto& suggestion : suggestions) {
        if (suggestion.id == id) {
            return &suggestion;
        }
    }
    return nullptr;
}

std::vector<std::string> itemPaths(const Suggestion* suggestion) {
    std::vector<std::string> paths;
    if (suggestion != nullptr) {
        for (const auto& item : suggestion->items) {
            paths.push_back(item.path.substr(home.size() + 1));
        }
    }
    return paths;
}

std::vector<std::string> ids(const std::vector<Suggestion>& suggestions) {
    std::vector<std::string> found;
    for (const auto& suggestion : suggestions) {
        found.push_back(suggestion.id);
    }
    return found;
}

struct PlacedFile {
    std::string path;
    std::int64_t bytes = 0;
};

// Adds a file at a path relative to the entries' folder, with the folders above it.
void place(std::vector<Entry>& entries, std::string_view path, std::int64_t bytes, Date modified) {
    const auto slash = path.find('/');
    if (slash == std::string_view::npos) {
        entries.push_back(file(std::string(path), bytes, modified));
        return;
    }
    const std::string name(path.substr(0, slash));
    auto found = std::find_if(entries.begin(), entries.end(), [&name](const Entry& entry) {
        return entry.isDirectory && entry.name == name;
    });
    if (found == entries.end()) {
        entries.push_back(folder(name, {}));
        found = std::prev(entries.end());
    }
    place(found->children, path.substr(slash + 1), bytes, modified);
}

// The home holding the files, each last changed 40 days ago.
FileNodePtr homeHolding(const std::vector<PlacedFile>& files) {
    std::vector<Entry> entries;
    for (const auto& placed : files) {
        place(entries, placed.path, placed.bytes, daysBefore(fixedNow(), 40));
    }
    return tree(home, std::move(entries));
}

std::vector<Suggestion> analyzeBuiltIn(const FileNodePtr& root, const AnalysisContext& context) {
    return RuleAnalyzer(BuiltInRules::all()).analyze(root, context);
}

TEST(RuleAnalyzerTest, EarlierRulesKeepWhatTheyClaim) {
    const Date old = daysBefore(fixedNow(), 200);
    const auto root = tree(
        home,
        {
            folder("Library",
                   {
                       folder("Caches",
                              {
                                  folder("Yarn", {file("v6", 60 * MB)}),
                                  folder("pip", {file("wheels", 60 * MB)}),
                                  folder("com.apple.Safari", {file("db", 30 * MB)}),
                                  folder("Google", {file("db", 30 * MB)}),
                              }),
                       folder("Developer",
                              {folder("Xcode", {folder("DerivedData",
                                                       {
                                                           folder("App-abc",
                                                                  {file("Index.noindex", 2 * GB)}),
                                                       })})}),
                   }),
            folder("code",
                   {
                       folder("old", {file("package.json", 1, old),
                                      folder("node_modules", {file("m", 70 * MB)})}),
                       folder("new", {file("package.json", 1, fixedNow()),
                                      folder("node_modules", {file("m", 60 * MB)})}),
                   }),
            file("movie.mkv", 3 * GB),
        });
    const auto suggestions = analyzeBuiltIn(root);
    EXPECT_THAT(itemPaths(find(suggestions, "cache.yarn")), ElementsAre("Library/Caches/Yarn"));
    EXPECT_THAT(itemPaths(find(suggestions, "cache.pip")), ElementsAre("Library/Caches/pip"));
    EXPECT_THAT(itemPaths(find(suggestions, "cache.user")),
                ElementsAre("Library/Caches/com.apple.Safari", "Library/Caches/Google"));
    EXPECT_THAT(itemPaths(find(suggestions, "xcode.derivedData")),
                ElementsAre("Library/Developer/Xcode/DerivedData/App-abc"));
    EXPECT_THAT(itemPaths(find(suggestions, "dev.dormantProjects")),
                ElementsAre("code/old/node_modules"));
    EXPECT_THAT(itemPaths(find(suggestions, "dev.nodeModules")),
                ElementsAre("code/new/node_modules"));
    EXPECT_THAT(itemPaths(find(suggestions, "files.large")), ElementsAre("movie.mkv"));
}

TEST(RuleAnalyzerTest, RuleBelowItsMinimumStillWithholdsItsItems) {
    const auto root = tree(home, {folder("Big", {file("a.iso", 2 * GB), file("b", GB / 2)})});
    const std::vector<std::pair<std::int64_t, std::vector<std::string>>> cases{
        {2 * GB + GB / 2, {"folder"}},
        {2 * GB + GB / 2 + 1, {}},
    };
    for (const auto& [minimum, expected] : cases) {
        const auto suggestions =
            analyze(root, {rule("folder", CleanupRule::HomeFolder{{"Big"}}, minimum),
                           rule("large", CleanupRule::FilesLargerThan{GB})});
        auto found = ids(suggestions);
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << minimum;
    }
}

TEST(RuleAnalyzerTest, EnclosingPathsConflictButNamePrefixesDoNot) {
    const auto root = tree(home, {folder("Library", {
                                                        folder("Cache", {file("x", 10)}),
                                                        folder("Caches", {file("y", 20)}),
                                                        file("Other", 5),
                                                    })});
    const auto suggestions =
        analyze(root, {rule("inner", CleanupRule::HomePaths{{"Library/Cache/x"}}),
                       rule("children", CleanupRule::ChildrenOfHomeFolder{{"Library"}}),
                       rule("again", CleanupRule::HomePaths{{"Library/Caches/y", "Library"}})});
    EXPECT_THAT(itemPaths(find(suggestions, "inner")), ElementsAre("Library/Cache/x"));
    EXPECT_THAT(itemPaths(find(suggestions, "children")),
                ElementsAre("Library/Caches", "Library/Other"));
    EXPECT_EQ(find(suggestions, "again"), nullptr);
}

TEST(RuleAnalyzerTest, ItemsAndSuggestionsAreLargestFirstAndStable) {
    const auto root =
        tree(home, {
                       folder("A", {file("a1", 5), file("a2", 10), file("a3", 5), file("a4", 10)}),
                       folder("B", {file("b1", 30)}),
                       folder("C", {file("c1", 30)}),
                       folder("D", {file("d1", 31)}),
                       folder("Z", {file("zero", 0)}),
                   });
    const auto suggestions = analyze(
        root, {rule("a", CleanupRule::ChildrenOfHomeFolder{{"A"}}),
               rule("b", CleanupRule::HomeFolder{{"B"}}), rule("c", CleanupRule::HomeFolder{{"C"}}),
               rule("d", CleanupRule::HomeFolder{{"D"}}), rule("z", CleanupRule::HomeFolder{{"Z"}}),
               rule("missing", CleanupRule::HomeFolder{{"Nope"}})});
    EXPECT_THAT(ids(suggestions), ElementsAre("d", "a", "b", "c"));
    EXPECT_THAT(itemPaths(find(suggestions, "a")), ElementsAre("A/a2", "A/a4", "A/a1", "A/a3"));
}

TEST(RuleAnalyzerTest, OldInstallersNeedAStrictlyOlderDateAndAnyExtensionCase) {
    const Date now = fixedNow();
    const auto root = tree(
        home, {folder("Downloads",
                      {
                          file("Old.DMG", 10 * MB, daysBefore(now, 31)),
                          file("Boundary.dmg", 10 * MB, daysBefore(now, 30)),
                          file("Undated.pkg", 10 * MB),
                          folder("Package.pkg", {file("Contents", 10 * MB)}, daysBefore(now, 40)),
                          file("Old.zip", 10 * MB, daysBefore(now, 40)),
                          file("Tiny.iso", 0, daysBefore(now, 40)),
                      })});
    const auto suggestions = analyze(root, {builtIn("downloads.installers")});
    EXPECT_THAT(itemPaths(find(suggestions, "downloads.installers")),
                ElementsAre("Downloads/Old.DMG", "Downloads/Package.pkg", "Downloads/Tiny.iso"));
}

TEST(RuleAnalyzerTest, OldScreenRecordingsAreFilesOfTheKindOnly) {
    const Date old = daysBefore(fixedNow(), 45);
    const auto root =
        tree(home, {
                       folder("Desktop",
                              {
                                  file("Screen Recording 2025-01-01.mov", 40 * MB, old),
                                  folder("Screen Recording 2.mov", {file("x", 40 * MB)}, old),
                                  file("Holiday.mov", 40 * MB, old),
                              }),
                       folder("Movies", {file("Screen Recording 3.mp4", 20 * MB, old),
                                         file("Screen Recording 4.mp4", 20 * MB, fixedNow())}),
                   });
    const auto suggestions = analyze(root, {builtIn("media.oldScreenRecordings")});
    EXPECT_THAT(
        itemPaths(find(suggestions, "media.oldScreenRecordings")),
        ElementsAre("Desktop/Screen Recording 2025-01-01.mov", "Movies/Screen Recording 3.mp4"));
}

TEST(RuleAnalyzerTest, EvidenceDescribesCountSizeRecencyReasonAndRecovery) {
    const Date now = fixedNow();
    struct Case {
        std::vector<Entry> files;
        std::optional<std::string> howToRecover;
        std::vector<Evidence> expected;
    };
    const std::vector<Case> cases{
        {{file("a", 50 * MB, now - std::chrono::hours(3))},
         "Do it again.",
         {Evidence::observed("1 item, 50 MB on disk"),
          Evidence::observed("Changed in the last 24 hours"), Evidence::inferred("Reason."),
          Evidence::inferred("To get it back: Do it again.")}},
        {{file("a", 1'000'000, daysBefore(now, 400)), file("b", 234'566, daysBefore(now, 1.5)),
          file("c", 1)},
         std::nullopt,
         {Evidence::observed("3 items, 1.2 MB on disk"),
          Evidence::observed("Most recent change 1 days ago (2025-06-14)"),
          Evidence::inferred("Reason.")}},
        {{file("future", 1, now + std::chrono::hours(48))},
         std::nullopt,
         {Evidence::observed("1 item, 1 bytes on disk"),
          Evidence::observed("Changed in the last 24 hours"), Evidence::inferred("Reason.")}},
        {{file("undated", 2)},
         std::nullopt,
         {Evidence::observed("1 item, 2 bytes on disk"), Evidence::inferred("Reason.")}},
    };
    for (const auto& c : cases) {
        const auto root = tree(home, {folder("F", c.files)});
        const auto suggestions =
            analyze(root, {rule("r", CleanupRule::ChildrenOfHomeFolder{{"F"}}, 0, c.howToRecover)});
        ASSERT_EQ(suggestions.size(), 1U);
        EXPECT_EQ(suggestions[0].evidence, c.expected);
    }
}

TEST(RuleAnalyzerTest, FoldersNamedNeedTheMarkerBesideThemAndAreNotSearchedInside) {
    const auto root = tree(
        home,
        {
            folder("app", {file("package.json", 1),
                           folder("node_modules",
                                  {
                                      folder("dep", {file("package.json", 1),
                                                     folder("node_modules", {file("x", 9)})}),
                                  })}),
            folder("loose", {folder("node_modules",
                                    {
                                        folder("pkg", {file("package.json", 1),
                                                       folder("node_modules", {file("y", 7)})}),
                                    })}),
            folder("empty", {file("package.json", 1), folder("node_modules", {})}),
            folder("file", {file("package.json", 1), file("node_modules", 9)}),
        });
    const auto suggestions =
        analyze(root, {rule("nm", CleanupRule::FolderNamed{"node_modules", "package.json"})});
    EXPECT_THAT(itemPaths(find(suggestions, "nm")),
                ElementsAre("app/node_modules", "loose/node_modules/pkg/node_modules"));
}

TEST(RuleAnalyzerTest, NotesNameTheInstalledAppTheExtractedFolderAndTheProjectAge) {
    const Date now = fixedNow();
    const auto root = tree(
        home, {
                  folder("Downloads",
                         {
                             file("PixelForge-4.41.105-macOS.dmg", 20 * MB, daysBefore(now, 40)),
                             folder("Tool.pkg", {file("x", 20 * MB)}, daysBefore(now, 40)),
                             file("Unknown-1.0.dmg", 20 * MB, daysBefore(now, 40)),
                             fileWithLogical("Photos.zip", 20 * MB, 20 * MB),
                             folder("Photos", {fileWithLogical("a.jpg", 15 * MB, 15 * MB)}),
                         }),
                  folder("code",
                         {folder("site",
                                 {
                                     file("package.json", 1, daysBefore(now, 100.5)),
                                     folder("node_modules", {file("m", 60 * MB, now)}),
                                 })}),
              });
    const auto suggestions = analyzeBuiltIn(root, {"Tool", "PixelForge"});

    const auto* installers = find(suggestions, "installers.installedApps");
    ASSERT_NE(installers, nullptr);
    ASSERT_EQ(installers->items.size(), 1U);
    EXPECT_EQ(installers->items[0].note, "PixelForge is installed");
    // The installer already claimed is not offered again as an old installer.
    EXPECT_THAT(itemPaths(find(suggestions, "downloads.installers")),
                ElementsAre("Downloads/Tool.pkg", "Downloads/Unknown-1.0.dmg"));

    const auto* archives = find(suggestions, "archives.extracted");
    ASSERT_NE(archives, nullptr);
    EXPECT_EQ(archives->items[0].note, "Already extracted to \u201CPhotos\u201D");

    const auto* dormant = find(suggestions, "dev.dormantProjects");
    ASSERT_NE(dormant, nullptr);
    EXPECT_EQ(dormant->items[0].note, "Project \u201Csite\u201D last changed 100 days ago");
    EXPECT_EQ(dormant->subcategory, "Build folders");
}

TEST(RuleAnalyzerTest, WholeTreeTargetsStillSearchWhenHomeIsMissing) {
    const auto root = tree(
        "/home/other",
        {
            folder("Library", {folder("Caches", {folder("Big", {file("x", 100 * MB)})})}),
            folder("web", {file("package.json", 1), folder("node_modules", {file("m", 60 * MB)})}),
            file("disk.img", 2 * GB),
        });
    const auto suggestions = analyze(root, BuiltInRules::all(), {}, home);
    EXPECT_THAT(ids(suggestions), ElementsAre("files.large", "dev.nodeModules"));
    EXPECT_EQ(find(suggestions, "files.large")->subcategory, std::nullopt);

    EXPECT_THAT(analyzeBuiltIn(tree(home, {})), IsEmpty());
}

TEST(RuleAnalyzerTest, NothingInsideOrHoldingTheTrashIsProposed) {
    const auto old = daysBefore(fixedNow(), 400);
    const auto trashContent = [old] {
        return folder(
            "Trash",
            {folder("files", {file("disk.img", 2 * GB, old),
                              folder("web",
                                     {file("package.json", 1, old),
                                      folder("node_modules", {file("m", 60 * MB, old)}, old)},
                                     old)}),
             folder("info", {file("disk.img.trashinfo", 1, old)})});
    };
    struct TrashCase {
        std::optional<std::string> dataHome;
        std::vector<Entry> children;
    };
    const std::vector<TrashCase> cases{
        {std::nullopt, {folder(".local", {folder("share", {trashContent()})})}},
        {home + "/Data", {folder("Data", {trashContent()})}},
    };
    for (const auto& c : cases) {
        testing::EnvironmentOverride environment;
        environment.set("XDG_DATA_HOME", c.dataHome);
        EXPECT_THAT(analyzeBuiltIn(tree(home, c.children)), IsEmpty());
        EXPECT_THAT(analyze(tree(home, c.children),
                            {rule("holders", CleanupRule::HomePaths{{"*", "*/share"}})}),
                    IsEmpty());
    }
}

TEST(RuleAnalyzerTest, ANodeTwoPlacesReachIsOneItem) {
    const auto root = tree(home, {folder("A", {folder("x", {file("f", 10)})})});
    const auto suggestions = analyze(root, {rule("twice", CleanupRule::HomePaths{{"A/*", "*/x"}})});
    EXPECT_THAT(itemPaths(find(suggestions, "twice")), ElementsAre("A/x"));
}

// Every place a rule names is one HomePlaces knows, so no analysis throws.
TEST(BuiltInRulesPlacesTest, EveryPlaceOfTheTableResolves) {
    EXPECT_NO_THROW(
        analyzeBuiltIn(tree(home, {}), AnalysisContext(HomePlaces(home), fixedNow(), {})));
}

// Each rule that has a Linux counterpart finds it, and still finds the place a
// Mac gives it. Downloads is localised, so the English name stands for a Mac's.
TEST(BuiltInRulesPlacesTest, RulesFindTheLinuxPlacesAndStillTheMacOnes) {
    struct Case {
        const char* rule;
        std::string item;
        std::vector<PlacedFile> files;
    };
    const std::vector<Case> cases{
        {"cache.yarn", ".cache/yarn", {{".cache/yarn/v6/blob", 60 * MB}}},
        {"cache.yarn", "Library/Caches/Yarn", {{"Library/Caches/Yarn/v6/blob", 60 * MB}}},
        {"cache.pip", ".cache/pip", {{".cache/pip/http/blob", 60 * MB}}},
        {"cache.pip", "Library/Caches/pip", {{"Library/Caches/pip/http/blob", 60 * MB}}},
        {"cache.user", ".cache/mozilla", {{".cache/mozilla/cache2/entry", 60 * MB}}},
        {"cache.user",
         "Library/Caches/com.apple.Safari",
         {{"Library/Caches/com.apple.Safari/Cache.db", 60 * MB}}},
        {"ai.huggingface", ".cache/huggingface", {{".cache/huggingface/hub/model", 60 * MB}}},
        {"archives.extracted",
         "Scaricati/photos.zip",
         {{"Scaricati/photos.zip", 20 * MB}, {"Scaricati/photos/a.jpg", 15 * MB}}},
        {"archives.extracted",
         "Downloads/photos.zip",
         {{"Downloads/photos.zip", 20 * MB}, {"Downloads/photos/a.jpg", 15 * MB}}},
        {"archives.extracted",
         "Desktop/photos.zip",
         {{"Desktop/photos.zip", 20 * MB}, {"Desktop/photos/a.jpg", 15 * MB}}},
        {"archives.extracted",
         "Documents/photos.zip",
         {{"Documents/photos.zip", 20 * MB}, {"Documents/photos/a.jpg", 15 * MB}}},
        {"downloads.installers",
         "Scaricati/tool_1.0_amd64.deb",
         {{"Scaricati/tool_1.0_amd64.deb", 20 * MB}}},
        {"downloads.installers",
         "Downloads/tool-1.0.x86_64.rpm",
         {{"Downloads/tool-1.0.x86_64.rpm", 20 * MB}}},
        {"downloads.installers", "Downloads/Tool.dmg", {{"Downloads/Tool.dmg", 20 * MB}}},
        {"messaging.appCaches",
         ".config/Slack/Service Worker/CacheStorage",
         {{".config/Slack/Service Worker/CacheStorage/blob", 60 * MB}}},
        {"messaging.appCaches",
         ".config/discord/Code Cache",
         {{".config/discord/Code Cache/js", 60 * MB}}},
        {"messaging.appCaches",
         ".config/Microsoft/Microsoft Teams/Cache",
         {{".config/Microsoft/Microsoft Teams/Cache/data", 60 * MB}}},
        {"messaging.appCaches",
         ".var/app/com.slack.Slack/config/Slack/Cache",
         {{".var/app/com.slack.Slack/config/Slack/Cache/data", 60 * MB}}},
        {"messaging.appCaches",
         "Library/Application Support/discord/Cache",
         {{"Library/Application Support/discord/Cache/data", 60 * MB}}},
        {"messaging.telegramMedia",
         ".local/share/TelegramDesktop/tdata/user_data",
         {{".local/share/TelegramDesktop/tdata/user_data/media", 60 * MB}}},
        {"messaging.telegramMedia",
         ".var/app/org.telegram.desktop/data/TelegramDesktop/tdata/user_data",
         {{".var/app/org.telegram.desktop/data/TelegramDesktop/tdata/user_data/media", 60 * MB}}},
        {"messaging.telegramMedia",
         "Library/Group Containers/6N38VWS5BX.ru.keepcoder.Telegram/stable/account-1/postbox/media",
         {{"Library/Group Containers/6N38VWS5BX.ru.keepcoder.Telegram/stable/account-1/postbox/"
           "media/photo",
           60 * MB}}},
        {"vm.docker",
         ".docker/desktop/vms/0/data/Docker.raw",
         {{".docker/desktop/vms/0/data/Docker.raw", 2 * GB}}},
        {"vm.docker",
         "Library/Containers/com.docker.docker/Data/vms/0/data/Docker.raw",
         {{"Library/Containers/com.docker.docker/Data/vms/0/data/Docker.raw", 2 * GB}}},
        {"vm.machines", "VirtualBox VMs/Ubuntu", {{"VirtualBox VMs/Ubuntu/Ubuntu.vdi", 2 * GB}}},
        {"vm.machines", "vmware/Windows 11", {{"vmware/Windows 11/disk.vmdk", 2 * GB}}},
        {"vm.machines",
         ".local/share/gnome-boxes/images/fedora",
         {{".local/share/gnome-boxes/images/fedora", 2 * GB}}},
        {"vm.machines",
         ".local/share/libvirt/images/debian.qcow2",
         {{".local/share/libvirt/images/debian.qcow2", 2 * GB}}},
        {"vm.machines", "Parallels/Windows.pvm", {{"Parallels/Windows.pvm/disk.hdd", 2 * GB}}},
        {"games.steam",
         ".local/share/Steam/steamapps/common/Portal",
         {{".local/share/Steam/steamapps/common/Portal/game.vpk", 600 * MB}}},
        {"games.steam",
         ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/common/Portal",
         {{".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/common/Portal/game.vpk",
           600 * MB}}},
        {"games.steam",
         "Library/Application Support/Steam/steamapps/common/Portal",
         {{"Library/Application Support/Steam/steamapps/common/Portal/game.vpk", 600 * MB}}},
        {"media.oldScreenRecordings",
         "Videos/Screencasts/Screencast from 2025-05-01 10-00-00.webm",
         {{"Videos/Screencasts/Screencast from 2025-05-01 10-00-00.webm", 60 * MB}}},
        {"media.oldScreenRecordings",
         "Videos/Screencast from 2025-05-01 10-00-00.webm",
         {{"Videos/Screencast from 2025-05-01 10-00-00.webm", 60 * MB}}},
        {"media.oldScreenRecordings",
         "Movies/Screen Recording 2025-05-01.mov",
         {{"Movies/Screen Recording 2025-05-01.mov", 60 * MB}}},
    };
    HomePlaces places(home);
    places.applyUserDirs("XDG_DOWNLOAD_DIR=\"$HOME/Scaricati\"\n");
    const AnalysisContext context(places, fixedNow(), {});
    for (const auto& c : cases) {
        const auto suggestions = analyzeBuiltIn(homeHolding(c.files), context);
        const auto* found = find(suggestions, c.rule);
        ASSERT_NE(found, nullptr) << c.rule << " " << c.item;
        EXPECT_THAT(itemPaths(found), ElementsAre(c.item)) << c.rule;
        std::int64_t expectedBytes = 0;
        for (const auto& placed : c.files) {
            if (placed.path == c.item || placed.path.starts_with(c.item + "/")) {
                expectedBytes += placed.bytes;
            }
        }
        EXPECT_EQ(found->totalBytes(), expectedBytes) << c.item;
    }
}

// The app caches are the children of each cache folder that no other rule
// names: the tool caches before them and the Hugging Face cache after them
// keep their titles, wherever XDG_CACHE_HOME puts the cache folder.
TEST(BuiltInRulesPlacesTest, AppCachesLeaveTheFoldersOtherRulesName) {
    struct Case {
        std::optional<std::string> cacheHome;
        std::vector<PlacedFile> files;
        std::map<std::string, std::vector<std::string>> expected;
    };
    const std::vector<Case> cases{
        {std::nullopt,
         {{".cache/yarn/blob", 60 * MB},
          {".cache/pip/blob", 60 * MB},
          {".cache/huggingface/blob", 60 * MB},
          {".cache/mozilla/blob", 60 * MB}},
         {{"cache.yarn", {".cache/yarn"}},
          {"cache.pip", {".cache/pip"}},
          {"cache.user", {".cache/mozilla"}},
          {"ai.huggingface", {".cache/huggingface"}}}},
        {home + "/Cache",
         {{"Cache/huggingface/blob", 60 * MB},
          {"Cache/mozilla/blob", 70 * MB},
          {".cache/huggingface/blob", 50 * MB}},
         {{"cache.user", {"Cache/mozilla"}},
          {"ai.huggingface", {".cache/huggingface", "Cache/huggingface"}}}},
        // The home folder's children are never app caches.
        {home, {{"Documents/thesis.pdf", 60 * MB}, {"Pictures/holiday.jpg", 60 * MB}}, {}},
    };
    for (const auto& c : cases) {
        const auto places = HomePlaces::read(home, [&c](const char* name) -> const char* {
            return std::string_view(name) == "XDG_CACHE_HOME" && c.cacheHome ? c.cacheHome->c_str()
                                                                             : nullptr;
        });
        std::map<std::string, std::vector<std::string>> found;
        for (const auto& suggestion :
             analyzeBuiltIn(homeHolding(c.files), AnalysisContext(places, fixedNow(), {}))) {
            auto paths = itemPaths(&suggestion);
            std::sort(paths.begin(), paths.end());
            found[suggestion.id] = paths;
        }
        EXPECT_EQ(found, c.expected) << c.cacheHome.value_or("default");
    }
}

// A .deb named after a package dpkg lists as installed is an installer of an
// app you have; found once even where the Downloads folder is the Desktop.
TEST(BuiltInRulesPlacesTest, DebOfAnInstalledPackageIsAnInstallerOfAnAppYouHave) {
    const TemporaryFolder fixture;
    writeFile(fixture / "status",
              "Package: bash\nStatus: install ok installed\n\n"
              "Package: gone\nStatus: deinstall ok config-files\n");
    HomePlaces places(home);
    places.applyUserDirs("XDG_DOWNLOAD_DIR=\"$HOME/Desktop\"\n");
    const auto root = tree(home, {
                                     folder("Desktop", {file("bash_9.9.9-1_amd64.deb", 12 * MB),
                                                        file("gone_1.0_amd64.deb", 12 * MB),
                                                        file("fresh_1.0_all.deb", 12 * MB)}),
                                     folder("Downloads", {file("bash_9.9.9-1_arm64.deb", 12 * MB)}),
                                 });
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"status", {"Desktop/bash_9.9.9-1_amd64.deb", "Downloads/bash_9.9.9-1_arm64.deb"}},
        {"missing", {}},
    };
    for (const auto& [status, expected] : cases) {
        const auto suggestions = analyzeBuiltIn(
            root,
            AnalysisContext(places, fixedNow(), {}, InstalledPackages::read(fixture / status)));
        const auto* installers = find(suggestions, "installers.installedApps");
        EXPECT_EQ(itemPaths(installers), expected) << status;
        if (installers != nullptr) {
            for (const auto& item : installers->items) {
                EXPECT_EQ(item.note, "bash is installed");
            }
        }
    }
}

}  // namespace
}  // namespace tandor
