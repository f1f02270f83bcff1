#pragma once

#include <string>

#include "TandorReview/Trasher.hpp"

namespace tandor {

// Moves items into a folder of the caller's choice instead of the Trash, each
// under "<random UUID>-<name>" so that two items of one name never meet.
class QuarantineTrasher final : public Trasher {
  public:
    // Touches nothing on disk; the folder is created on first use.
    explicit QuarantineTrasher(std::string folder) : folder_(std::move(folder)) {}

    const std::string& folder() const { return folder_; }

    // Creates the folder (FileError when it cannot), then moves the item in
    // without replacing anything (FileError when the move fails; the folder
    // stays) and returns FileMover::moveItem's outcome, partial when part of an
    // item on another file system stayed where it was.
    MoveOutcome trash(const std::string& path) const override;

    // Each item's noted path when it names an entry right inside the folder
    // that has the item's identity; nothing is looked for by identity alone.
    std::vector<std::optional<std::string>> locate(const std::vector<Sought>& items) const override;

  private:
    std::string folder_;
};

}  // namespace tandor
