#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "TandorDuplicates/DuplicateFile.hpp"

namespace tandor {

// Chooses which of several identical copies stays: penalty points for signs
// that a copy is the less wanted one, then the oldest date, the shallowest
// path and the path text. Reads only the paths and dates; pure.
//
// downloadsFolders are the user's Downloads folders (absolute, normalised),
// which may have a localised name; a path with "/Downloads/" in it counts as
// in Downloads whatever they hold.
class KeeperPolicy {
  public:
    using DownloadsFolders = std::span<const std::string>;

    struct Factor {
        std::int64_t weight;
        std::string reason;  // the keeper reason when this factor decides
        std::function<bool(std::string_view path, DownloadsFolders downloadsFolders)> matches;
    };

    // The penalty rules, in the order that decides which reason is given:
    // temporary folders (4), Downloads (2), a name like a copy's (1).
    static const std::vector<Factor>& factors();

    // True when a file name (not a whole path), without its last extension and
    // lowercased, ends like a copy's: " copy", " copy 2", " (1)", "-copy",
    // "_copy", " kopie", " copia", " copia 3".
    static bool looksLikeCopy(std::string_view name);

    // The sum of the weights of the factors that match path; 0 to 7.
    static std::int64_t penalty(std::string_view path, DownloadsFolders downloadsFolders);

    // The files, best keeper first: smaller penalty, then earlier date (a
    // missing date counts as the latest), then fewer path components, then the
    // smaller path in byte order. Stable: equal files keep their order.
    static std::vector<DuplicateFile> rank(std::vector<DuplicateFile> files,
                                           DownloadsFolders downloadsFolders);
};

}  // namespace tandor
