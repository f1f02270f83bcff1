#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/FileIdentity.hpp"
#include "TandorCore/StoreLock.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryRecord.hpp"
#include "TandorReview/Trasher.hpp"

namespace tandor {

// A commit's records written down before its items move, so that a commit cut
// short (killed, a power cut, a history that could not be saved) loses none.
// The file lies beside the history file ("history.journal" for
// "history.json") and holds one JSON object a line:
//
//   {"step": "planned", "record": {...}, "device": 2049, "inode": 131}
//   {"step": "moved", "id": "...", "trashedPath": "...", "date": "..."}
//
// A planned line holds the record as the history stores it, its trashed path
// still empty, and the item's identity when it was there; it is on the disk
// before the item moves. A moved line follows each move, unsynced: without it
// the item is found again by its identity. A commit holds the journal's lock
// (a StoreLock on the journal) from its start to its end, so another process
// can tell a live commit from one that was cut short.
class HistoryJournal {
  public:
    // One entry about to move: its record and the identity of its item.
    struct Planned {
        HistoryRecord record;
        std::optional<FileIdentity> identity;
    };

    // The journal beside the history file at historyPath; computed only.
    static std::string pathFor(const std::string& historyPath);

    // Opens the journal of the history for one commit, creating it, and holds
    // its lock for the object's lifetime, waiting while another commit holds
    // it. Lines an earlier commit left stay in the file (a torn last line is
    // cut off) and are recovered at once, as recover() does, into
    // earlierRecords(). Throws FileError.
    HistoryJournal(const CleanupHistory& history, const Trasher& trasher);
    HistoryJournal(const HistoryJournal&) = delete;
    HistoryJournal& operator=(const HistoryJournal&) = delete;

    // The records of the lines an earlier commit left; they belong in the
    // history before this journal may go.
    const std::vector<HistoryRecord>& earlierRecords() const { return earlier_; }

    // Writes one planned line per entry and syncs them to the disk. Throws
    // FileError; the file is then cut back to what it held before.
    void plan(const std::vector<Planned>& entries);

    // Appends the moved line of a record whose item has moved. Throws
    // FileError; the file is then cut back to what it held before.
    void noteMoved(const HistoryRecord& record);

    // Removes the journal once the history holds all its records. A journal
    // that cannot be removed is merged again at the next start, which adds
    // nothing, so a failure is ignored.
    void remove();

    // Recovers the journal of the history file at historyPath when no live
    // commit holds it. A planned line whose item is gone from its place gives
    // its record when the trasher confirms that the path of its moved line
    // holds that item, or else locates the item by its identity, unless a
    // record holds that place already; otherwise the trasher releases what it
    // reserved for the item. The trasher is asked once for all the lines, so
    // that it can read its folders once. Torn lines are skipped. The records are merged into the
    // history (which saves) and the journal is removed. Does nothing, and reads
    // no history, when there is no journal or a live commit holds it. Throws
    // the history's errors or FileError, and the journal then stays for the
    // next try.
    static void recover(const std::string& historyPath, const Trasher& trasher);

  private:
    // Appends whole lines, synced to the disk when asked; cuts the file back
    // on failure. Throws FileError, and after a failed cut every later append
    // throws the same.
    void append(const std::string& lines, bool sync);

    std::string path_;
    StoreLock lock_;
    FileDescriptor fd_;
    // The bytes of whole lines in the file.
    off_t size_ = 0;
    std::vector<HistoryRecord> earlier_;
    std::optional<FileError> broken_;
};

}  // namespace tandor
