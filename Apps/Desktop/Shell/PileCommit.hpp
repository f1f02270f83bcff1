#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TandorCore/Suggestion.hpp"
#include "TandorReview/ReviewCommitter.hpp"

namespace tandor {

// The pure steps of ScanModel::commitPile: pruning the
// suggestions and composing the message.
namespace PileCommit {

// The suggestions without every item that was moved: an item whose path
// equals a moved path or lies inside a moved folder ("/" boundary, bytes
// compared as they are). A suggestion left with no items is dropped; the
// others keep their order and their evidence.
std::vector<Suggestion> pruned(const std::vector<Suggestion>& suggestions,
                               const std::set<std::string>& movedPaths);

// True when path equals one of the moved paths or lies inside one of them.
bool isCovered(const std::string& path, const std::set<std::string>& movedPaths);

// "Moved %lld items (%@) to the Trash. Empty the Trash to get the space back.",
// then " %lld could not be moved and stay in the pile." when some failed, then
// " Could not update the cleanup history: %@" when the history was not saved;
// each sentence in the current language.
QString message(std::int64_t movedCount, std::int64_t freedBytes, std::int64_t failedCount,
                const std::optional<std::string>& historySaveError);

// "Could not update the cleanup history: %@" in the current language.
QString historyFailure(const std::string& error);

// Why a failed entry stayed on the pile, in one short sentence of the current
// language. A failure of no known kind shows the engine's own sentence, with
// the entry's path in it shown from its bytes.
QString failureReason(const CommitResult::Failure& failure);

}  // namespace PileCommit
}  // namespace tandor
