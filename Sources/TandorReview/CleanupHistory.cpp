#include "TandorReview/CleanupHistory.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <unordered_map>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorReview/ReviewError.hpp"
#include "TandorReview/SystemTrasher.hpp"

namespace tandor {
namespace {

std::vector<HistoryRecord> decodeRecords(const nlohmann::json& json, const std::string& path) {
    try {
        if (!json.is_array()) {
            throw DecodingError("Expected an array of history records");
        }
        std::vector<HistoryRecord> records;
        records.reserve(json.size());
        for (const auto& element : json) {
            records.push_back(element.get<HistoryRecord>());
        }
        return records;
    } catch (const DecodingError& error) {
        throw DecodingError("Cannot decode " + path + ": " + error.what());
    }
}

std::vector<HistoryRecord> loadRecords(const JSONStoreFile& file) {
    const auto json = file.read();
    return json ? decodeRecords(*json, file.path()) : std::vector<HistoryRecord>{};
}

// The file's records in their order, then ours that it lacks; a record put back
// on either side counts as put back.
std::vector<HistoryRecord> merged(std::vector<HistoryRecord> onFile,
                                  const std::vector<HistoryRecord>& ours) {
    std::unordered_map<UUID, std::size_t> positions;
    for (std::size_t i = 0; i < onFile.size(); ++i) {
        positions.emplace(onFile[i].id, i);
    }
    for (const auto& record : ours) {
        const auto found = positions.find(record.id);
        if (found == positions.end()) {
            positions.emplace(record.id, onFile.size());
            onFile.push_back(record);
        } else if (record.restored) {
            onFile[found->second].restored = true;
        }
    }
    return onFile;
}

// Whether the record's item is still where it was put. In a Trash, the slot
// must also still be this item's: emptied elsewhere, it may hold another item
// of the same name now, which the Trash's info file tells apart.
bool isStillAway(const HistoryRecord& record) {
    if (!FileMover::exists(record.trashedPath)) {
        return false;
    }
    const auto infoPath = SystemTrasher::infoPathFor(record.trashedPath);
    return !infoPath || SystemTrasher::infoDescribes(*infoPath, record.originalPath);
}

// Whether another file now sits where the record's item was put. Records
// written before identities were kept are taken at their word.
bool isReplaced(const HistoryRecord& record) {
    return record.identity && FileIdentity::of(record.trashedPath) != record.identity;
}

// The path with every link on the way resolved, as far as its folders exist.
std::string resolved(const std::string& path) {
    std::error_code error;
    const auto place = std::filesystem::weakly_canonical(path, error);
    return error ? path : place.string();
}

// The device of the nearest item on path's way that exists.
std::optional<dev_t> deviceOfNearest(std::string path) {
    struct stat info {};
    while (::stat(path.c_str(), &info) != 0) {
        if (path == "/" || path.empty()) {
            return std::nullopt;
        }
        path = paths::deletingLastComponent(path);
    }
    return info.st_dev;
}

// Whether putting the record's item back at its original path in the home
// would put it outside the home now: a folder on the way became a link that
// leads out. A folder linked to another disk is where the item came from when
// the item lies in that disk's own Trash.
bool leadsOutOfHome(const HistoryRecord& record) {
    const std::string written = FileMover::clean(homeFolderPath());
    const std::string home = resolved(written);
    const std::string original = record.originalPath;
    if (!paths::isInside(original, written) && !paths::isInside(original, home)) {
        return false;
    }
    const std::string folder = resolved(paths::deletingLastComponent(original));
    if (folder == home || paths::isInside(folder, home)) {
        return false;
    }
    const bool inHomeTrash =
        paths::isInside(resolved(record.trashedPath), resolved(SystemTrasher::homeTrashPath()));
    const auto device = deviceOfNearest(folder);
    return inHomeTrash || !device || device != deviceOfNearest(record.trashedPath);
}

}  // namespace

std::string CleanupHistory::defaultURL() {
    return paths::join(supportFolderPath(), "history.json");
}

CleanupHistory::CleanupHistory(std::string fileURL)
    : file_(std::move(fileURL)), records_(loadRecords(file_)) {
}

std::vector<HistoryRecord> CleanupHistory::records() const {
    const std::lock_guard lock(mutex_);
    return records_;
}

std::int64_t CleanupHistory::totalFreedBytes() const {
    std::int64_t total = 0;
    for (const auto& record : records()) {
        if (!record.restored) {
            total = saturatingAdd(total, record.bytes);
        }
    }
    return total;
}

void CleanupHistory::append(const std::vector<HistoryRecord>& records) {
    const std::lock_guard lock(mutex_);
    records_.insert(records_.end(), records.begin(), records.end());
    save();
}

void CleanupHistory::restore(const UUID& id) {
    const std::lock_guard lock(mutex_);
    if (HistoryRecord* found = awayRecord(id)) {
        putBack(*found);
        save();
    }
}

void CleanupHistory::putBack(HistoryRecord& record) {
    const std::string trashedPath = record.trashedPath;
    const std::string originalPath = record.originalPath;
    if (!isStillAway(record)) {
        throw ReviewError::trashedItemMissing(trashedPath);
    }
    if (isReplaced(record)) {
        throw ReviewError::trashedItemReplaced(trashedPath);
    }
    if (FileMover::exists(originalPath)) {
        throw ReviewError::restoreTargetExists(originalPath);
    }
    if (leadsOutOfHome(record)) {
        throw ReviewError::restoreLeavesHome(originalPath);
    }
    createFolders(paths::deletingLastComponent(originalPath));
    FileMover::moveItem(trashedPath, originalPath);
    record.restored = true;
    SystemTrasher::forgetTrashInfo(trashedPath, originalPath);
}

RestoreStatus CleanupHistory::status(const HistoryRecord& record) const {
    if (record.restored) {
        return RestoreStatus::restored;
    }
    if (!isStillAway(record) || isReplaced(record)) {
        return RestoreStatus::missingFromTrash;
    }
    if (FileMover::exists(record.originalPath)) {
        return RestoreStatus::originalPathTaken;
    }
    return RestoreStatus::restorable;
}

RestoreResult CleanupHistory::restoreAll(const std::vector<UUID>& ids) {
    RestoreResult result;
    for (const auto& id : ids) {
        const std::lock_guard lock(mutex_);
        HistoryRecord* found = awayRecord(id);
        if (found == nullptr) {
            continue;
        }
        const HistoryRecord before = *found;
        try {
            putBack(*found);
        } catch (const std::exception& error) {
            result.failed.push_back({before, error.what()});
            continue;
        }
        // The item is back: a failed save must not report it as still away.
        result.restored.push_back(before);
        try {
            save();
        } catch (const std::exception& error) {
            result.saveError = error.what();
        }
    }
    return result;
}

std::vector<HistorySession> CleanupHistory::sessions(double gap) const {
    return sessions(records(), gap);
}

HistoryRecord* CleanupHistory::awayRecord(const UUID& id) {
    const auto found = std::find_if(records_.begin(), records_.end(),
                                    [&](const HistoryRecord& record) { return record.id == id; });
    return found == records_.end() || found->restored ? nullptr : &*found;
}

void CleanupHistory::save() {
    std::vector<HistoryRecord> written;
    file_.update([&](const std::optional<nlohmann::json>& current) {
        written =
            merged(current ? decodeRecords(*current, file_.path()) : std::vector<HistoryRecord>{},
                   records_);
        return nlohmann::json(written);
    });
    records_ = std::move(written);
}

}  // namespace tandor
