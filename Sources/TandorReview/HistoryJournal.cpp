#include "TandorReview/HistoryJournal.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/FileMover.hpp"

namespace tandor {
namespace {

constexpr std::string_view planned = "planned";
constexpr std::string_view moved = "moved";

std::string line(const nlohmann::json& value) {
    return value.dump() + "\n";
}

std::optional<FileIdentity> identityFrom(const nlohmann::json& line) {
    const auto device = line.find("device");
    const auto inode = line.find("inode");
    if (device == line.end() || inode == line.end() || !device->is_number_unsigned() ||
        !inode->is_number_unsigned()) {
        return std::nullopt;
    }
    return FileIdentity{device->get<std::uint64_t>(), inode->get<std::uint64_t>()};
}

struct Place {
    std::string trashedPath;
    Date date;
};

struct Lines {
    std::vector<HistoryJournal::Planned> planned;
    std::unordered_map<UUID, Place> moved;
};

// The journal's lines; one that does not decode (torn by a kill) is skipped.
Lines decodeLines(std::string_view text) {
    Lines lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view current = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        try {
            const auto json = nlohmann::json::parse(current);
            const std::string step = decode::requireString(json, "step");
            if (step == planned) {
                lines.planned.push_back(
                    {decode::requireKey(json, "record").get<HistoryRecord>(), identityFrom(json)});
            } else if (step == moved) {
                lines.moved.insert_or_assign(decode::requireUUID(json, "id"),
                                             Place{decode::requireString(json, "trashedPath"),
                                                   decode::requireDate(json, "date")});
            }
        } catch (const nlohmann::json::exception&) {
            // Torn: the commit was cut short while it wrote this line.
        } catch (const DecodingError&) {
            // Not a line this journal writes; nothing to learn from it.
        }
    }
    return lines;
}

// Whether the planned item left its place: only such an item can be in the
// trasher's keeping (an item created at the path since is another).
bool leftItsPlace(const HistoryJournal::Planned& entry) {
    return entry.identity && FileIdentity::of(entry.record.originalPath) != entry.identity;
}

// The trashed paths the history's records hold for items still away.
std::unordered_set<std::string> claimedPlaces(const CleanupHistory& history) {
    std::unordered_set<std::string> places;
    for (const auto& record : history.records()) {
        if (!record.restored) {
            places.insert(record.trashedPath);
        }
    }
    return places;
}

// The records the journal's lines give. A moved line counts only when the
// trasher confirms that its path holds the planned item; any other item that
// left its place is looked for by its identity, all of them in one call. An
// item found that way counts only when no other record holds it already: two
// lines can plan one item when a commit retried what an earlier one had
// failed to move.
std::vector<HistoryRecord> recoveredRecords(std::string_view text, const Trasher& trasher,
                                            std::unordered_set<std::string> claimed) {
    const Lines lines = decodeLines(text);
    std::vector<const HistoryJournal::Planned*> away;
    std::vector<Trasher::Sought> sought;
    std::vector<std::string> unmoved;
    for (const auto& entry : lines.planned) {
        if (!leftItsPlace(entry)) {
            unmoved.push_back(entry.record.originalPath);
            continue;
        }
        const auto noted = lines.moved.find(entry.record.id);
        away.push_back(&entry);
        sought.push_back({entry.record.originalPath, *entry.identity,
                          noted == lines.moved.end() ? "" : noted->second.trashedPath});
    }
    const std::vector<std::optional<std::string>> places = trasher.locate(sought);
    std::vector<bool> confirmed(away.size());
    for (std::size_t i = 0; i < away.size(); ++i) {
        confirmed[i] = places[i] && *places[i] == sought[i].notedPath;
        if (confirmed[i]) {
            claimed.insert(*places[i]);
        }
    }
    std::vector<HistoryRecord> records;
    for (std::size_t i = 0; i < away.size(); ++i) {
        if (!places[i]) {
            unmoved.push_back(sought[i].originalPath);
            continue;
        }
        if (!confirmed[i] && !claimed.insert(*places[i]).second) {
            continue;
        }
        HistoryRecord record = away[i]->record;
        record.trashedPath = *places[i];
        if (confirmed[i]) {
            record.date = lines.moved.at(record.id).date;
        }
        records.push_back(std::move(record));
    }
    trasher.release(unmoved);
    return records;
}

}  // namespace

std::string HistoryJournal::pathFor(const std::string& historyPath) {
    return paths::join(paths::deletingLastComponent(historyPath),
                       paths::nameWithoutExtension(historyPath) + ".journal");
}

HistoryJournal::HistoryJournal(const CleanupHistory& history, const Trasher& trasher)
    : path_(pathFor(history.fileURL())), lock_(path_), fd_(openForAppending(path_, O_RDWR)) {
    const std::string text = readFileIfPresent(path_).value_or("");
    const std::size_t whole =
        text.empty() || text.back() == '\n' ? text.size() : text.rfind('\n') + 1;
    size_ = static_cast<off_t>(whole);
    if (whole != text.size() && ::ftruncate(fd_.get(), size_) != 0) {
        throw FileError("Cannot write", path_, errno);
    }
    if (whole > 0) {
        earlier_ = recoveredRecords(std::string_view(text).substr(0, whole), trasher,
                                    claimedPlaces(history));
    }
}

void HistoryJournal::plan(const std::vector<Planned>& entries) {
    std::string lines;
    for (const auto& entry : entries) {
        nlohmann::json json = {{"step", planned}, {"record", entry.record}};
        if (entry.identity) {
            json["device"] = entry.identity->device;
            json["inode"] = entry.identity->inode;
        }
        lines += line(json);
    }
    append(lines, true);
}

void HistoryJournal::noteMoved(const HistoryRecord& record) {
    append(line({{"step", moved},
                 {"id", record.id},
                 {"trashedPath", pathToJSON(record.trashedPath)},
                 {"date", iso8601String(record.date)}}),
           false);
}

void HistoryJournal::remove() {
    ::unlink(path_.c_str());
}

void HistoryJournal::append(const std::string& lines, bool sync) {
    if (broken_) {
        throw *broken_;
    }
    std::string_view rest = lines;
    int error = 0;
    while (!rest.empty() && error == 0) {
        const ssize_t written = ::write(fd_.get(), rest.data(), rest.size());
        if (written < 0 && errno != EINTR) {
            error = errno;
        } else if (written > 0) {
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    if (error == 0 && sync && ::fdatasync(fd_.get()) != 0) {
        error = errno;
    }
    if (error == 0) {
        size_ += static_cast<off_t>(lines.size());
        return;
    }
    const FileError failure("Cannot write", path_, error);
    // A part of a line left in place would run into the next line written.
    if (::ftruncate(fd_.get(), size_) != 0) {
        broken_ = failure;
    }
    throw failure;
}

void HistoryJournal::recover(const std::string& historyPath, const Trasher& trasher) {
    const std::string path = pathFor(historyPath);
    if (!FileMover::exists(path)) {
        return;
    }
    const auto lock = StoreLock::tryTake(path);
    if (!lock) {
        return;
    }
    const auto text = readFileIfPresent(path);
    if (!text) {
        return;
    }
    CleanupHistory history(historyPath);
    history.append(recoveredRecords(*text, trasher, claimedPlaces(history)));
    ::unlink(path.c_str());
}

}  // namespace tandor
