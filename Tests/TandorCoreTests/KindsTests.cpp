#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>

#include "TandorCore/FileKind.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/SafetyLevel.hpp"

namespace tandor {
namespace {

template <typename Enum, std::size_t N, typename FromRaw>
void expectRawValuesRoundTrip(const std::array<Enum, N>& all, FromRaw fromRaw) {
    std::set<std::string_view> seen;
    for (const Enum value : all) {
        EXPECT_EQ(fromRaw(rawValue(value)), value) << rawValue(value);
        EXPECT_FALSE(title(value).empty()) << rawValue(value);
        EXPECT_TRUE(seen.insert(rawValue(value)).second) << rawValue(value);
        const nlohmann::json encoded = value;
        EXPECT_EQ(encoded, rawValue(value));
        EXPECT_EQ(encoded.get<Enum>(), value);
    }
}

TEST(Kinds, RawValuesNameEveryCaseOnce) {
    expectRawValuesRoundTrip(allFileKinds, fileKindFromRawValue);
    expectRawValuesRoundTrip(allStorageCategories, storageCategoryFromRawValue);
    expectRawValuesRoundTrip(allSafetyLevels, safetyLevelFromRawValue);
    EXPECT_EQ(allFileKinds.size(), 24u);
    EXPECT_EQ(allStorageCategories.size(), 12u);
    EXPECT_EQ(rawValue(FileKind::screenRecordings), "screenRecordings");
    EXPECT_EQ(title(StorageCategory::media), "Photos & videos");
}

TEST(Kinds, RawValuesMatchExactly) {
    for (const char* raw : {"Photos", " photos", "photos ", "", "PHOTOS"}) {
        EXPECT_EQ(fileKindFromRawValue(raw), std::nullopt) << raw;
    }
    EXPECT_EQ(nlohmann::json("needsReview").get<SafetyLevel>(), SafetyLevel::needsReview);
    EXPECT_THROW(nlohmann::json("needs_review").get<SafetyLevel>(), DecodingError);
    EXPECT_THROW(nlohmann::json(2).get<StorageCategory>(), DecodingError);
    EXPECT_THROW(nlohmann::json("video").get<FileKind>(), DecodingError);
}

TEST(Kinds, EveryCategoryButLargeFilesHasAKind) {
    for (const auto category : allStorageCategories) {
        const bool hasKind =
            std::any_of(allFileKinds.begin(), allFileKinds.end(),
                        [&](FileKind kind) { return tandor::category(kind) == category; });
        EXPECT_EQ(hasKind, category != StorageCategory::largeFiles) << rawValue(category);
    }
    EXPECT_EQ(category(FileKind::screenshots), StorageCategory::media);
    EXPECT_EQ(category(FileKind::diskImages), StorageCategory::downloads);
    EXPECT_EQ(category(FileKind::trash), StorageCategory::other);
}

TEST(Kinds, SafetyLevelsAreOrderedFromSafest) {
    std::vector<SafetyLevel> levels{SafetyLevel::needsReview, SafetyLevel::regenerable,
                                    SafetyLevel::existsElsewhere};
    std::sort(levels.begin(), levels.end());
    EXPECT_EQ(levels,
              (std::vector<SafetyLevel>{SafetyLevel::regenerable, SafetyLevel::existsElsewhere,
                                        SafetyLevel::needsReview}));
    EXPECT_TRUE(allowsOneTapClean(SafetyLevel::regenerable));
    EXPECT_FALSE(allowsOneTapClean(SafetyLevel::existsElsewhere));
    EXPECT_FALSE(allowsOneTapClean(SafetyLevel::needsReview));
}

}  // namespace
}  // namespace tandor
