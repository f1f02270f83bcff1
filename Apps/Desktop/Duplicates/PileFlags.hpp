#pragma once

#include <QVariantList>
#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "TandorReview/ReviewPile.hpp"

namespace tandor {

// The exact paths on the pile, taken once per change of the pile, so that
// every flag of a long list is a constant-time look-up.
class PileFlags {
  public:
    // Takes the pile's paths and returns those that came or went since the
    // last update, so that a list redraws only the rows they touch.
    std::vector<std::string> update(const ReviewPile& pile);
    bool contains(const std::string& path) const { return paths_.contains(path); }

    // One flag per item (anything with a path), in order: the item has its
    // own pile entry.
    template <typename Items>
    QVariantList flagsOf(const Items& items) const {
        QVariantList flags;
        flags.reserve(static_cast<qsizetype>(items.size()));
        for (const auto& item : items) {
            flags.append(contains(item.path));
        }
        return flags;
    }

    // Whether every item but the one at kept has its own pile entry.
    template <typename Items>
    bool containsAllBut(const Items& items, const std::string& kept) const {
        return std::all_of(items.begin(), items.end(), [&](const auto& item) {
            return item.path == kept || contains(item.path);
        });
    }

  private:
    std::unordered_set<std::string> paths_;
};

}  // namespace tandor
