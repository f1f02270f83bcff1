#pragma once

#include <optional>
#include <string>
#include <vector>

#include "TandorCore/FileIdentity.hpp"
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

    // For a commit that was cut short before it wrote down where an item went:
    // the path of the item this trasher took from originalPath, recognised by
    // its identity, or nothing when it cannot be found (by default, always).
    virtual std::optional<std::string> locate(const std::string& /*originalPath*/,
                                              const FileIdentity& /*identity*/) const {
        return std::nullopt;
    }

    // For a commit cut short before some items moved: removes anything the
    // trasher set aside for moves of these original paths that never happened.
    // Never throws; by default there is nothing to remove.
    virtual void release(const std::vector<std::string>& /*originalPaths*/) const {}
};

}  // namespace tandor
