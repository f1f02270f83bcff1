#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/JSONStoreFile.hpp"
#include "TandorReview/HistoryRecord.hpp"
#include "TandorReview/HistorySessions.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// The log of everything moved to the Trash, stored as one JSON array in
// "history.json" in the support folder. Records are never removed; a put-back
// record stays with `restored` true.
//
// Every change is saved at once. A save first re-reads the file under the
// store's file lock and merges it by record id with this object's records (the
// file's order first, then records it lacks; `restored` once true stays true),
// so that two objects on one file never erase each other's records. A failed
// save is thrown, and the change stays in memory and goes out with the next save
// that succeeds. A file that cannot be read or decoded is never written over.
class CleanupHistory final {
  public:
    // The support folder's "history.json"; computed only.
    static std::string defaultURL();

    // Loads the file. A missing file is an empty history and creates nothing;
    // throws FileError when it cannot be read and DecodingError when it is not
    // an array of records.
    explicit CleanupHistory(std::string fileURL);
    CleanupHistory(const CleanupHistory&) = delete;
    CleanupHistory& operator=(const CleanupHistory&) = delete;

    const std::string& fileURL() const { return file_.path(); }
    std::vector<HistoryRecord> records() const;
    // The bytes of the records not put back.
    std::int64_t totalFreedBytes() const;

    // Appends in order and saves, also when records is empty.
    void append(const std::vector<HistoryRecord>& records);

    // Puts the record's item back at its original path, creating missing
    // folders, never replacing anything, and saves. An unknown id or a record
    // already restored changes nothing. Throws ReviewError::trashedItemMissing
    // when nothing is at the trashed path, or when that path lies in a Trash's
    // files/ folder and its info file is gone or describes another original
    // path (the slot went to another item), ReviewError::trashedItemReplaced
    // when the record keeps the item's identity and another file is there now,
    // ReviewError::restoreTargetExists when something is at the original path
    // (both tested without following a link), ReviewError::restoreLeavesHome
    // when the original path lies in the home and a folder on its way now
    // leads out of it, FileError when a folder or the move fails (the record is
    // unchanged), and the save's error (the item is back and marked restored in
    // memory).
    void restore(const UUID& id);

    // The records grouped into sessions: sorted by date (ties keep their order),
    // a record joining the session before it when it follows the session's
    // latest record by at most gap seconds; newest session first.
    static std::vector<HistorySession> sessions(std::vector<HistoryRecord> from, double gap);
    std::vector<HistorySession> sessions(double gap) const;

    // The record judged as given, not as this history holds it.
    RestoreStatus status(const HistoryRecord& record) const;

    // Restores each id in turn; unknown and restored ids are skipped, failures
    // are kept with their message. An item that came back counts as restored
    // even when the save after it failed; the save's error is the result's
    // saveError. Never throws.
    RestoreResult restoreAll(const std::vector<UUID>& ids);

  private:
    // The record with the id that is not put back yet, or null. Lock held by
    // the caller.
    HistoryRecord* awayRecord(const UUID& id);
    // Moves the record's item back and marks it restored, or throws as restore
    // does with nothing changed. Lock held by the caller; saves nothing.
    void putBack(HistoryRecord& record);
    // Lock held by the caller.
    void save();

    JSONStoreFile file_;
    mutable std::mutex mutex_;
    std::vector<HistoryRecord> records_;
};

}  // namespace tandor
