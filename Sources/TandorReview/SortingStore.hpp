#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorReview/MoveRecord.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorReview/SortingFolder.hpp"
#include "TandorReview/StoreChanges.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// The sorting folders, the log of every move into them and the recently used
// destinations, in "sorting.json" ({"folders", "moves", "recent"}, and
// "planned" while moves are planned). A move is saved as lines of
// "sorting.journal" beside it, folded into "sorting.json" by the next other
// change or once the journal has grown long (see StoreJournal).
//
// Each move is written ahead: its record, with the identity of the item at its
// original place, is planned and synced to the disk before the item moves,
// and confirmed once it has moved. A move that cannot be planned (a full disk)
// does not happen. A plan left unconfirmed (the process was killed, or the
// confirmation could not be saved) is settled by the next load from what the
// disk holds: the item found at its moved path gets its record, else the plan
// is dropped.
//
// One lock guards the state and every save; reads copy under it. Every change is
// saved at once; a failed save throws and the change stays in memory, to be
// written by the next save that succeeds. File moves and existence tests (lstat)
// run outside the lock. The store never puts anything on the pile itself.
class SortingStore final {
  public:
    static constexpr std::size_t recentLimit = 6;

    struct Failure {
        std::string path;
        std::string error;

        friend bool operator==(const Failure&, const Failure&) = default;
    };

    // A move that happened. When "sorting.json" could not be saved after it,
    // saveError says why; the record stays in memory and is written by the
    // next save that succeeds.
    struct MoveResult {
        MoveRecord record;
        std::optional<std::string> saveError;
    };

    // A put back that happened: what stayed at the moved place (see undo), and
    // why "sorting.json" could not be saved afterwards, if it could not.
    struct UndoResult {
        std::vector<std::string> leftBehind;
        std::optional<std::string> saveError;
    };

    struct FinishResult {
        // Files moved on by a moveTo fate, in the order they moved. A record's
        // leftBehind lists what of it stayed in the sorting folder.
        std::vector<MoveRecord> moved;
        // Entries offered by a pileAfter fate, for the caller to add to the pile.
        std::vector<ReviewPile::Entry> forPile;
        // Files that could not be moved on: their path in the sorting folder.
        std::vector<Failure> failed;
        // Why "sorting.json" could not be saved after files had moved. The
        // moves above happened all the same; their records stay in memory and
        // are written by the next save that succeeds.
        std::optional<std::string> saveError;
        // Why moving on stopped: a move could not be planned (the save's error).
        std::optional<std::string> recordError;
    };

    // "sorting.json" beside the cleanup history's default file.
    static std::string defaultURL();
    // home/Tandor: where temporary sorting folders are created.
    static std::string defaultBase(std::string_view home);
    // Throws MoveError::intoItself when target (cleaned) is folder's own path or
    // lies inside it, and MoveError::targetNotAFolder when no folder is at
    // target (lstat: a link is not a folder). Files never move on into a place
    // that would take the folder with them or that is not there.
    static void checkMoveOnTarget(const SortingFolder& folder, const std::string& target);

    // Loads the file, or starts empty when there is none, and settles the
    // moves planned and never confirmed and a journal with lines that do not
    // decode (saving that, or leaving it for the next save when it cannot be
    // saved). Throws FileError or DecodingError when the file cannot be read
    // or decoded.
    explicit SortingStore(std::string fileURL);

    const std::string& fileURL() const { return file_.path(); }

    std::vector<SortingFolder> folders() const;
    std::vector<MoveRecord> moves() const;
    // Most recently used first, at most recentLimit, no duplicates.
    std::vector<std::string> recentDestinations() const;
    std::optional<SortingFolder> folder(const UUID& id) const;
    // The moves into the folder that are not undone and whose item is still at
    // its moved path.
    std::vector<MoveRecord> items(const UUID& folderID) const;
    // The pileAfter folders that are due at now, in folder order.
    std::vector<SortingFolder> dueFolders(Date now) const;

    // Registers an existing folder by its cleaned path (keep fate), or returns the
    // folder already registered at that path without saving.
    SortingFolder addFolder(std::string_view path, Date now);
    // Creates a new folder under base, named after a safe form of name (with a
    // free-name suffix when taken), and registers it. Throws FileError when a
    // folder cannot be created; nothing is registered then.
    SortingFolder createTemporaryFolder(std::string_view name, SortingFate fate,
                                        std::string_view base, Date now);
    // An unknown id changes nothing, but the file is still written.
    void setFate(const SortingFate& fate, const UUID& id);
    // Removes the entry; the folder, its files and the move log stay.
    void forget(const UUID& id);

    // Moves the item into the registered folder and records it. Throws
    // MoveError::folderNotRegistered (nothing moves) when no folder has the id,
    // else as the move below.
    MoveResult move(const std::string& path, std::int64_t bytes, const UUID& folderID, Date now);
    // Moves the item into any folder without overwriting, records the move
    // (original path cleaned, the one the move acted on; the identity of the
    // item at the moved path) and puts the folder first in the recent list. A
    // move across file systems that left part of the item at its old place is
    // recorded all the same, with what stayed in leftBehind. Throws MoveError
    // and FileError from the move, and MoveError::notRecorded when the move
    // cannot be planned, with nothing moved or recorded. Once the item has
    // moved, a failed save is the result's saveError, never thrown.
    MoveResult move(const std::string& path, std::int64_t bytes, const std::string& toPath,
                    std::optional<UUID> folderID, Date now);
    // Puts a recorded item back and returns what of it stayed at the moved
    // place, when a move back across file systems could not take all of it; the
    // record is marked undone all the same. Unknown or undone records change
    // nothing and return an empty result. Throws MoveError::movedItemMissing,
    // MoveError::movedItemChanged (the record's identity is not the item's at
    // the moved path; records without one move what is there),
    // MoveError::originalPathTaken (checked in that order) or FileError, with
    // nothing moved. Once the item is back, a failed save is the result's
    // saveError, never thrown.
    UndoResult undo(const UUID& id);
    // Applies the folder's fate; per-file failures go to the result. Once a
    // move cannot be planned, the files left fail with it unmoved. The entry is
    // removed only when nothing failed, so finishing again retries the rest.
    // A moveTo fate's target is checked first (checkMoveOnTarget): an unusable
    // one throws its MoveError and nothing moves. Nothing else throws.
    FinishResult finish(const UUID& id, Date now);

  private:
    // A move written down before it happens: its record, whose identity is the
    // item's at its original place, and the folder it goes into (cleaned).
    struct Planned {
        MoveRecord record;
        std::string destination;
    };

    struct Saved {
        std::vector<SortingFolder> folders;
        std::vector<MoveRecord> moves;
        std::vector<std::string> recent;
        std::vector<Planned> planned;
    };

    static Saved decodeSaved(const nlohmann::json& value);
    static nlohmann::json encodeSaved(const Saved& saved);
    // Adds the move unless it is there, drops its plan and puts destination
    // first in the recent list: the change of a recorded move, also as read
    // back from the journal ({"move": record, "recent": destination}).
    static StoreChanges<Saved>::Change recording(const MoveRecord& moved,
                                                 const std::string& destination);
    // Adds the plan unless it is there ({"planned": record, "recent": destination}).
    static StoreChanges<Saved>::Change planning(const Planned& planned);
    // Drops the plan of a move that did not happen ({"abandoned": id}).
    static StoreChanges<Saved>::Change abandoning(const UUID& id);
    static StoreChanges<Saved>::Change decodeLine(const nlohmann::json& line);
    static Planned decodePlanned(const nlohmann::json& value, std::string_view key);
    static nlohmann::json encodePlanned(const Planned& planned, std::string_view key);

    // Applies change and saves; the caller holds lock_.
    void commit(StoreChanges<Saved>::Change change);
    void mutate(StoreChanges<Saved>::Change change);
    // Applies change and saves it as line of the journal: one short write
    // however long the log. The caller holds lock_.
    void commitLine(StoreChanges<Saved>::Change change, const nlohmann::json& line);
    // Writes the plan to the disk before its item moves. Throws
    // MoveError::notRecorded, and nothing of the plan stays.
    void plan(const Planned& planned);
    // Drops the plan of a move that failed; a plan that cannot be dropped now
    // is dropped by the next load, which finds the item still in its place.
    void abandon(const UUID& id);
    // Records a finished move into destination (cleaned); a failed save is the
    // result's saveError.
    MoveResult record(MoveRecord moved, const std::string& destination);
    // Settles what the last process left: the plans it never confirmed, and
    // a damaged journal, folded into the file and moved aside (see
    // StoreChanges).
    void settle();
    void moveOn(const MoveRecord& item, const std::string& target, Date now, FinishResult& result);

    JSONStoreFile file_;
    FileMover mover_;
    mutable std::mutex lock_;
    Saved saved_;
    StoreChanges<Saved> changes_;
};

}  // namespace tandor
