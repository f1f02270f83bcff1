#include "TandorReview/MoveError.hpp"

namespace tandor {

MoveError::MoveError(Case errorCase, std::string path, const std::string& sentence)
    : std::runtime_error(sentence), case_(errorCase), path_(std::move(path)) {
}

MoveError MoveError::sourceMissing(std::string path) {
    const std::string sentence = "Cannot move: " + path + " is no longer there.";
    return {Case::sourceMissing, std::move(path), sentence};
}

MoveError MoveError::alreadyThere(std::string path) {
    const std::string sentence = path + " is already in that folder.";
    return {Case::alreadyThere, std::move(path), sentence};
}

MoveError MoveError::intoItself(std::string path) {
    const std::string sentence = "Cannot move a folder into itself (" + path + ").";
    return {Case::intoItself, std::move(path), sentence};
}

MoveError MoveError::movedItemMissing(std::string path) {
    const std::string sentence = "Cannot put back: the file is no longer at " + path + ".";
    return {Case::movedItemMissing, std::move(path), sentence};
}

MoveError MoveError::originalPathTaken(std::string path) {
    const std::string sentence =
        "Cannot put back: something new is at " + path + ". Tandor never overwrites files.";
    return {Case::originalPathTaken, std::move(path), sentence};
}

MoveError MoveError::folderNotRegistered(std::string path) {
    const std::string sentence =
        "Cannot move " + path + ": that sorting folder is no longer registered.";
    return {Case::folderNotRegistered, std::move(path), sentence};
}

MoveError MoveError::targetNotAFolder(std::string path) {
    const std::string sentence = "Cannot move files on to " + path + ": there is no folder there.";
    return {Case::targetNotAFolder, std::move(path), sentence};
}

MoveError MoveError::movedItemChanged(std::string path) {
    const std::string sentence =
        "Cannot put back: the item at " + path + " is no longer the one moved there.";
    return {Case::movedItemChanged, std::move(path), sentence};
}

MoveError MoveError::notRecorded(std::string path, std::string reason) {
    const std::string sentence =
        "Did not move " + path + ": the move could not be recorded first (" + reason + ").";
    MoveError error(Case::notRecorded, std::move(path), sentence);
    error.reason_ = std::move(reason);
    return error;
}

}  // namespace tandor
