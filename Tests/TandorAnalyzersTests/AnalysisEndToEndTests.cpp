#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorAnalyzers/RuleAnalyzer.hpp"
#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

constexpr std::int64_t MB = 1'000'000;

// A home folder on disk laid out like a desktop user's, with files whose
// bytes are really written so that their allocated sizes reach the rules'
// minimums. Every date is whole days before now.
class FixtureLayout {
  public:
    FixtureLayout(const testing::FixtureHome& home, Date now) : home_(home), now_(now) {}

    void write(const std::string& relative, std::int64_t bytes) const {
        const std::string path = home_ / relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        ASSERT_GE(descriptor, 0) << path;
        const std::vector<char> chunk(MB, 'x');
        for (std::int64_t left = bytes; left > 0; left -= MB) {
            const auto size = static_cast<std::size_t>(std::min(left, MB));
            ASSERT_EQ(::write(descriptor, chunk.data(), size), static_cast<ssize_t>(size));
        }
        ::close(descriptor);
    }

    void writeSparse(const std::string& relative, std::int64_t bytes) const {
        const std::string path = home_ / relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        ASSERT_GE(descriptor, 0) << path;
        ASSERT_EQ(::ftruncate(descriptor, bytes), 0);
        ::close(descriptor);
    }

    void age(const std::string& relative, int days) const {
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                                 (now_ - std::chrono::days(days)).time_since_epoch())
                                 .count();
        const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (home_ / relative).c_str(), times, 0), 0) << relative;
    }

    std::string dayText(int days) const {
        return iso8601String(now_ - std::chrono::days(days)).substr(0, 10);
    }

  private:
    const testing::FixtureHome& home_;
    Date now_;
};

class AnalysisEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const FixtureLayout layout(home_, now_);
        layout.write("Library/Caches/com.apple.Safari/Cache.db", 30 * MB);
        layout.write("Library/Caches/com.example.Viewer/thumbnails", 20 * MB);
        layout.write("Library/Developer/Xcode/DerivedData/App-abc/Build/Index.noindex", 50 * MB);
        layout.write("code/old-app/package.json", 300);
        layout.write("code/old-app/node_modules/lib/bundle.js", 50 * MB);
        layout.age("code/old-app/package.json", 120);
        layout.age("code/old-app", 120);
        layout.write("code/new-app/package.json", 300);
        layout.write("code/new-app/node_modules/lib/bundle.js", 50 * MB);
        layout.write("Downloads/PixelForge-4.41.105-macOS.dmg", 12 * MB);
        layout.age("Downloads/PixelForge-4.41.105-macOS.dmg", 40);
        layout.write("Downloads/Old-Thing-2.3.pkg", 12 * MB);
        layout.age("Downloads/Old-Thing-2.3.pkg", 40);
        layout.write("Downloads/Photos.zip", 12 * MB);
        layout.write("Downloads/Photos/IMG_0001.jpg", 8 * MB);
        layout.write("Desktop/Screen Recording 2025-01-01 at 10.00.00.mov", 50 * MB);
        layout.age("Desktop/Screen Recording 2025-01-01 at 10.00.00.mov", 45);
        layout.writeSparse("Movies/huge.bin", 1'000 * MB);
        dayText40_ = layout.dayText(40);
    }

    ScanResult scanHome() const {
        const ScanOptions homeOptions(true, std::nullopt, MB, {}, 3, true,
                                      ScanOptions::projectMarkers());
        return DirectoryScanner(homeOptions).scan(home_.path());
    }

    std::string path(const std::string& relative) const { return home_ / relative; }

    testing::FixtureHome home_;
    Date now_ = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    std::string dayText40_;
};

std::map<std::string, const Suggestion*> byID(const std::vector<Suggestion>& suggestions) {
    std::map<std::string, const Suggestion*> found;
    for (const auto& suggestion : suggestions) {
        found[suggestion.id] = &suggestion;
    }
    return found;
}

std::vector<std::string> itemPaths(const Suggestion& suggestion) {
    std::vector<std::string> paths;
    for (const auto& item : suggestion.items) {
        paths.push_back(item.path);
    }
    return paths;
}

TEST_F(AnalysisEndToEndTest, ScannedHomeYieldsTheExpectedSuggestions) {
    const auto result = scanHome();
    const AnalysisContext context(home_.path(), now_, {"PixelForge"});
    const auto suggestions = RuleAnalyzer(BuiltInRules::all()).analyze(result.root, context);
    const auto found = byID(suggestions);

    std::vector<std::string> ids;
    for (const auto& [id, suggestion] : found) {
        ids.push_back(id);
    }
    EXPECT_THAT(ids,
                ElementsAre("archives.extracted", "cache.user", "dev.dormantProjects",
                            "dev.nodeModules", "downloads.installers", "installers.installedApps",
                            "media.oldScreenRecordings", "xcode.derivedData"));
    for (std::size_t i = 1; i < suggestions.size(); ++i) {
        EXPECT_GE(suggestions[i - 1].totalBytes(), suggestions[i].totalBytes());
    }

    EXPECT_THAT(itemPaths(*found.at("cache.user")),
                ElementsAre(path("Library/Caches/com.apple.Safari"),
                            path("Library/Caches/com.example.Viewer")));
    EXPECT_THAT(itemPaths(*found.at("xcode.derivedData")),
                ElementsAre(path("Library/Developer/Xcode/DerivedData/App-abc")));
    EXPECT_THAT(itemPaths(*found.at("dev.dormantProjects")),
                ElementsAre(path("code/old-app/node_modules")));
    EXPECT_EQ(found.at("dev.dormantProjects")->items[0].note,
              "Project \u201Cold-app\u201D last changed 120 days ago");
    EXPECT_THAT(itemPaths(*found.at("dev.nodeModules")),
                ElementsAre(path("code/new-app/node_modules")));
    EXPECT_EQ(found.at("installers.installedApps")->items[0].note, "PixelForge is installed");
    EXPECT_THAT(itemPaths(*found.at("downloads.installers")),
                ElementsAre(path("Downloads/Old-Thing-2.3.pkg")));
    EXPECT_EQ(found.at("archives.extracted")->items[0].note,
              "Already extracted to \u201CPhotos\u201D");
    EXPECT_THAT(itemPaths(*found.at("media.oldScreenRecordings")),
                ElementsAre(path("Desktop/Screen Recording 2025-01-01 at 10.00.00.mov")));

    EXPECT_EQ(
        found.at("downloads.installers")->evidence,
        (std::vector<Evidence>{
            Evidence::observed("1 item, 12 MB on disk"),
            Evidence::observed("Most recent change 40 days ago (" + dayText40_ + ")"),
            Evidence::inferred("Installer files not touched for a month. Once installed, the "
                               "app no longer needs them."),
            Evidence::inferred("To get it back: Download the installer again from the vendor."),
        }));
    EXPECT_EQ(found.at("xcode.derivedData")->evidence[1].text, "Changed in the last 24 hours");
}

TEST_F(AnalysisEndToEndTest, ScannedHomeBreaksDownByKindAndOwner) {
    const auto result = scanHome();
    const auto breakdown = StorageBreakdown::compute(
        result.root, FileClassifier(HomePlaces::read(home_.path())), 12, 20);
    EXPECT_EQ(breakdown.totalBytes(), result.root->allocatedSize());

    std::map<FileKind, const StorageBreakdown::KindTotal*> kinds;
    for (const auto& total : breakdown.kinds()) {
        kinds[total.kind] = &total;
    }
    const auto ownerNames = [&kinds](FileKind kind) {
        std::vector<std::string> names;
        for (const auto& owner : kinds.at(kind)->owners) {
            names.push_back(owner.name);
        }
        return names;
    };
    EXPECT_THAT(ownerNames(FileKind::appCaches), ElementsAre("Safari", "Viewer"));
    EXPECT_THAT(ownerNames(FileKind::developerTools), ElementsAre("Xcode"));
    EXPECT_THAT(ownerNames(FileKind::buildFolders), UnorderedElementsAre("new-app", "old-app"));
    EXPECT_THAT(ownerNames(FileKind::installers), ElementsAre("Downloads"));
    EXPECT_EQ(kinds.at(FileKind::installers)->largest.size(), 2U);
    EXPECT_THAT(ownerNames(FileKind::archives), ElementsAre("Downloads"));
    EXPECT_THAT(ownerNames(FileKind::photos), ElementsAre("Downloads"));
    EXPECT_THAT(ownerNames(FileKind::screenRecordings), ElementsAre("Desktop"));
    EXPECT_GE(kinds.at(FileKind::developerTools)->bytes, 50 * MB);

    std::vector<StorageCategory> categories;
    for (const auto& total : breakdown.categories()) {
        categories.push_back(total.category);
    }
    EXPECT_THAT(categories,
                ::testing::IsSupersetOf({StorageCategory::caches, StorageCategory::developer,
                                         StorageCategory::downloads, StorageCategory::media}));
}

TEST_F(AnalysisEndToEndTest, TrashedItemsAreCountedAsTrashButNeverProposed) {
    const FixtureLayout layout(home_, now_);
    layout.write(".local/share/Trash/files/old-tool/package.json", 300);
    layout.write(".local/share/Trash/files/old-tool/node_modules/lib/bundle.js", 60 * MB);
    layout.age(".local/share/Trash/files/old-tool/package.json", 200);
    layout.age(".local/share/Trash/files/old-tool", 200);
    layout.write(".local/share/Trash/files/Photos.zip", 12 * MB);
    layout.write(".local/share/Trash/info/old-tool.trashinfo", 100);
    const auto result = scanHome();

    const AnalysisContext context(home_.path(), now_, {});
    EXPECT_EQ(context.trashFolder, path(".local/share/Trash"));
    for (const auto& suggestion : RuleAnalyzer(BuiltInRules::all()).analyze(result.root, context)) {
        for (const auto& item : suggestion.items) {
            EXPECT_FALSE(item.path.starts_with(context.trashFolder)) << item.path;
        }
    }

    const auto breakdown = StorageBreakdown::compute(
        result.root, FileClassifier(HomePlaces::read(home_.path())), 12, 20);
    const auto trash =
        std::find_if(breakdown.kinds().begin(), breakdown.kinds().end(),
                     [](const auto& total) { return total.kind == FileKind::trash; });
    ASSERT_NE(trash, breakdown.kinds().end());
    ASSERT_EQ(trash->owners.size(), 1U);
    EXPECT_EQ(trash->owners.front().name, "Trash");
    EXPECT_GE(trash->bytes, 72 * MB);
}

}  // namespace
}  // namespace tandor
