#include "Duplicates/PhotoIDs.hpp"

namespace tandor {

int PhotoIDs::idOf(const std::string& path) {
    const std::lock_guard lock(mutex_);
    const auto [found, added] = ids_.try_emplace(path, static_cast<int>(paths_.size()));
    if (added) {
        paths_.push_back(path);
    }
    return found->second;
}

std::optional<std::string> PhotoIDs::pathOf(int id) const {
    const std::lock_guard lock(mutex_);
    if (id < 0 || static_cast<std::size_t>(id) >= paths_.size()) {
        return std::nullopt;
    }
    return paths_[static_cast<std::size_t>(id)];
}

}  // namespace tandor
