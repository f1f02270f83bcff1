#pragma once

#include <string>
#include <vector>

namespace tandor {

// Where a moved item went, and what of it stayed behind. A move across file
// systems copies and then removes only what it copied unchanged, so an entry
// written or changed meanwhile stays at its old place and is listed here.
struct MoveOutcome {
    std::string path;
    std::vector<std::string> leftBehind;

    bool isPartial() const { return !leftBehind.empty(); }
};

}  // namespace tandor
