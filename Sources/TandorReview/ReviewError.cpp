#include "TandorReview/ReviewError.hpp"

namespace tandor {

ReviewError::ReviewError(Case errorCase, std::string path, const std::string& sentence)
    : std::runtime_error(sentence), case_(errorCase), path_(std::move(path)) {
}

ReviewError ReviewError::trashLocationUnknown(std::string path) {
    const std::string sentence =
        "Moved " + path + " to the Trash, but the system did not say where.";
    return {Case::trashLocationUnknown, std::move(path), sentence};
}

ReviewError ReviewError::restoreTargetExists(std::string path) {
    const std::string sentence = "Cannot restore: something already exists at " + path + ".";
    return {Case::restoreTargetExists, std::move(path), sentence};
}

ReviewError ReviewError::trashedItemMissing(std::string path) {
    const std::string sentence =
        "Cannot restore: the item is no longer in the Trash (" + path + ").";
    return {Case::trashedItemMissing, std::move(path), sentence};
}

ReviewError ReviewError::trashedItemReplaced(std::string path) {
    const std::string sentence =
        "Cannot restore: another file took the place of the item in the "
        "Trash (" +
        path + ").";
    return {Case::trashedItemReplaced, std::move(path), sentence};
}

ReviewError ReviewError::restoreLeavesHome(std::string path) {
    const std::string sentence =
        "Cannot restore to " + path + ": a folder on the way now leads outside the home folder.";
    return {Case::restoreLeavesHome, std::move(path), sentence};
}

ReviewError ReviewError::systemTrashUnavailable() {
    return {Case::systemTrashUnavailable, "",
            "The system Trash is not available on this platform."};
}

ReviewError ReviewError::protectedFromTrash(std::string path) {
    const std::string sentence = "Cannot move " + path +
                                 " to the Trash: it is the home folder, Tandor's data folder, "
                                 "the Trash itself, something inside the data folder or the "
                                 "Trash, or a folder that holds one of them.";
    return {Case::protectedFromTrash, std::move(path), sentence};
}

ReviewError ReviewError::noTrashOnVolume(std::string path) {
    const std::string sentence = "Cannot move " + path +
                                 " to the Trash: its disk has no Trash folder that can be "
                                 "used safely.";
    return {Case::noTrashOnVolume, std::move(path), sentence};
}

}  // namespace tandor
