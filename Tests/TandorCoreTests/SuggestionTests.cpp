#include <gtest/gtest.h>

#include <unordered_set>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/Suggestion.hpp"

namespace tandor {
namespace {

Suggestion sample(std::vector<SuggestionItem> items = {}) {
    return Suggestion("cache.user", "App caches", StorageCategory::caches, std::nullopt,
                      SafetyLevel::regenerable, "Apps rebuild their caches.",
                      {Evidence::observed("3 folders"), Evidence::inferred("Safe to clear")},
                      std::move(items));
}

TEST(Suggestion, TotalsItsItems) {
    EXPECT_EQ(sample().totalBytes(), 0);
    EXPECT_EQ(sample({{"/a", 5, {}, {}}, {"/b", 10, {}, {}}, {"/c", 20, {}, {}}}).totalBytes(), 35);
    EXPECT_EQ(sample().id, "cache.user");
}

TEST(Suggestion, ReplacingKeepsWhatIsNotGiven) {
    const auto original = sample({{"/a", 5, {}, {}}});
    const auto emptied = original.replacing(std::nullopt, std::vector<SuggestionItem>{});
    EXPECT_TRUE(emptied.items.empty());
    EXPECT_EQ(emptied.evidence, original.evidence);
    EXPECT_EQ(original.items.size(), 1u);

    const auto withEvidence = original.replacing(std::vector<Evidence>{}, std::nullopt);
    EXPECT_TRUE(withEvidence.evidence.empty());
    EXPECT_EQ(withEvidence.items, original.items);
}

TEST(Suggestion, JSONRoundTripAndOptionalKeys) {
    const SuggestionItem bare{"/a", 5, std::nullopt, std::nullopt};
    EXPECT_EQ(nlohmann::json(bare), (nlohmann::json{{"path", "/a"}, {"bytes", 5}}));
    EXPECT_EQ(nlohmann::json(bare).get<SuggestionItem>(), bare);

    auto full = sample({bare, {"/b/caf\xE9", 7, Date{std::chrono::seconds{86400}}, "a note"}});
    full.subcategory = "Browsers";
    const auto text = nlohmann::json(full).dump();
    EXPECT_EQ(nlohmann::json::parse(text).get<Suggestion>(), full);
    EXPECT_FALSE(nlohmann::json(sample()).contains("subcategory"));
    EXPECT_FALSE(nlohmann::json(sample()).contains("totalBytes"));
}

TEST(Suggestion, DecodingKeepsTheIdAsWrittenUntilReplaced) {
    auto encoded = nlohmann::json(sample());
    encoded["id"] = "something-else";
    const auto decoded = encoded.get<Suggestion>();
    EXPECT_EQ(decoded.id, "something-else");
    EXPECT_EQ(decoded.replacing(std::nullopt, std::nullopt).id, "cache.user");
}

TEST(Suggestion, DecodingRejectsBadValues) {
    const auto valid = nlohmann::json(sample({{"/a", 5, {}, {}}}));
    const std::pair<nlohmann::json::json_pointer, nlohmann::json> changes[] = {
        {"/evidence/0/kind"_json_pointer, "measured"},
        {"/safety"_json_pointer, "safe"},
        {"/category"_json_pointer, "Caches"},
        {"/items/0/bytes"_json_pointer, "5"},
        {"/items"_json_pointer, nullptr},
        {"/title"_json_pointer, nullptr},
    };
    for (const auto& [pointer, value] : changes) {
        auto broken = valid;
        broken[pointer] = value;
        EXPECT_THROW(broken.get<Suggestion>(), DecodingError) << pointer.to_string();
    }
    auto missing = valid;
    missing.erase("reason");
    EXPECT_THROW(missing.get<Suggestion>(), DecodingError);
}

TEST(Suggestion, HashingSeesEveryField) {
    auto a = sample({{"/a", 5, {}, std::nullopt}});
    auto b = sample({{"/a", 5, {}, "note"}});
    EXPECT_NE(a, b);
    std::unordered_set<Suggestion> set{a, b, a};
    EXPECT_EQ(set.size(), 2u);
}

}  // namespace
}  // namespace tandor
