#include "TandorReview/SortingStore.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/MoveError.hpp"

namespace tandor {
namespace {

// White space and line breaks as Unicode counts them (the space separators,
// tab and the line and paragraph breaks), in UTF-8.
constexpr std::array<std::string_view, 25> whiteSpace{
    "\t",           "\n",           "\v",           "\f",           "\r",           " ",
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
    "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
    "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F",
    "\xE3\x80\x80"};

std::string_view trimmingWhiteSpace(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const auto space : whiteSpace) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                trimmed = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return text;
}

// A name that can stand as one folder in the sorting base: no "/" or ":", no
// surrounding white space, not hidden, never empty.
std::string safeName(std::string_view name) {
    std::string replaced(name);
    std::replace(replaced.begin(), replaced.end(), '/', '-');
    std::replace(replaced.begin(), replaced.end(), ':', '-');
    std::string_view safe = trimmingWhiteSpace(replaced);
    while (safe.starts_with('.')) {
        safe.remove_prefix(1);
    }
    return safe.empty() ? "Sorting" : std::string(safe);
}

template <typename Record>
bool hasID(const std::vector<Record>& records, const UUID& id) {
    return std::any_of(records.begin(), records.end(),
                       [&](const Record& record) { return record.id == id; });
}

}  // namespace

std::string SortingStore::defaultURL() {
    return paths::join(paths::deletingLastComponent(CleanupHistory::defaultURL()), "sorting.json");
}

std::string SortingStore::defaultBase(std::string_view home) {
    return paths::join(home, "Tandor");
}

void SortingStore::checkMoveOnTarget(const SortingFolder& folder, const std::string& target) {
    const std::string cleaned = FileMover::clean(target);
    const std::string own = FileMover::clean(folder.path);
    if (cleaned == own || paths::isInside(cleaned, own)) {
        throw MoveError::intoItself(cleaned);
    }
    struct stat info {};
    if (::lstat(cleaned.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        throw MoveError::targetNotAFolder(cleaned);
    }
}

SortingStore::SortingStore(std::string fileURL)
    : file_(std::move(fileURL)),
      changes_(StoreJournal(StoreJournal::pathFor(file_.path())), decodeLine) {
    if (auto loaded = changes_.load(file_, decodeSaved)) {
        saved_ = std::move(*loaded);
    }
}

std::vector<SortingFolder> SortingStore::folders() const {
    const std::lock_guard guard(lock_);
    return saved_.folders;
}

std::vector<MoveRecord> SortingStore::moves() const {
    const std::lock_guard guard(lock_);
    return saved_.moves;
}

std::vector<std::string> SortingStore::recentDestinations() const {
    const std::lock_guard guard(lock_);
    return saved_.recent;
}

std::optional<SortingFolder> SortingStore::folder(const UUID& id) const {
    const std::lock_guard guard(lock_);
    for (const auto& candidate : saved_.folders) {
        if (candidate.id == id) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::vector<MoveRecord> SortingStore::items(const UUID& folderID) const {
    std::vector<MoveRecord> found = moves();
    std::erase_if(found, [&](const MoveRecord& record) {
        return record.folderID != folderID || record.undone || !FileMover::exists(record.movedPath);
    });
    return found;
}

std::vector<SortingFolder> SortingStore::dueFolders(Date now) const {
    std::vector<SortingFolder> due = folders();
    std::erase_if(due, [&](const SortingFolder& candidate) { return !candidate.isDue(now); });
    return due;
}

SortingFolder SortingStore::addFolder(std::string_view path, Date now) {
    const std::string cleaned = FileMover::clean(path);
    const std::lock_guard guard(lock_);
    for (const auto& existing : saved_.folders) {
        if (existing.path == cleaned) {
            return existing;
        }
    }
    const SortingFolder added{UUID::random(), paths::lastComponent(cleaned), cleaned,
                              false,          SortingFate::keep(),           now};
    commit([added](Saved& saved) {
        if (!hasID(saved.folders, added.id)) {
            saved.folders.push_back(added);
        }
    });
    return added;
}

SortingFolder SortingStore::createTemporaryFolder(std::string_view name, SortingFate fate,
                                                  std::string_view base, Date now) {
    const std::string safe = safeName(name);
    createFolders(std::string(base));
    const std::string path = FileMover::freeName(safe, base);
    if (::mkdir(path.c_str(), 0755) != 0) {
        throw FileError("Cannot create folder", path, errno);
    }
    const SortingFolder created{
        UUID::random(), paths::lastComponent(path), path, true, std::move(fate), now};
    mutate([created](Saved& saved) {
        if (!hasID(saved.folders, created.id)) {
            saved.folders.push_back(created);
        }
    });
    return created;
}

void SortingStore::setFate(const SortingFate& fate, const UUID& id) {
    mutate([fate, id](Saved& saved) {
        for (auto& candidate : saved.folders) {
            if (candidate.id == id) {
                candidate.fate = fate;
                return;
            }
        }
    });
}

void SortingStore::forget(const UUID& id) {
    mutate([id](Saved& saved) {
        std::erase_if(saved.folders,
                      [&](const SortingFolder& candidate) { return candidate.id == id; });
    });
}

SortingStore::MoveResult SortingStore::move(const std::string& path, std::int64_t bytes,
                                            const UUID& folderID, Date now) {
    const auto destination = folder(folderID);
    if (!destination) {
        throw MoveError::folderNotRegistered(path);
    }
    return move(path, bytes, destination->path, folderID, now);
}

SortingStore::MoveResult SortingStore::move(const std::string& path, std::int64_t bytes,
                                            const std::string& toPath, std::optional<UUID> folderID,
                                            Date now) {
    MoveOutcome outcome = mover_.move(path, toPath);
    MoveRecord moved(FileMover::clean(path), std::move(outcome.path), bytes, folderID, now);
    moved.leftBehind = std::move(outcome.leftBehind);
    return record(std::move(moved), FileMover::clean(toPath));
}

SortingStore::UndoResult SortingStore::undo(const UUID& id) {
    std::optional<MoveRecord> found;
    for (const auto& candidate : moves()) {
        if (candidate.id == id) {
            found = candidate;
            break;
        }
    }
    if (!found || found->undone) {
        return {};
    }
    if (!FileMover::exists(found->movedPath)) {
        throw MoveError::movedItemMissing(found->movedPath);
    }
    if (FileMover::exists(found->originalPath)) {
        throw MoveError::originalPathTaken(found->originalPath);
    }
    createFolders(paths::deletingLastComponent(found->originalPath));
    MoveOutcome outcome = FileMover::moveItem(found->movedPath, found->originalPath);
    UndoResult result{std::move(outcome.leftBehind), std::nullopt};
    // The item is back: a failed save must not report it as still moved.
    try {
        mutate([id](Saved& saved) {
            for (auto& candidate : saved.moves) {
                if (candidate.id == id) {
                    candidate.undone = true;
                    return;
                }
            }
        });
    } catch (const std::exception& error) {
        result.saveError = error.what();
    }
    return result;
}

SortingStore::FinishResult SortingStore::finish(const UUID& id, Date now) {
    FinishResult result;
    const auto finished = folder(id);
    if (!finished) {
        return result;
    }
    const SortingFate& fate = finished->fate;
    if (fate.fateCase() == SortingFate::Case::moveTo) {
        checkMoveOnTarget(*finished, fate.target());
    }
    switch (fate.fateCase()) {
        case SortingFate::Case::moveTo:
            for (const auto& item : items(id)) {
                moveOn(item, fate.target(), now, result);
            }
            break;
        case SortingFate::Case::pileAfter:
            for (const auto& item : items(id)) {
                result.forPile.push_back({item.movedPath, item.bytes, "sorting." + finished->name});
            }
            break;
        case SortingFate::Case::keep:
            break;
    }
    if (result.failed.empty()) {
        try {
            forget(id);
        } catch (const std::exception& error) {
            result.saveError = error.what();
        }
    }
    return result;
}

void SortingStore::moveOn(const MoveRecord& item, const std::string& target, Date now,
                          FinishResult& result) {
    MoveOutcome outcome;
    try {
        outcome = mover_.move(item.movedPath, target);
    } catch (const std::exception& error) {
        result.failed.push_back({item.movedPath, error.what()});
        return;
    }
    MoveRecord moved(item.movedPath, std::move(outcome.path), item.bytes, std::nullopt, now);
    moved.leftBehind = std::move(outcome.leftBehind);
    MoveResult recorded = record(std::move(moved), FileMover::clean(target));
    result.moved.push_back(std::move(recorded.record));
    if (recorded.saveError) {
        result.saveError = std::move(recorded.saveError);
    }
}

SortingStore::MoveResult SortingStore::record(MoveRecord moved, const std::string& destination) {
    // The item has moved: a failed save must not report it as not moved.
    try {
        const std::lock_guard guard(lock_);
        changes_.apply(saved_, recording(moved, destination));
        // One line in the journal instead of the whole file: a long log of
        // moves would make every move wait for it.
        changes_.saveLine(file_, saved_, {{"move", moved}, {"recent", pathToJSON(destination)}},
                          decodeSaved, encodeSaved);
    } catch (const std::exception& error) {
        return {std::move(moved), error.what()};
    }
    return {std::move(moved), std::nullopt};
}

StoreChanges<SortingStore::Saved>::Change SortingStore::recording(const MoveRecord& moved,
                                                                  const std::string& destination) {
    return [moved, destination](Saved& saved) {
        if (!hasID(saved.moves, moved.id)) {
            saved.moves.push_back(moved);
        }
        std::erase(saved.recent, destination);
        saved.recent.insert(saved.recent.begin(), destination);
        if (saved.recent.size() > recentLimit) {
            saved.recent.resize(recentLimit);
        }
    };
}

StoreChanges<SortingStore::Saved>::Change SortingStore::decodeLine(const nlohmann::json& line) {
    decode::requireObject(line, "sorting journal line");
    return recording(decode::requireKey(line, "move").get<MoveRecord>(),
                     decode::requireString(line, "recent"));
}

void SortingStore::commit(StoreChanges<Saved>::Change change) {
    changes_.apply(saved_, std::move(change));
    changes_.save(file_, saved_, decodeSaved, encodeSaved);
}

void SortingStore::mutate(StoreChanges<Saved>::Change change) {
    const std::lock_guard guard(lock_);
    commit(std::move(change));
}

SortingStore::Saved SortingStore::decodeSaved(const nlohmann::json& value) {
    decode::requireObject(value, "sorting store");
    Saved saved;
    for (const auto& folder : decode::requireArray(value, "folders")) {
        saved.folders.push_back(folder.get<SortingFolder>());
    }
    for (const auto& move : decode::requireArray(value, "moves")) {
        saved.moves.push_back(move.get<MoveRecord>());
    }
    for (const auto& path : decode::requireArray(value, "recent")) {
        saved.recent.push_back(decode::toString(path, "recent"));
    }
    return saved;
}

nlohmann::json SortingStore::encodeSaved(const Saved& saved) {
    auto recent = nlohmann::json::array();
    for (const auto& path : saved.recent) {
        recent.push_back(pathToJSON(path));
    }
    return {{"folders", saved.folders}, {"moves", saved.moves}, {"recent", std::move(recent)}};
}

}  // namespace tandor
