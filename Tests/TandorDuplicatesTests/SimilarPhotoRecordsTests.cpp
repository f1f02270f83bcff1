#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorDuplicates/PhotoFiles.hpp"
#include "TandorDuplicates/SimilarPhotoGroup.hpp"
#include "TandorDuplicates/SimilarPhotoReport.hpp"

namespace tandor {
namespace {

const Date noon = std::chrono::sys_days{std::chrono::year{2024} / 6 / 1} + std::chrono::hours{12};

SimilarPhoto photo(std::string path, std::int64_t width = 4000, std::int64_t bytes = 1'000'000,
                   std::optional<float> score = std::nullopt, Date date = noon) {
    return SimilarPhoto{std::move(path), bytes, date, width, 3000, score};
}

TEST(PhotoFiles, ExtensionDecidesIgnoringCase) {
    const std::pair<const char*, bool> cases[] = {
        {"/p/IMG_0001.JPG", true}, {"/p/x.Heic", true},    {"/p/raw.rw2", true},
        {"/p/scan.pdf", false},    {"/p/clip.mov", false}, {"/p/jpg", false},
        {"/p/.jpg", false},        {"/p/a.jpg/b", false},  {"/p/photo.jpeg", true},
    };
    for (const auto& [path, isPhoto] : cases) {
        EXPECT_EQ(PhotoFiles::isPhoto(path), isPhoto) << path;
    }
    EXPECT_EQ(PhotoFiles::extensions().size(), 16U);
}

struct BestShotCase {
    const char* name;
    SimilarPhoto a, b;
    const char* bestPath;
    const char* reason;
};

TEST(SimilarPhotoGroup, BestShotOrderAndReason) {
    const auto later = noon + std::chrono::seconds{5};
    const BestShotCase cases[] = {
        {"higher score beats more pixels", photo("/a", 8000, 1, 0.6f), photo("/b", 4000, 1, 0.8f),
         "/b", "Best quality score from image analysis (sharpness, exposure, framing)"},
        {"one score missing: pixels decide", photo("/a", 4000, 1, 0.9f), photo("/b", 5000), "/b",
         "Highest resolution"},
        {"equal scores: pixels decide", photo("/a", 4000, 1, 0.5f), photo("/b", 5000, 1, 0.5f),
         "/b", "Highest resolution"},
        {"same pixels: larger file", photo("/a", 4000, 10), photo("/b", 4000, 20), "/b",
         "Largest file, least compressed"},
        {"same size: earlier shot", photo("/a", 4000, 10, {}, later), photo("/b", 4000, 10), "/b",
         "First shot of the group"},
        {"all equal: first path", photo("/b"), photo("/a"), "/a", "First shot of the group"},
        {"NaN score puts neither first", photo("/b", 4000, 1, std::nanf("")),
         photo("/a", 5000, 1, 0.5f), "/b",
         "Best quality score from image analysis (sharpness, exposure, framing)"},
    };
    for (const auto& c : cases) {
        const SimilarPhotoGroup group({c.a, c.b});
        EXPECT_EQ(group.bestPath(), c.bestPath) << c.name;
        EXPECT_EQ(group.photos().front().path, c.bestPath) << c.name;
        EXPECT_EQ(group.bestReason(), c.reason) << c.name;
    }
}

TEST(SimilarPhotoGroup, DerivedValuesAndKeeping) {
    const SimilarPhotoGroup group(
        {photo("/z/small", 1000, 300), photo("/a/big", 5000, 500), photo("/m/mid", 3000, 200)});
    EXPECT_EQ(group.id(), "/a/big");
    EXPECT_EQ(group.best().path, "/a/big");
    EXPECT_EQ(group.reclaimableBytes(), 500);
    ASSERT_EQ(group.others().size(), 2U);
    EXPECT_EQ(group.others()[0].path, "/m/mid");

    EXPECT_EQ(group.keeping("/a/big"), group);
    EXPECT_EQ(group.keeping("/elsewhere"), group);
    const auto kept = group.keeping("/z/small");
    EXPECT_EQ(kept.bestPath(), "/z/small");
    EXPECT_EQ(kept.bestReason(), "You chose this shot");
    EXPECT_EQ(kept.photos(), group.photos());
    EXPECT_EQ(kept.id(), group.id());
    EXPECT_EQ(kept.reclaimableBytes(), 700);

    EXPECT_FALSE(group.leavesAPhoto({"/z/small", "/a/big", "/m/mid"}));
    EXPECT_TRUE(group.leavesAPhoto({"/z/small", "/a/big"}));
    EXPECT_TRUE(group.leavesAPhoto({}));

    const SimilarPhotoGroup single({photo("/only")});
    EXPECT_EQ(single.bestReason(), "Only photo");
    EXPECT_TRUE(single.others().empty());
    EXPECT_EQ(single.reclaimableBytes(), 0);
}

TEST(SimilarPhotoGroup, SuggestionListsEveryShotButTheBest) {
    EXPECT_FALSE(SimilarPhotoGroup::suggestion({}));
    const SimilarPhotoGroup lone({photo("/lone")});
    EXPECT_FALSE(SimilarPhotoGroup::suggestion({lone}));

    const SimilarPhotoGroup pair({photo("/p/best", 5000, 9), photo("/p/other", 1000, 7)});
    const auto suggestion = SimilarPhotoGroup::suggestion({lone, pair, lone});
    ASSERT_TRUE(suggestion);
    EXPECT_EQ(suggestion->id, "similar-photos");
    EXPECT_EQ(suggestion->title, "Similar photos");
    EXPECT_EQ(suggestion->category, StorageCategory::media);
    EXPECT_EQ(suggestion->safety, SafetyLevel::needsReview);
    EXPECT_EQ(suggestion->reason, "Shots that look alike; the best one of each group stays");
    ASSERT_EQ(suggestion->evidence.size(), 2U);
    EXPECT_EQ(suggestion->evidence[0].kind, Evidence::Kind::observed);
    EXPECT_TRUE(suggestion->evidence[0].text.starts_with("3 groups of photos that look alike"));
    EXPECT_EQ(suggestion->evidence[1].kind, Evidence::Kind::inferred);
    EXPECT_EQ(suggestion->items,
              (std::vector<SuggestionItem>{{"/p/other", 7, noon, std::nullopt}}));
}

TEST(SimilarPhoto, PixelCountSaturatesInsteadOfOverflowing) {
    const auto huge = std::numeric_limits<std::int64_t>::max() / 2;
    EXPECT_EQ(photo("/a", huge).pixelCount(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(photo("/a", 4032).pixelCount(), 4032 * 3000);
    // A corrupt header may claim anything; ordering such photos must not crash.
    const SimilarPhotoGroup group({photo("/a", huge), photo("/b", huge + 1, 2'000'000)});
    EXPECT_EQ(group.bestReason(), "Largest file, least compressed");
}

TEST(SimilarPhotoReport, JSONRoundTripKeepsStoredValues) {
    SimilarPhotoReport report;
    const auto a = photo("/p/caf\xC3\xA9.jpg", 4000, 10, 0.25f);
    const auto b = SimilarPhoto{"/p/bad\xFF.jpg", 5, SimilarPhoto::distantPast, 1, 2, std::nullopt};
    // Stored in an order the constructor would not choose, with a chosen best.
    report.groups.push_back(SimilarPhotoGroup({b, a}, b.path, "You chose this shot"));
    report.photosCompared = 2;
    report.unreadablePaths = {"/p/\xFE"};

    const nlohmann::json encoded = report;
    EXPECT_FALSE(encoded["groups"][0]["photos"][0].contains("qualityScore"));
    EXPECT_EQ(encoded["groups"][0]["photos"][1]["qualityScore"], 0.25f);
    EXPECT_EQ(encoded["groups"][0]["photos"][1]["captureDate"], "2024-06-01T12:00:00Z");
    EXPECT_EQ(encoded["groups"][0]["photos"][0]["captureDate"], "1700-01-01T00:00:00Z");
    const auto decoded = nlohmann::json::parse(encoded.dump()).get<SimilarPhotoReport>();
    EXPECT_EQ(decoded, report);
}

TEST(SimilarPhotoReport, StrictDecodingRejectsWrongShapes) {
    const nlohmann::json good = nlohmann::json::parse(R"({
        "groups": [{"photos": [{"path": "/a.jpg", "bytes": 1, "captureDate": "2024-06-01T12:00:00Z",
                                "pixelWidth": 2, "pixelHeight": 3, "qualityScore": 0.5}],
                    "bestPath": "/a.jpg", "bestReason": "Only photo"}],
        "photosCompared": 1, "unreadablePaths": []})");
    EXPECT_NO_THROW(good.get<SimilarPhotoReport>());

    const std::pair<const char*, nlohmann::json> broken[] = {
        {"/photosCompared", 1.5},
        {"/photosCompared", "1"},
        {"/unreadablePaths", "/a"},
        {"/groups", nlohmann::json::object()},
        {"/groups/0/photos", nlohmann::json::object()},
        {"/groups/0/bestReason", 3},
        {"/groups/0/photos/0/bytes", 9.3e18 * 2},
        {"/groups/0/photos/0/captureDate", "2024-06-01 12:00:00"},
        {"/groups/0/photos/0/qualityScore", "high"},
        {"/groups/0/photos/0/qualityScore", 1e300},
        {"/groups/0/photos/0/path", 7},
    };
    for (const auto& [pointer, value] : broken) {
        auto changed = good;
        changed[nlohmann::json::json_pointer(pointer)] = value;
        EXPECT_THROW(changed.get<SimilarPhotoReport>(), DecodingError) << pointer;
    }
    auto missing = good;
    missing["groups"][0]["photos"][0].erase("pixelHeight");
    EXPECT_THROW(missing.get<SimilarPhotoReport>(), DecodingError);
}

}  // namespace
}  // namespace tandor
