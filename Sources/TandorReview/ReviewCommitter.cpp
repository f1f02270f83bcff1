#include "TandorReview/ReviewCommitter.hpp"

#include <algorithm>
#include <cerrno>
#include <span>
#include <unordered_set>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorReview/MoveError.hpp"
#include "TandorReview/ReviewError.hpp"

namespace tandor {
namespace {

// Entries whose records share one sync of the journal: large enough that the
// sync costs little per item, small enough that few items wait for it.
constexpr std::size_t batchSize = 64;

std::vector<HistoryJournal::Planned> planned(std::span<const ReviewPile::Entry> entries, Date now) {
    std::vector<HistoryJournal::Planned> batch;
    batch.reserve(entries.size());
    for (const auto& entry : entries) {
        HistoryRecord record(entry.path, "", entry.bytes, entry.ruleID, now);
        // A move within one disk keeps the identity, so a record recovered
        // from its planned line knows its item too.
        record.identity = FileIdentity::of(entry.path);
        batch.push_back({record, record.identity});
    }
    return batch;
}

std::unordered_set<std::string> originalPaths(const std::vector<HistoryRecord>& records) {
    std::unordered_set<std::string> paths;
    for (const auto& record : records) {
        paths.insert(record.originalPath);
    }
    return paths;
}

CommitResult::Failure::Reason reasonOf(int errorNumber) {
    using enum CommitResult::Failure::Reason;
    switch (errorNumber) {
        case ENOENT:
        case ENOTDIR:
            return gone;
        case EBUSY:
        case ETXTBSY:
            return inUse;
        case EACCES:
        case EPERM:
        case EROFS:
            return noPermission;
        case ENOSPC:
        case EDQUOT:
            return noSpace;
        default:
            return other;
    }
}

CommitResult::Failure::Reason reasonOf(const std::exception& error) {
    using enum CommitResult::Failure::Reason;
    if (const auto* fileError = dynamic_cast<const FileError*>(&error)) {
        return reasonOf(fileError->errorNumber());
    }
    if (const auto* reviewError = dynamic_cast<const ReviewError*>(&error)) {
        switch (reviewError->errorCase()) {
            case ReviewError::Case::protectedFromTrash:
                return protectedPlace;
            case ReviewError::Case::noTrashOnVolume:
                return noTrash;
            default:
                return other;
        }
    }
    if (const auto* moveError = dynamic_cast<const MoveError*>(&error)) {
        return moveError->errorCase() == MoveError::Case::sourceMissing ? gone : other;
    }
    return other;
}

}  // namespace

std::int64_t CommitResult::freedBytes() const {
    std::int64_t total = 0;
    for (const auto& record : moved) {
        total = saturatingAdd(total, record.bytes);
    }
    return total;
}

ReviewCommitter::ReviewCommitter(std::shared_ptr<const Trasher> trasher,
                                 std::shared_ptr<CleanupHistory> history, Clock now)
    : trasher_(std::move(trasher)), history_(std::move(history)), now_(std::move(now)) {
}

CommitResult ReviewCommitter::commit(ReviewPile& pile) const {
    CommitResult result;
    std::optional<HistoryJournal> journal;
    std::optional<std::string> journalError;
    try {
        journal.emplace(*history_, *trasher_);
    } catch (const std::exception& error) {
        journalError = error.what();
    }
    const std::vector<ReviewPile::Entry> entries = pile.entries();
    for (std::size_t start = 0; start < entries.size(); start += batchSize) {
        const auto batch =
            std::span(entries).subspan(start, std::min(batchSize, entries.size() - start));
        std::vector<HistoryJournal::Planned> records = planned(batch, now_());
        if (!journalError) {
            try {
                journal->plan(records);
            } catch (const std::exception& error) {
                journalError = error.what();
            }
        }
        for (std::size_t i = 0; i < batch.size(); ++i) {
            if (journalError) {
                result.failed.push_back(
                    {batch[i].path, *journalError, CommitResult::Failure::Reason::notRecorded});
            } else {
                move(batch[i], std::move(records[i].record), *journal, result);
            }
        }
    }
    pile.removeAll(originalPaths(result.moved));
    save(journal ? &*journal : nullptr, result);
    return result;
}

void ReviewCommitter::save(HistoryJournal* journal, CommitResult& result) const {
    std::vector<HistoryRecord> records =
        journal ? journal->earlierRecords() : std::vector<HistoryRecord>{};
    records.insert(records.end(), result.moved.begin(), result.moved.end());
    try {
        history_->append(records);
        if (journal) {
            journal->remove();
        }
    } catch (const std::exception& error) {
        result.saveError = error.what();
    }
}

void ReviewCommitter::move(const ReviewPile::Entry& entry, HistoryRecord record,
                           HistoryJournal& journal, CommitResult& result) const {
    MoveOutcome outcome;
    try {
        outcome = trasher_->trash(entry.path);
    } catch (const std::exception& error) {
        result.failed.push_back({entry.path, error.what(), reasonOf(error)});
        return;
    }
    record.trashedPath = std::move(outcome.path);
    // A move across disks copies, and the copy is the item from now on.
    record.identity = FileIdentity::of(record.trashedPath);
    record.date = now_();
    try {
        journal.noteMoved(record);
    } catch (const FileError&) {
        // The planned line is on the disk; a recovery finds the item by its
        // identity without this one.
    }
    if (outcome.isPartial()) {
        result.partiallyMoved.push_back({entry.path, std::move(outcome.leftBehind)});
    }
    result.moved.push_back(std::move(record));
}

}  // namespace tandor
