#include <gtest/gtest.h>

#include <filesystem>

#include "ReviewTestSupport.hpp"
#include "StoreContract.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/SwipeMemory.hpp"
#include "TandorReview/UUID.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using namespace std::chrono_literals;
using testing::contentsOf;
using testing::FixtureHome;
using testing::isThere;
using testing::someDay;
using testing::StoreContract;

class MemoryUnderTest final : public testing::StoreUnderTest {
  public:
    explicit MemoryUnderTest(const std::string& path) : memory_(path) {}
    void addRecord() override { memory_.remember("/home/u/" + UUID::random().string(), someDay); }
    std::size_t recordCount() const override { return memory_.count(); }

  private:
    SwipeMemory memory_;
};

testing::StoreAdapter memoryAdapter() {
    return {"SwipeMemory",
            "swipe-kept.json",
            [](const std::string& path) { return std::make_unique<MemoryUnderTest>(path); },
            {
                "[]",
                R"({"/a": "2025-01-02"})",
                R"({"/a": 5})",
                R"({"/a": null})",
                R"({"\u0000%ZZ": "2025-01-02T03:04:05Z"})",
            }};
}

INSTANTIATE_TEST_SUITE_P(SwipeMemory, StoreContract, ::testing::Values(memoryAdapter()),
                         testing::storeName);

SwipeCard cardAt(const std::string& path, std::optional<Date> modified) {
    return SwipeCard(path, std::nullopt, 1, false, modified, SwipeDeckKind::downloads, {});
}

TEST(SwipeMemory, AKeptCardCountsUntilItsFileChangesMoreThanASecondLater) {
    const FixtureHome home;
    SwipeMemory memory(SwipeMemory::defaultURL());
    memory.remember("/home/u/a.mov", someDay);

    const std::vector<std::pair<std::optional<Date>, bool>> cases = {
        {std::nullopt, true},     {someDay - 24h, true},     {someDay + 900ms, true},
        {someDay + 1000ms, true}, {someDay + 1001ms, false}, {someDay + 48h, false}};
    for (const auto& [modified, kept] : cases) {
        EXPECT_EQ(memory.isKept(cardAt("/home/u/a.mov", modified)), kept)
            << (modified ? iso8601String(*modified) : "undated");
    }
    EXPECT_FALSE(memory.isKept(cardAt("/home/u/b.mov", std::nullopt)));

    memory.remember("/home/u/a.mov", someDay + 48h);
    EXPECT_EQ(memory.count(), 1u);
    EXPECT_TRUE(memory.isKept(cardAt("/home/u/a.mov", someDay + 48h)));
}

TEST(SwipeMemory, WritesAPlainObjectOfPathsAndReadsNonUTF8PathsBack) {
    const FixtureHome home;
    SwipeMemory memory(SwipeMemory::defaultURL());
    memory.remember("/home/u/caf\xE9.mov", someDay + 400ms);
    memory.remember("/home/u/b.mov", someDay);

    const std::string text = contentsOf(memory.fileURL());
    EXPECT_EQ(nlohmann::json::parse(text).at("/home/u/b.mov"), iso8601String(someDay));

    const SwipeMemory reloaded(memory.fileURL());
    EXPECT_EQ(reloaded.count(), 2u);
    EXPECT_TRUE(reloaded.isKept(cardAt("/home/u/caf\xE9.mov", someDay + 1s)));
    EXPECT_FALSE(reloaded.isKept(cardAt("/home/u/caf\xC3\xA9.mov", std::nullopt)));
}

TEST(SwipeMemory, ForgettingWritesOnlyWhenSomethingWasKept) {
    const FixtureHome home;
    SwipeMemory memory(SwipeMemory::defaultURL());
    memory.forget("/home/u/a.mov");
    EXPECT_FALSE(isThere(memory.fileURL()));

    memory.forgetAll();
    EXPECT_EQ(nlohmann::json::parse(contentsOf(memory.fileURL())), nlohmann::json::object());

    memory.remember("/home/u/a.mov", someDay);
    memory.remember("/home/u/b.mov", someDay);
    memory.forget("/home/u/a.mov");
    EXPECT_EQ(SwipeMemory(memory.fileURL()).count(), 1u);
}

}  // namespace
}  // namespace tandor
