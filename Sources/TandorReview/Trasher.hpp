#pragma once

#include <string>

#include "TandorReview/MoveOutcome.hpp"

namespace tandor {

// Takes one file or folder (a folder as a whole) out of the user's way and says
// where it went. The returned absolute path is the only record of the item's new
// place; it need not end in the item's old name. Throws when the item could not
// be moved, and the item then stays where it was. Implementations hold no
// mutable state and may be called from any thread. An item moved across file
// systems may come out partial: what stayed behind is listed in the outcome.
class Trasher {
  public:
    virtual ~Trasher() = default;
    virtual MoveOutcome trash(const std::string& path) const = 0;
};

}  // namespace tandor
