#include "TandorDuplicates/SharedExtent.hpp"

#include <algorithm>
#include <limits>

#include "TandorCore/CheckedMath.hpp"

namespace tandor {
namespace {

// The bytes of [start, end) inside the sorted, merged runs of covered.
std::uint64_t coveredBytes(std::uint64_t start, std::uint64_t end,
                           const std::vector<SharedExtent>& covered) {
    std::uint64_t total = 0;
    auto run = std::ranges::upper_bound(covered, start, {}, [](const SharedExtent& extent) {
        return extent.physical + extent.length;
    });
    for (; run != covered.end() && run->physical < end; ++run) {
        const auto from = std::max(start, run->physical);
        const auto to = std::min(end, run->physical + run->length);
        if (to > from) {
            total += to - from;
        }
    }
    return total;
}

}  // namespace

std::int64_t bytesNotCoveredBy(const std::vector<SharedExtent>& extents,
                               std::vector<SharedExtent> others) {
    std::ranges::sort(others, {}, &SharedExtent::physical);
    std::vector<SharedExtent> merged;
    for (const auto& extent : others) {
        if (!merged.empty() && extent.physical <= merged.back().physical + merged.back().length) {
            auto& last = merged.back();
            last.length = std::max(last.physical + last.length, extent.physical + extent.length) -
                          last.physical;
        } else {
            merged.push_back(extent);
        }
    }
    std::int64_t total = 0;
    for (const auto& extent : extents) {
        const auto end = extent.physical + extent.length;
        const auto outside = extent.length - coveredBytes(extent.physical, end, merged);
        total = saturatingAdd(
            total,
            static_cast<std::int64_t>(std::min<std::uint64_t>(
                outside, static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))));
    }
    return total;
}

}  // namespace tandor
