#include "Duplicates/PileFlags.hpp"

#include <utility>

namespace tandor {

std::vector<std::string> PileFlags::update(const ReviewPile& pile) {
    std::unordered_set<std::string> paths;
    paths.reserve(pile.count());
    for (const auto& entry : pile.entries()) {
        paths.insert(entry.path);
    }
    std::vector<std::string> changed;
    for (const auto& path : paths) {
        if (!paths_.contains(path)) {
            changed.push_back(path);
        }
    }
    for (const auto& path : paths_) {
        if (!paths.contains(path)) {
            changed.push_back(path);
        }
    }
    paths_ = std::move(paths);
    return changed;
}

}  // namespace tandor
