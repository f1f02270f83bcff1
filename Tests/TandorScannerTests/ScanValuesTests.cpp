#include <gtest/gtest.h>

#include <chrono>

#include "TandorScanner/LastUsedText.hpp"
#include "TandorScanner/ScanError.hpp"
#include "TandorScanner/ScanEstimate.hpp"
#include "TandorScanner/ScanOptions.hpp"
#include "TandorScanner/StaticLastUsedReader.hpp"

namespace tandor {
namespace {

using std::chrono::seconds;

TEST(ScanOptions, NormalisesExcludedPathsOnlyWhenConstructed) {
    ScanOptions options(true, std::nullopt, 0, {"/Users/u/Movies/", "/Users/u/./Music"}, 3, true,
                        ScanOptions::projectMarkers());
    EXPECT_EQ(options.excludedPaths,
              (std::unordered_set<std::string>{"/Users/u/Movies", "/Users/u/Music"}));

    options.excludedPaths = {"/a/./b/"};
    EXPECT_TRUE(options.excludedPaths.contains("/a/./b/"));
}

TEST(ScanOptions, ProjectMarkersAreTheFifteenBuildFiles) {
    const auto& markers = ScanOptions::projectMarkers();
    EXPECT_EQ(markers.size(), 15U);
    for (const char* name : {"package.json", "build.gradle", "build.gradle.kts", "settings.gradle",
                             "settings.gradle.kts", "composer.json"}) {
        EXPECT_TRUE(markers.contains(name)) << name;
    }
    EXPECT_FALSE(markers.contains(".git"));
}

TEST(ScanError, DescribesItselfInOneSentence) {
    EXPECT_EQ(ScanError::cannotRead("/x/y").description(), "Cannot read /x/y");
    EXPECT_EQ(ScanError::cannotRead("").description(), "Cannot read ");
    const ScanError cancelled = ScanError::cancelled("/home/u");
    EXPECT_EQ(cancelled.kind(), ScanError::Kind::cancelled);
    EXPECT_EQ(cancelled.path(), "/home/u");
}

TEST(ScanEstimate, TakesTheLargerHintWithinZeroAndTheCeiling) {
    struct Case {
        std::int64_t files;
        std::int64_t bytes;
        std::optional<std::int64_t> previousFiles;
        std::optional<std::int64_t> diskUsed;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {500, 30'000'000'000, 1000, 100'000'000'000, 0.5},
        {100, 90, 1000, 100, 0.9},
        {2000, 0, 1000, std::nullopt, ScanEstimate::ceiling},
        {10, 0, 0, std::nullopt, std::nullopt},
        {10, 25, 0, 100, 0.25},
        {10, 25, std::nullopt, 0, std::nullopt},
        {0, -5, std::nullopt, 100, 0.0},
    };
    for (const auto& c : cases) {
        const ScanProgress progress{"/x", c.files, c.bytes};
        EXPECT_EQ(ScanEstimate::fraction(progress, c.previousFiles, c.diskUsed), c.expected)
            << c.files << " files, " << c.bytes << " bytes";
    }
}

TEST(ScanEstimate, ShortensAFolderToTwoComponentsBelowTheRoot) {
    struct Case {
        const char* path;
        const char* root;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"/Users/u/Library/Caches/app/x", "/Users/u", "Library/Caches"},
        {"/Users/u/Library/Caches/app/x", "/Users/u/", "Library/Caches"},
        {"/Users/u/Documents", "/Users/u", "Documents"},
        {"/Users/u", "/Users/u", std::nullopt},
        {"/Users/u/", "/Users/u", std::nullopt},
        {"/Users/uv/x", "/Users/u", std::nullopt},
        {"/usr/lib", "/", "usr/lib"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanEstimate::shortFolder(c.path, c.root), c.expected) << c.path;
    }
}

TEST(LastUsedText, CountsElapsedPeriodsOf24Hours) {
    const Date now = Date{} + seconds(1'700'000'000);
    struct Case {
        std::optional<Date> date;
        const char* text;
    };
    const Case cases[] = {
        {std::nullopt, "Last opened: unknown"},
        {now + seconds(10), "Last opened today"},
        {now - seconds(86'399), "Last opened today"},
        {now - seconds(86'400), "Last opened yesterday"},
        {now - seconds(47 * 3600), "Last opened yesterday"},
        {now - seconds(172'800), "Last opened 2 days ago"},
        {now - seconds(12 * 86'400 + 5), "Last opened 12 days ago"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LastUsedText::describe(c.date, now), c.text);
    }
    // Dates at the ends of the range must not overflow the difference.
    EXPECT_EQ(LastUsedText::describe(Date::min(), Date::max()), "Last opened 106751 days ago");
    EXPECT_EQ(LastUsedText::describe(Date::max(), Date::min()), "Last opened today");
}

TEST(StaticLastUsedReader, AnswersOnlyTheExactPath) {
    const Date date = Date{} + seconds(1'000);
    const StaticLastUsedReader reader({{"/Users/u/a.app", date}});
    EXPECT_EQ(reader.lastUsedDate("/Users/u/a.app"), date);
    EXPECT_EQ(reader.lastUsedDate("/Users/u/a.app/"), std::nullopt);
    EXPECT_EQ(reader.lastUsedDate("/Users/u/b.app"), std::nullopt);
}

}  // namespace
}  // namespace tandor
