#pragma once

#include <stdexcept>
#include <string>

namespace tandor {

// A move, or the putting back of one, was refused. Every case carries the path
// concerned and describes itself in one sentence (what()); notRecorded also
// carries why.
class MoveError : public std::runtime_error {
  public:
    enum class Case {
        sourceMissing,
        alreadyThere,
        intoItself,
        movedItemMissing,
        originalPathTaken,
        folderNotRegistered,
        targetNotAFolder,
        movedItemChanged,
        notRecorded,
    };

    // Nothing exists at the source path.
    static MoveError sourceMissing(std::string path);
    // The source already lies directly in the destination folder.
    static MoveError alreadyThere(std::string path);
    // The destination is the source itself or lies inside it.
    static MoveError intoItself(std::string path);
    // The moved item is no longer at its moved path (the path carried).
    static MoveError movedItemMissing(std::string path);
    // Something exists at the original path (the path carried).
    static MoveError originalPathTaken(std::string path);
    // The sorting folder chosen for the item at path is not registered; the item
    // itself is still where it was.
    static MoveError folderNotRegistered(std::string path);
    // Files were to move on to path, and no folder is there.
    static MoveError targetNotAFolder(std::string path);
    // Another item than the one moved is at the moved path (the path carried).
    static MoveError movedItemChanged(std::string path);
    // The item at path was not moved because its move could not be recorded
    // first, for reason (the save's error).
    static MoveError notRecorded(std::string path, std::string reason);

    Case errorCase() const { return case_; }
    const std::string& path() const { return path_; }
    // Why, for notRecorded; empty for the other cases.
    const std::string& reason() const { return reason_; }

    friend bool operator==(const MoveError& a, const MoveError& b) {
        return a.case_ == b.case_ && a.path_ == b.path_ && a.reason_ == b.reason_;
    }

  private:
    MoveError(Case errorCase, std::string path, const std::string& sentence);

    Case case_;
    std::string path_;
    std::string reason_;
};

}  // namespace tandor
