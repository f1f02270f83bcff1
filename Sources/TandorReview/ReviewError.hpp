#pragma once

#include <stdexcept>
#include <string>

namespace tandor {

// Trashing or putting back was refused. Every case describes itself in one
// sentence (what()); all but systemTrashUnavailable carry the path concerned.
class ReviewError : public std::runtime_error {
  public:
    enum class Case {
        trashLocationUnknown,
        restoreTargetExists,
        trashedItemMissing,
        trashedItemReplaced,
        restoreLeavesHome,
        systemTrashUnavailable,
        protectedFromTrash,
        noTrashOnVolume,
    };

    // The item went to the Trash, but where is not known (the path given).
    static ReviewError trashLocationUnknown(std::string path);
    // Something exists at the record's original path.
    static ReviewError restoreTargetExists(std::string path);
    // Nothing is left at the record's path in the Trash.
    static ReviewError trashedItemMissing(std::string path);
    // Another file took the place of the item at the record's path in the
    // Trash.
    static ReviewError trashedItemReplaced(std::string path);
    // A folder on the way to the record's original path inside the home now
    // leads out of the home (the path).
    static ReviewError restoreLeavesHome(std::string path);
    static ReviewError systemTrashUnavailable();
    // The path is the home folder, the support folder, the Trash, something
    // inside the support folder or the Trash, or a folder that holds one of
    // them; moving it would wreck the Trash, the home or Tandor's stores.
    static ReviewError protectedFromTrash(std::string path);
    // The item lies on another disk whose own Trash cannot be used safely.
    static ReviewError noTrashOnVolume(std::string path);

    Case errorCase() const { return case_; }
    const std::string& path() const { return path_; }

    friend bool operator==(const ReviewError& a, const ReviewError& b) {
        return a.case_ == b.case_ && a.path_ == b.path_;
    }

  private:
    ReviewError(Case errorCase, std::string path, const std::string& sentence);

    Case case_;
    std::string path_;
};

}  // namespace tandor
