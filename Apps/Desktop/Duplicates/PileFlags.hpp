#pragma once

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

  private:
    std::unordered_set<std::string> paths_;
};

}  // namespace tandor
