#include "TandorDuplicates/SimilarityGrouper.hpp"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

namespace tandor {
namespace {

// A disjoint-set forest whose roots are always the smallest index of their set,
// and which knows the members of each set.
class DisjointSets {
  public:
    explicit DisjointSets(std::size_t count) : parent_(count), members_(count) {
        std::iota(parent_.begin(), parent_.end(), std::size_t{0});
        for (std::size_t item = 0; item < count; ++item) {
            members_[item].push_back(item);
        }
    }

    std::size_t root(std::size_t item) {
        while (parent_[item] != item) {
            parent_[item] = parent_[parent_[item]];
            item = parent_[item];
        }
        return item;
    }

    // The members of the set whose root this is.
    const std::vector<std::size_t>& members(std::size_t root) const { return members_[root]; }

    void link(std::size_t a, std::size_t b) {
        const auto rootA = root(a);
        const auto rootB = root(b);
        if (rootA == rootB) {
            return;
        }
        const auto kept = std::min(rootA, rootB);
        const auto joined = std::max(rootA, rootB);
        parent_[joined] = kept;
        auto& into = members_[kept];
        into.insert(into.end(), members_[joined].begin(), members_[joined].end());
        members_[joined] = {};
    }

  private:
    std::vector<std::size_t> parent_;
    std::vector<std::vector<std::size_t>> members_;
};

// Which compared pairs were apart: for each position in date order, whether
// each of the positions after it that it was compared with lay beyond the
// threshold or could not be measured.
class ComparedPairs {
  public:
    explicit ComparedPairs(std::size_t count) : start_(count + 1, 0) {}

    // Called for positions in ascending order, their successors in turn.
    void add(std::size_t position, bool apart) {
        apart_.push_back(apart);
        start_[position + 1] = apart_.size();
    }

    // Called once every pair is added: fills in the positions that compared
    // nothing.
    void finish() {
        for (std::size_t p = 1; p < start_.size(); ++p) {
            start_[p] = std::max(start_[p], start_[p - 1]);
            longest_ = std::max(longest_, start_[p] - start_[p - 1]);
        }
    }

    std::size_t comparedAfter(std::size_t position) const {
        return start_[position + 1] - start_[position];
    }

    // The most successors any one position was compared with.
    std::size_t longest() const { return longest_; }

    // Whether earlier and later (positions, earlier < later) were compared
    // and found apart.
    bool apart(std::size_t earlier, std::size_t later) const {
        const auto step = later - earlier;
        return step <= comparedAfter(earlier) && apart_[start_[earlier] + step - 1];
    }

  private:
    std::vector<std::size_t> start_;
    std::vector<bool> apart_;
    std::size_t longest_ = 0;
};

struct Link {
    float distance;
    std::size_t earlier, later;  // positions in date order

    friend bool operator<(const Link& a, const Link& b) {
        return std::tie(a.distance, a.earlier, a.later) < std::tie(b.distance, b.earlier, b.later);
    }
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

// Whether any member of one set was compared with a member of the other set
// and found apart. position maps an item to its place in date order.
bool anyApart(DisjointSets& sets, std::size_t rootA, std::size_t rootB, const ComparedPairs& pairs,
              const std::vector<std::size_t>& order, const std::vector<std::size_t>& position) {
    const auto smaller = sets.members(rootA).size() <= sets.members(rootB).size() ? rootA : rootB;
    const auto other = smaller == rootA ? rootB : rootA;
    for (const auto item : sets.members(smaller)) {
        const auto p = position[item];
        for (std::size_t q = p + 1; q <= p + pairs.comparedAfter(p); ++q) {
            if (pairs.apart(p, q) && sets.root(order[q]) == other) {
                return true;
            }
        }
        const auto first = p > pairs.longest() ? p - pairs.longest() : 0;
        for (std::size_t q = first; q < p; ++q) {
            if (pairs.apart(q, p) && sets.root(order[q]) == other) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::vector<std::vector<std::int64_t>> SimilarityGrouper::group(const std::vector<Date>& dates,
                                                                std::optional<double> window,
                                                                std::int64_t maxComparisonsPerItem,
                                                                float threshold,
                                                                const Distance& distance) {
    const auto order = dateOrder(dates);
    ComparedPairs pairs(order.size());
    std::vector<Link> links;
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
            const bool alike = measured && *measured <= threshold;
            pairs.add(p, !alike);
            if (alike) {
                links.push_back({*measured, p, q});
            }
        }
    }
    pairs.finish();

    // Closest pairs first; two sets join only when none of their compared
    // pairs is apart, so that a chain of look-alikes never joins two photos
    // that were found different.
    std::vector<std::size_t> position(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) {
        position[order[p]] = p;
    }
    std::sort(links.begin(), links.end());
    DisjointSets sets(dates.size());
    for (const auto& link : links) {
        const auto rootA = sets.root(order[link.earlier]);
        const auto rootB = sets.root(order[link.later]);
        if (rootA != rootB && !anyApart(sets, rootA, rootB, pairs, order, position)) {
            sets.link(rootA, rootB);
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
