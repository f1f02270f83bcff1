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

    // An item a commit that was cut short had planned to move: where it was,
    // which file it was, and where the commit wrote down that it went (empty
    // when that line was lost).
    struct Sought {
        std::string originalPath;
        FileIdentity identity;
        std::string notedPath;
    };

    // For a commit that was cut short: where this trasher holds each sought
    // item, in order, or nothing for one it does not hold. A noted path counts
    // only when it lies in the trasher's keeping and holds that very file;
    // otherwise the item is looked for by its identity. By default nothing is
    // found.
    virtual std::vector<std::optional<std::string>> locate(const std::vector<Sought>& items) const {
        return std::vector<std::optional<std::string>>(items.size());
    }

    // For a commit cut short before some items moved: removes anything the
    // trasher set aside for moves of these original paths that never happened.
    // Never throws; by default there is nothing to remove.
    virtual void release(const std::vector<std::string>& /*originalPaths*/) const {}
};

}  // namespace tandor
