#include "TandorReview/SortingStore.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/FileIdentity.hpp"
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

// The record of a planned move whose end the store never heard of, as the
// disk tells it; nothing when the item did not move, or when what is at the
// moved path may be another item.
std::optional<MoveRecord> settled(MoveRecord planned) {
    const auto there = FileIdentity::of(planned.movedPath);
    if (!there || !planned.identity) {
        return std::nullopt;
    }
    if (there->device == planned.identity->device) {
        // One rename: the item itself is there, or it never moved.
        if (*there != *planned.identity) {
            return std::nullopt;
        }
    } else if (FileIdentity::of(planned.originalPath) == planned.identity) {
        // A copy to another disk cut short before the item was removed: it is
        // in both places, and the record says so.
        planned.leftBehind = {planned.originalPath};
    }
    planned.identity = there;
    return planned;
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
    settle();
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
    Planned planned{
        MoveRecord(FileMover::clean(path), mover_.destination(path, toPath), bytes, folderID, now),
        FileMover::clean(toPath)};
    MoveRecord& moved = planned.record;
    moved.identity = FileIdentity::of(moved.originalPath);
    if (!moved.identity) {
        throw MoveError::sourceMissing(path);
    }
    plan(planned);
    MoveOutcome outcome;
    try {
        outcome = FileMover::moveItem(moved.originalPath, moved.movedPath);
    } catch (const std::exception&) {
        abandon(moved.id);
        throw;
    }
    moved.movedPath = std::move(outcome.path);
    moved.leftBehind = std::move(outcome.leftBehind);
    moved.identity = FileIdentity::of(moved.movedPath);
    return record(std::move(moved), planned.destination);
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
    if (found->identity && FileIdentity::of(found->movedPath) != found->identity) {
        throw MoveError::movedItemChanged(found->movedPath);
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
                if (result.recordError) {
                    result.failed.push_back(
                        {item.movedPath,
                         MoveError::notRecorded(item.movedPath, *result.recordError).what()});
                } else {
                    moveOn(item, fate.target(), now, result);
                }
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
    try {
        MoveResult recorded = move(item.movedPath, item.bytes, target, std::nullopt, now);
        result.moved.push_back(std::move(recorded.record));
        if (recorded.saveError) {
            result.saveError = std::move(recorded.saveError);
        }
    } catch (const MoveError& error) {
        if (error.errorCase() == MoveError::Case::notRecorded) {
            result.recordError = error.reason();
        }
        result.failed.push_back({item.movedPath, error.what()});
    } catch (const std::exception& error) {
        result.failed.push_back({item.movedPath, error.what()});
    }
}

void SortingStore::plan(const Planned& planned) {
    const std::lock_guard guard(lock_);
    try {
        commitLine(planning(planned), encodePlanned(planned, "planned"));
    } catch (const std::exception& error) {
        // Nothing moves, so the plan must not stay in memory to be saved later.
        changes_.apply(saved_, abandoning(planned.record.id));
        throw MoveError::notRecorded(planned.record.originalPath, error.what());
    }
}

void SortingStore::abandon(const UUID& id) {
    const std::lock_guard guard(lock_);
    try {
        commitLine(abandoning(id), {{"abandoned", id.string()}});
    } catch (const std::exception&) {
        // Stays pending for the next save; the next load drops the plan anyway.
    }
}

SortingStore::MoveResult SortingStore::record(MoveRecord moved, const std::string& destination) {
    // The item has moved: a failed save must not report it as not moved.
    try {
        const std::lock_guard guard(lock_);
        commitLine(recording(moved, destination),
                   {{"move", moved}, {"recent", pathToJSON(destination)}});
    } catch (const std::exception& error) {
        return {std::move(moved), error.what()};
    }
    return {std::move(moved), std::nullopt};
}

void SortingStore::settle() {
    const std::lock_guard guard(lock_);
    if (saved_.planned.empty() && !changes_.journalDamaged()) {
        return;
    }
    for (const auto& planned : std::vector<Planned>(saved_.planned)) {
        if (auto moved = settled(planned.record)) {
            changes_.apply(saved_, recording(*moved, planned.destination));
        } else {
            changes_.apply(saved_, abandoning(planned.record.id));
        }
    }
    try {
        changes_.save(file_, saved_, decodeSaved, encodeSaved);
    } catch (const std::exception&) {
        // Written by the next save that succeeds; a load before it settles the
        // same way.
    }
}

StoreChanges<SortingStore::Saved>::Change SortingStore::recording(const MoveRecord& moved,
                                                                  const std::string& destination) {
    return [moved, destination](Saved& saved) {
        if (!hasID(saved.moves, moved.id)) {
            saved.moves.push_back(moved);
        }
        std::erase_if(saved.planned,
                      [&](const Planned& planned) { return planned.record.id == moved.id; });
        std::erase(saved.recent, destination);
        saved.recent.insert(saved.recent.begin(), destination);
        if (saved.recent.size() > recentLimit) {
            saved.recent.resize(recentLimit);
        }
    };
}

StoreChanges<SortingStore::Saved>::Change SortingStore::planning(const Planned& planned) {
    return [planned](Saved& saved) {
        const bool known =
            hasID(saved.moves, planned.record.id) ||
            std::any_of(saved.planned.begin(), saved.planned.end(),
                        [&](const Planned& other) { return other.record.id == planned.record.id; });
        if (!known) {
            saved.planned.push_back(planned);
        }
    };
}

StoreChanges<SortingStore::Saved>::Change SortingStore::abandoning(const UUID& id) {
    return [id](Saved& saved) {
        std::erase_if(saved.planned,
                      [&](const Planned& planned) { return planned.record.id == id; });
    };
}

StoreChanges<SortingStore::Saved>::Change SortingStore::decodeLine(const nlohmann::json& line) {
    decode::requireObject(line, "sorting journal line");
    if (line.contains("planned")) {
        return planning(decodePlanned(line, "planned"));
    }
    if (line.contains("abandoned")) {
        return abandoning(decode::requireUUID(line, "abandoned"));
    }
    const Planned moved = decodePlanned(line, "move");
    return recording(moved.record, moved.destination);
}

SortingStore::Planned SortingStore::decodePlanned(const nlohmann::json& value,
                                                  std::string_view key) {
    decode::requireObject(value, "planned move");
    return {decode::requireKey(value, key).get<MoveRecord>(),
            decode::requireString(value, "recent")};
}

nlohmann::json SortingStore::encodePlanned(const Planned& planned, std::string_view key) {
    return {{key, planned.record}, {"recent", pathToJSON(planned.destination)}};
}

void SortingStore::commitLine(StoreChanges<Saved>::Change change, const nlohmann::json& line) {
    changes_.apply(saved_, std::move(change));
    changes_.saveLine(file_, saved_, line, decodeSaved, encodeSaved);
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
    if (!decode::isAbsent(value, "planned")) {
        for (const auto& planned : decode::requireArray(value, "planned")) {
            saved.planned.push_back(decodePlanned(planned, "move"));
        }
    }
    return saved;
}

nlohmann::json SortingStore::encodeSaved(const Saved& saved) {
    auto recent = nlohmann::json::array();
    for (const auto& path : saved.recent) {
        recent.push_back(pathToJSON(path));
    }
    nlohmann::json encoded = {
        {"folders", saved.folders}, {"moves", saved.moves}, {"recent", std::move(recent)}};
    if (!saved.planned.empty()) {
        auto& planned = encoded["planned"] = nlohmann::json::array();
        for (const auto& each : saved.planned) {
            planned.push_back(encodePlanned(each, "move"));
        }
    }
    return encoded;
}

}  // namespace tandor
