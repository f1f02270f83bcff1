#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Duplicates/PileFlags.hpp"
#include "TandorDuplicates/DuplicateGroup.hpp"
#include "TandorDuplicates/SimilarPhotoGroup.hpp"

namespace tandor {

class ScanModel;

// The one road from the Duplicates tab to the review pile. Two guards hold:
// the copy (or shot) a group keeps never goes onto the pile, and neither does
// the last copy of a group that would still stay. A file counts as leaving
// when the pile covers it, by its own entry or by a folder that holds it, so
// no folder on the pile lets the last copy slip through; a file a commit
// already moved counts as gone. Main thread only.
namespace DuplicatePile {

// Puts file on the pile, or returns the localized reason why it stays. The
// pile itself may still refuse it silently (a folder on the pile holds it).
std::optional<QString> add(const DuplicateFile& file, const DuplicateGroup& group, ScanModel& scan);
std::optional<QString> add(const SimilarPhoto& photo, const SimilarPhotoGroup& group,
                           ScanModel& scan);
// Takes file off the pile when it has its own entry there (ownEntries), else
// puts it on as add() does and returns the same refusal.
std::optional<QString> toggle(const DuplicateFile& file, const DuplicateGroup& group,
                              const PileFlags& ownEntries, ScanModel& scan);
std::optional<QString> toggle(const SimilarPhoto& photo, const SimilarPhotoGroup& group,
                              const PileFlags& ownEntries, ScanModel& scan);
// Adds every extra copy (every shot but the best) of the groups not yet on
// the pile, as far as the guards allow, as one change of the pile. Returns
// the first refusal when nothing could be added because of one.
std::optional<QString> addExtraCopies(const std::vector<DuplicateGroup>& groups, ScanModel& scan);
std::optional<QString> addOthers(const std::vector<SimilarPhotoGroup>& groups, ScanModel& scan);
// Why the file at path cannot become the one that stays: a folder on the pile
// holds it, so it would leave with that folder whatever is kept.
std::optional<QString> keepRefusal(const std::string& path, const ScanModel& scan);

}  // namespace DuplicatePile
}  // namespace tandor
