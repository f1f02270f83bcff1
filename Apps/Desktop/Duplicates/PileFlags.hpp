#pragma once

#include <string>
#include <unordered_set>

#include "TandorReview/ReviewPile.hpp"

namespace tandor {

// The exact paths on the pile, rebuilt once per change of the pile, so that
// every flag of a long list is a constant-time look-up.
class PileFlags {
  public:
    void rebuild(const ReviewPile& pile) {
        paths_.clear();
        for (const auto& entry : pile.entries()) {
            paths_.insert(entry.path);
        }
    }
    bool contains(const std::string& path) const { return paths_.contains(path); }

  private:
    std::unordered_set<std::string> paths_;
};

}  // namespace tandor
