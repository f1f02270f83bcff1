#include "TandorReview/StoreJournal.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/Date.hpp"
#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

// The text after the last line break: a line still being written when the
// writer stopped.
std::string_view unfinishedTail(std::string_view text) {
    const std::size_t lastBreak = text.rfind('\n');
    return lastBreak == std::string_view::npos ? text : text.substr(lastBreak + 1);
}

std::string_view lastWholeLine(std::string_view text) {
    text.remove_suffix(unfinishedTail(text).size());
    if (text.empty()) {
        return text;
    }
    text.remove_suffix(1);
    return unfinishedTail(text);
}

// "2026-12-09T09:30:28Z" as "20261209T093028Z", a file-name friendly stamp.
std::string compactStamp(Date date) {
    std::string stamp;
    for (const char character : iso8601String(date)) {
        if (character != '-' && character != ':') {
            stamp += character;
        }
    }
    return stamp;
}

}  // namespace

std::string StoreJournal::pathFor(const std::string& storePath) {
    return paths::join(paths::deletingLastComponent(storePath),
                       paths::nameWithoutExtension(storePath) + ".journal");
}

StoreJournal::StoreJournal(std::string path) : path_(std::move(path)) {
}

std::optional<std::string> StoreJournal::read() const {
    // Only this program writes the journal, and it appends without following
    // a link: a link there is not its journal.
    return readFileIfPresent(path_, LinkAtPath::refuse);
}

StoreJournal::Lines StoreJournal::lines(std::string_view text) const {
    text.remove_suffix(unfinishedTail(text).size());
    Lines lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        try {
            lines.decoded.push_back(nlohmann::json::parse(line));
        } catch (const nlohmann::json::exception&) {
            lines.damaged = lines.damaged || !text.empty();
        }
    }
    return lines;
}

bool StoreJournal::acceptsLine(const std::optional<std::string>& text) {
    if (!text) {
        return true;
    }
    const std::string_view last = lastWholeLine(*text);
    return text->size() < compactionSize && unfinishedTail(*text).empty() &&
           (last.empty() ? text->empty() : nlohmann::json::accept(last));
}

std::string StoreJournal::line(const nlohmann::json& value) {
    return value.dump() + "\n";
}

void StoreJournal::append(std::string_view line) const {
    createFolders(paths::deletingLastComponent(path_));
    const FileDescriptor fd = openForAppending(path_, O_WRONLY);
    const off_t before = ::lseek(fd.get(), 0, SEEK_END);
    if (before < 0) {
        throw FileError("Cannot write", path_, errno);
    }
    std::string_view rest = line;
    int error = 0;
    while (!rest.empty() && error == 0) {
        const ssize_t written = ::write(fd.get(), rest.data(), rest.size());
        if (written < 0 && errno != EINTR) {
            error = errno;
        } else if (written > 0) {
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    if (error == 0 && ::fdatasync(fd.get()) != 0) {
        error = errno;
    }
    if (error == 0) {
        return;
    }
    // A part of a line left in place would run into the next one written. When
    // it cannot be cut off, the journal is no longer what its store last saw,
    // and the next save rewrites the store's file and removes the journal.
    [[maybe_unused]] const int cut = ::ftruncate(fd.get(), before);
    throw FileError("Cannot write", path_, error);
}

bool StoreJournal::remove() const {
    return ::unlink(path_.c_str()) == 0 || errno == ENOENT;
}

bool StoreJournal::moveAside() const {
    const std::string base = path_ + ".corrupt-" + compactStamp(std::chrono::system_clock::now());
    std::string target = base;
    for (int attempt = 2;
         ::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0;
         ++attempt) {
        if (errno != EEXIST) {
            return errno == ENOENT;
        }
        target = base + "-" + std::to_string(attempt);
    }
    std::fprintf(stderr, "tandor: %s could not be decoded; it was moved to %s\n", path_.c_str(),
                 target.c_str());
    return true;
}

}  // namespace tandor
