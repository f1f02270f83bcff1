#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorReview/HistoryRecord.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// Records trashed close together: one cleanup as the user sees it.
struct HistorySession {
    // Oldest first; never empty.
    std::vector<HistoryRecord> records;

    // The first record's id and date.
    UUID id() const { return records.front().id; }
    Date date() const { return records.front().date; }
    // The bytes of the records not put back.
    std::int64_t movedBytes() const;
    std::size_t restoredCount() const;
    std::int64_t totalBytes() const;
};

// Whether a record's item can be put back now, judged in the order restore
// checks: already restored, gone from the Trash, place taken, else restorable.
enum class RestoreStatus { restorable, restored, missingFromTrash, originalPathTaken };

// The outcome of putting back several records; one failure never stops the rest.
struct RestoreResult {
    struct Failure {
        HistoryRecord record;
        std::string error;
    };

    // As each record was found before its restore, in the order of the ids given.
    std::vector<HistoryRecord> restored;
    std::vector<Failure> failed;
    // Why the history could not be saved after items had come back. They are
    // back all the same and marked in memory; the next save that succeeds
    // writes them.
    std::optional<std::string> saveError;

    std::int64_t restoredBytes() const;
};

}  // namespace tandor
