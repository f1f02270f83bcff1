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

}  // namespace tandor
