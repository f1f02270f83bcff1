#include "TandorDuplicates/SimilarityGrouper.hpp"

#include <algorithm>
#include <map>
#include <numeric>

namespace tandor {
namespace {

// A disjoint-set forest whose roots are always the smallest index of their set.
class DisjointSets {
  public:
    explicit DisjointSets(std::size_t count) : parent_(count) {
        std::iota(parent_.begin(), parent_.end(), std::size_t{0});
    }

    std::size_t root(std::size_t item) {
        while (parent_[item] != item) {
            parent_[item] = parent_[parent_[item]];
            item = parent_[item];
        }
        return item;
    }

    void link(std::size_t a, std::size_t b) {
        const auto rootA = root(a);
        const auto rootB = root(b);
        if (rootA != rootB) {
            parent_[std::max(rootA, rootB)] = std::min(rootA, rootB);
        }
    }

  private:
    std::vector<std::size_t> parent_;
};

// Whether later lies more than window seconds after earlier. A difference that
// leaves the clock's range is measured in floating point instead of wrapping.
bool beyondWindow(Date earlier, Date later, double window) {
    const auto from = earlier.time_since_epoch().count();
    const auto to = later.time_since_epoch().count();
    constexpr double perSecond = static_cast<double>(Date::period::den) / Date::period::num;
    Date::rep difference = 0;
    if (__builtin_sub_overflow(to, from, &difference)) {
        return static_cast<double>(to) - static_cast<double>(from) > window * perSecond;
    }
    return static_cast<double>(difference) > window * perSecond;
}

std::vector<std::size_t> dateOrder(const std::vector<Date>& dates) {
    std::vector<std::size_t> order(dates.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return dates[a] < dates[b]; });
    return order;
}

}  // namespace

std::vector<std::vector<std::int64_t>> SimilarityGrouper::group(const std::vector<Date>& dates,
                                                                std::optional<double> window,
                                                                std::int64_t maxComparisonsPerItem,
                                                                float threshold,
                                                                const Distance& distance) {
    DisjointSets sets(dates.size());
    const auto order = dateOrder(dates);
    for (std::size_t p = 0; p < order.size() && maxComparisonsPerItem > 0; ++p) {
        const auto a = order[p];
        std::int64_t compared = 0;
        for (std::size_t q = p + 1; q < order.size() && compared < maxComparisonsPerItem; ++q) {
            const auto b = order[q];
            if (window && beyondWindow(dates[a], dates[b], *window)) {
                break;
            }
            ++compared;
            const auto measured =
                distance(static_cast<std::int64_t>(a), static_cast<std::int64_t>(b));
            if (measured && *measured <= threshold) {
                sets.link(a, b);
            }
        }
    }

    std::map<std::size_t, std::vector<std::int64_t>> membersByRoot;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        membersByRoot[sets.root(i)].push_back(static_cast<std::int64_t>(i));
    }
    // Each root is its set's smallest member, so the map's order is the order
    // of the groups' first members.
    std::vector<std::vector<std::int64_t>> groups;
    for (auto& [root, members] : membersByRoot) {
        if (members.size() >= 2) {
            groups.push_back(std::move(members));
        }
    }
    return groups;
}

}  // namespace tandor
