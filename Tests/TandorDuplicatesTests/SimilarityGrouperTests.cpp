#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "TandorDuplicates/SimilarityGrouper.hpp"

namespace tandor {
namespace {

using Groups = std::vector<std::vector<std::int64_t>>;
using std::chrono::seconds;

const Date t = std::chrono::sys_days{std::chrono::year{2024} / 6 / 1};

// Distances from a table of pairs (either order); every other pair is far apart.
struct Distances {
    std::map<std::pair<std::int64_t, std::int64_t>, std::optional<float>> table;
    std::optional<float> otherwise = 0.9f;
    std::vector<std::pair<std::int64_t, std::int64_t>> calls;

    SimilarityGrouper::Distance function() {
        return [this](std::int64_t a, std::int64_t b) {
            calls.emplace_back(a, b);
            const auto found = table.find({std::min(a, b), std::max(a, b)});
            return found == table.end() ? otherwise : found->second;
        };
    }
};

struct GrouperCase {
    const char* name;
    std::vector<Date> dates;
    std::optional<double> window;
    std::int64_t cap;
    std::optional<float> everyDistance;
    Groups expected;
    std::vector<std::pair<std::int64_t, std::int64_t>> expectedCalls;
};

TEST(SimilarityGrouper, ComparesNeighboursInTimeWithinWindowAndCap) {
    const std::vector<Date> three{t, t + seconds{10}, t + seconds{20}};
    const GrouperCase cases[] = {
        {"no items", {}, 15, 5, 0.1f, {}, {}},
        {"one item", {t}, 15, 5, 0.1f, {}, {}},
        {"cap 0", three, {}, 0, 0.1f, {}, {}},
        {"negative cap", three, {}, -3, 0.1f, {}, {}},
        {"window 15 s", three, 15, 5, 0.1f, {{0, 1, 2}}, {{0, 1}, {1, 2}}},
        {"no window", three, {}, 5, 0.1f, {{0, 1, 2}}, {{0, 1}, {0, 2}, {1, 2}}},
        {"window edge is inside", three, 20, 5, 0.1f, {{0, 1, 2}}, {{0, 1}, {0, 2}, {1, 2}}},
        {"cap 1", three, {}, 1, 0.1f, {{0, 1, 2}}, {{0, 1}, {1, 2}}},
        {"threshold is inclusive", three, {}, 1, 0.35f, {{0, 1, 2}}, {{0, 1}, {1, 2}}},
        {"above threshold", three, {}, 1, std::nextafter(0.35f, 1.0f), {}, {{0, 1}, {1, 2}}},
        {"absent distance", three, {}, 5, std::nullopt, {}, {{0, 1}, {0, 2}, {1, 2}}},
        {"dates out of order", {t + seconds{5}, t}, {}, 5, 0.1f, {{0, 1}}, {{1, 0}}},
        {"equal dates by index", {t, t}, 0, 5, 0.1f, {{0, 1}}, {{0, 1}}},
    };
    for (const auto& c : cases) {
        Distances distances;
        distances.otherwise = c.everyDistance;
        const auto groups =
            SimilarityGrouper::group(c.dates, c.window, c.cap, 0.35f, distances.function());
        EXPECT_EQ(groups, c.expected) << c.name;
        EXPECT_EQ(distances.calls, c.expectedCalls) << c.name;
    }
}

TEST(SimilarityGrouper, GroupsAreConnectedSetsOrderedByFirstMember) {
    std::vector<Date> dates;
    for (int i = 0; i < 6; ++i) {
        dates.push_back(t + seconds{i});
    }
    Distances distances;
    distances.table = {{{2, 5}, 0.1f}, {{3, 4}, 0.2f}};
    EXPECT_EQ(SimilarityGrouper::group(dates, {}, 10, 0.35f, distances.function()),
              (Groups{{2, 5}, {3, 4}}));
}

// Two different scenes, each alike within itself, whose closest shots come
// just under the threshold: a third photo or a single close pair must not
// chain them into one group when other compared pairs across them are apart.
TEST(SimilarityGrouper, LooksAlikeThroughAThirdDoNotJoinThoseFoundApart) {
    struct ChainCase {
        const char* name;
        std::size_t count;
        std::map<std::pair<std::int64_t, std::int64_t>, std::optional<float>> table;
        Groups expected;
    };
    const ChainCase cases[] = {
        {"a third between two scenes", 3, {{{0, 1}, 0.30f}, {{1, 2}, 0.20f}}, {{1, 2}}},
        {"the closer pair wins", 3, {{{0, 1}, 0.20f}, {{1, 2}, 0.30f}}, {{0, 1}}},
        {"a pair that does not compare is apart",
         3,
         {{{0, 1}, 0.30f}, {{1, 2}, 0.20f}, {{0, 2}, std::nullopt}},
         {{1, 2}}},
        {"two scenes close at one pair",
         4,
         {{{0, 1}, 0.10f}, {{2, 3}, 0.10f}, {{1, 2}, 0.31f}},
         {{0, 1}, {2, 3}}},
        {"every pair alike", 3, {{{0, 1}, 0.30f}, {{1, 2}, 0.20f}, {{0, 2}, 0.34f}}, {{0, 1, 2}}},
    };
    for (const auto& c : cases) {
        std::vector<Date> dates;
        for (std::size_t i = 0; i < c.count; ++i) {
            dates.push_back(t + seconds{static_cast<int>(i)});
        }
        Distances distances;
        distances.table = c.table;
        EXPECT_EQ(SimilarityGrouper::group(dates, {}, 10, 0.35f, distances.function()), c.expected)
            << c.name;
    }
}

TEST(SimilarityGrouper, DatesFarApartNeitherOverflowNorJoin) {
    // A photo without any date sits centuries before the others; measuring
    // the gap must not wrap around into a small number.
    const std::vector<Date> dates{Date::min(), t, Date::max(), t + seconds{1}};
    Distances distances;
    distances.otherwise = 0.1f;
    EXPECT_EQ(SimilarityGrouper::group(dates, 1800, 5, 0.35f, distances.function()),
              (Groups{{1, 3}}));
    distances.calls.clear();
    EXPECT_EQ(SimilarityGrouper::group(dates, {}, 5, 0.35f, distances.function()),
              (Groups{{0, 1, 2, 3}}));
}

}  // namespace
}  // namespace tandor
