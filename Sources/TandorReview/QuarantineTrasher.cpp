#include "TandorReview/QuarantineTrasher.hpp"

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

MoveOutcome QuarantineTrasher::trash(const std::string& path) const {
    createFolders(folder_);
    const std::string destination =
        paths::join(folder_, UUID::random().string() + "-" + paths::lastComponent(path));
    return FileMover::moveItem(path, destination);
}

std::vector<std::optional<std::string>> QuarantineTrasher::locate(
    const std::vector<Sought>& items) const {
    std::vector<std::optional<std::string>> places;
    places.reserve(items.size());
    for (const auto& item : items) {
        const bool holds = paths::isEntryOf(item.notedPath, folder_) &&
                           FileIdentity::of(item.notedPath) == item.identity;
        places.push_back(holds ? std::optional(item.notedPath) : std::nullopt);
    }
    return places;
}

}  // namespace tandor
