#include "TandorReview/SystemTrasher.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorReview/ReviewError.hpp"
#include "TandorReview/TrashIndex.hpp"

namespace tandor {
namespace {

constexpr std::string_view infoSuffix = ".trashinfo";

// The folder with every symbolic link resolved.
std::string canonicalFolder(const std::string& folder) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(folder.c_str(), nullptr),
                                                               &std::free);
    if (!resolved) {
        throw FileError("Cannot resolve", folder, errno);
    }
    return resolved.get();
}

// The path made absolute against the working folder, with "." and ".." and
// doubled slashes resolved as text.
std::string absolutePath(const std::string& path) {
    if (path.starts_with('/')) {
        return FileMover::clean(path);
    }
    return FileMover::clean(paths::join(canonicalFolder("."), path));
}

// The folder that holds the item being moved, open. The checks and the move
// itself go through this descriptor, never through the path again: a folder on
// the way swapped for a link meanwhile cannot send the move elsewhere.
struct ItemFolder {
    FileDescriptor fd;
    // The folder's place with every link resolved, as it was when opened.
    std::string realPath;
};

// Whether the path leads to the open folder now.
bool leadsTo(const std::string& path, int fd) {
    struct stat there {};
    struct stat opened {};
    return ::stat(path.c_str(), &there) == 0 && ::fstat(fd, &opened) == 0 &&
           there.st_dev == opened.st_dev && there.st_ino == opened.st_ino;
}

// Opens the folder of the item at absolute. Its real place is read only once
// the folder is open, and must lead to the same folder: a swap in between is
// refused as a move to try again.
ItemFolder openItemFolder(const std::string& given, const std::string& absolute) {
    const std::string folder = paths::deletingLastComponent(absolute);
    FileDescriptor fd(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) {
        throw FileError("Cannot move to the Trash", absolute, errno);
    }
    std::string realPath = canonicalFolder(folder);
    if (!leadsTo(realPath, fd.get())) {
        throw FileError("Cannot move to the Trash", given, EAGAIN);
    }
    return {std::move(fd), std::move(realPath)};
}

// The item itself, a link as the link, as its open folder holds it.
struct stat itemIn(const ItemFolder& folder, const std::string& absolute) {
    struct stat info {};
    if (::fstatat(folder.fd.get(), paths::lastComponent(absolute).c_str(), &info,
                  AT_SYMLINK_NOFOLLOW) != 0) {
        throw FileError("Cannot move to the Trash", absolute, errno);
    }
    return info;
}

bool touches(const std::string& item, const std::string& folder) {
    return item == folder || paths::isInside(item, folder) || paths::isInside(folder, item);
}

bool isOrHolds(const std::string& item, const std::string& folder) {
    return item == folder || paths::isInside(folder, item);
}

// The folder as written and with its links resolved: an item may be on the way
// to it by either path, and moving a link on the written one breaks it too.
std::vector<std::string> spellingsOf(const std::string& folder) {
    std::vector<std::string> spellings{FileMover::clean(folder)};
    try {
        spellings.push_back(canonicalFolder(folder));
    } catch (const FileError&) {
        // A folder that does not resolve is compared as it is written.
    }
    return spellings;
}

// Refuses what would wreck the Trash, the home folder or Tandor's own stores if
// it moved: the home and every folder holding it, and the support folder and
// the Trash with what is inside or holds them. A store's file moved away under
// its open store would be written back with only what that store holds.
void refuseProtected(const std::string& given, const std::string& item, const std::string& trash) {
    bool isProtected = item == "/" || touches(item, trash);
    for (const auto& spelling : spellingsOf(homeFolderPath())) {
        isProtected = isProtected || isOrHolds(item, spelling);
    }
    for (const auto& spelling : spellingsOf(supportFolderPath())) {
        isProtected = isProtected || touches(item, spelling);
    }
    if (isProtected) {
        throw ReviewError::protectedFromTrash(given);
    }
}

// The path as the Trash Info file stores it: bytes outside the URL-safe set
// written as %XX, "/" kept.
std::string percentEncoded(std::string_view path) {
    static constexpr std::string_view safe = "-_.!~*'()/";
    static constexpr std::string_view hex = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool alphanumeric = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                  (byte >= '0' && byte <= '9');
        if (alphanumeric || safe.find(c) != std::string_view::npos) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0x0F];
        }
    }
    return encoded;
}

std::string localDeletionDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

std::string trashInfo(const std::string& originalPath) {
    return "[Trash Info]\nPath=" + percentEncoded(originalPath) +
           "\nDeletionDate=" + localDeletionDate() + "\n";
}

// A folder of the Trash that we may use: made with mode 0700 when missing,
// otherwise a real folder (not a link) that belongs to us.
bool makeOwnFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid();
}

bool makeTrashFolders(const std::string& trash) {
    return makeOwnFolder(trash) && makeOwnFolder(trash + "/files") &&
           makeOwnFolder(trash + "/info");
}

dev_t deviceOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        throw FileError("Cannot read", path, errno);
    }
    return info.st_dev;
}

// The top folder of the disk that holds folder: the highest folder above it
// that is still on the same device.
std::string topFolderOfDisk(std::string folder, dev_t device) {
    while (folder != "/") {
        const std::string parent = paths::deletingLastComponent(folder);
        if (deviceOf(parent) != device) {
            break;
        }
        folder = parent;
    }
    return folder;
}

std::string homeTrash(const std::string& given) {
    const std::string trash = SystemTrasher::homeTrashPath();
    createFolders(paths::deletingLastComponent(trash));
    if (!makeTrashFolders(trash)) {
        throw ReviewError::noTrashOnVolume(given);
    }
    return canonicalFolder(trash);
}

// The Trash for an item whose folder lies on another disk than the home Trash.
std::string volumeTrash(const std::string& given, const std::string& folder, dev_t device) {
    const std::string trash =
        paths::join(topFolderOfDisk(folder, device), ".Trash-" + std::to_string(::getuid()));
    if (!makeTrashFolders(trash) || deviceOf(trash) != device) {
        throw ReviewError::noTrashOnVolume(given);
    }
    return trash;
}

// The longest name in files/ whose "<name>.trashinfo" still fits in one file name.
constexpr std::size_t roomForName = NAME_MAX - infoSuffix.size();

// How many bytes a UTF-8 character beginning with lead takes; 1 for a byte that
// cannot begin one.
std::size_t utf8Length(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

// The start of text within limit bytes, cut before a UTF-8 character that the
// limit would split. Names are bytes: where they are not UTF-8, the cut falls on
// the limit itself, so a name never shrinks to nothing.
std::string_view utf8Prefix(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    for (std::size_t back = 0; back <= 3 && back <= limit; ++back) {
        const auto byte = static_cast<unsigned char>(text[limit - back]);
        if ((byte & 0xC0) != 0x80) {
            return text.substr(0, utf8Length(byte) > back ? limit - back : limit);
        }
    }
    return text.substr(0, limit);
}

// "name", then "stem 2.ext", "stem 3.ext", ... as free names are picked
// elsewhere. A name that leaves no room for its info file's suffix loses the end
// of its stem, so that the counter and the extension stay; an extension that
// would take more than half of the room is no real extension and is cut with
// the rest of the name.
std::string candidateName(const std::string& name, unsigned long long number) {
    const std::string counter = number == 1 ? "" : " " + std::to_string(number);
    const std::string extension = paths::extension(name);
    std::string_view stem = name;
    std::string tail = counter;
    if (!extension.empty()) {
        stem.remove_suffix(extension.size() + 1);
        tail += "." + extension;
    }
    if (stem.size() + tail.size() > roomForName && tail.size() > roomForName / 2) {
        stem = name;
        tail = counter;
    }
    return std::string(utf8Prefix(stem, roomForName - tail.size())) + tail;
}

// Writes contents to the open file and syncs it: 0, or the errno of the first
// step that failed.
int writeSynced(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno != EINTR) {
            return errno;
        }
        if (written > 0) {
            contents.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// The info file made whole before it has a name: written and synced as an
// unnamed file, then linked under its name, which fails when the name is
// taken. So no crash ever leaves an info file without its Path. True when
// made, false when the name is taken, nothing when the file system (or a
// system without /proc) cannot make unnamed files.
std::optional<bool> reserveUnnamed(const std::string& infoPath, const std::string& contents) {
    const FileDescriptor fd(::open(paths::deletingLastComponent(infoPath).c_str(),
                                   O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (fd.get() < 0) {
        return std::nullopt;
    }
    if (const int error = writeSynced(fd.get(), contents); error != 0) {
        throw FileError("Cannot write", infoPath, error);
    }
    const std::string unnamed = "/proc/self/fd/" + std::to_string(fd.get());
    if (::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, infoPath.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    if (errno == ENOENT) {
        return std::nullopt;
    }
    throw FileError("Cannot create", infoPath, errno);
}

// Creates the info file exclusively. False when the name is taken already.
bool reserve(const std::string& infoPath, const std::string& contents) {
    if (const auto made = reserveUnnamed(infoPath, contents)) {
        return *made;
    }
    const int fd =
        ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST) {
            return false;
        }
        throw FileError("Cannot create", infoPath, errno);
    }
    int error = writeSynced(fd, contents);
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(infoPath.c_str());
        throw FileError("Cannot write", infoPath, error);
    }
    return true;
}

std::string moveIntoTrash(const std::string& given, const std::string& absolute,
                          const ItemFolder& folder, const std::string& trash,
                          const SystemTrasher::Observer& beforeMove) {
    const std::string name = paths::lastComponent(absolute);
    const std::string contents = trashInfo(absolute);
    for (unsigned long long number = 1;; ++number) {
        const std::string candidate = candidateName(name, number);
        const std::string infoPath = trash + "/info/" + candidate + std::string(infoSuffix);
        if (!reserve(infoPath, contents)) {
            continue;
        }
        const std::string target = trash + "/files/" + candidate;
        if (beforeMove) {
            beforeMove(absolute);
        }
        // The info file's Path= must still lead to the folder the item leaves.
        int error = EAGAIN;
        if (leadsTo(paths::deletingLastComponent(absolute), folder.fd.get())) {
            if (::renameat2(folder.fd.get(), name.c_str(), AT_FDCWD, target.c_str(),
                            RENAME_NOREPLACE) == 0) {
                return target;
            }
            error = errno;
        }
        ::unlink(infoPath.c_str());
        if (error != EEXIST) {
            throw FileError("Cannot move to the Trash", given, error);
        }
    }
}

}  // namespace

std::string SystemTrasher::homeTrashPath() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const std::string base = dataHome != nullptr && dataHome[0] == '/'
                                 ? std::string(dataHome)
                                 : paths::join(homeFolderPath(), ".local/share");
    return paths::join(base, "Trash");
}

SystemTrasher::SystemTrasher(Observer beforeMove) : beforeMove_(std::move(beforeMove)) {
}

MoveOutcome SystemTrasher::trash(const std::string& path) const {
    // The system would read the path only up to the NUL and move another item
    // under a name cut short.
    paths::refuseNul(path, "Cannot move to the Trash");
    const std::string absolute = absolutePath(path);
    if (absolute == "/") {
        throw ReviewError::protectedFromTrash(path);
    }
    const ItemFolder folder = openItemFolder(path, absolute);
    const struct stat info = itemIn(folder, absolute);
    // The item is judged in its real place, a symbolic link as the link it is.
    const std::string item = paths::join(folder.realPath, paths::lastComponent(absolute));
    const std::string home = homeTrash(path);
    refuseProtected(path, item, home);

    struct stat folderInfo {};
    if (::fstat(folder.fd.get(), &folderInfo) != 0) {
        throw FileError("Cannot move to the Trash", path, errno);
    }
    const dev_t device = folderInfo.st_dev;
    if (info.st_dev != device) {
        // A mounted disk cannot be renamed away; say so before making any Trash.
        throw FileError("Cannot move to the Trash", path, EBUSY);
    }
    if (device == deviceOf(home)) {
        return {moveIntoTrash(path, absolute, folder, home, beforeMove_), {}};
    }
    const std::string volume = volumeTrash(path, folder.realPath, device);
    refuseProtected(path, item, volume);
    return {moveIntoTrash(path, absolute, folder, volume, beforeMove_), {}};
}

void SystemTrasher::forgetTrashInfo(const std::string& trashedPath,
                                    const std::string& originalPath) {
    if (paths::holdsNul(trashedPath) || paths::holdsNul(originalPath)) {
        return;
    }
    // A failure to remove leaves an info file that other Trash tools list as an
    // item whose file is gone; the item is back in its place all the same.
    const auto infoPath = infoPathFor(trashedPath);
    if (infoPath && infoDescribes(*infoPath, originalPath)) {
        ::unlink(infoPath->c_str());
    }
}

namespace {

// The names in folder without "." and ".."; none when it cannot be read.
std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folder.c_str()), ::closedir);
    if (!directory) {
        return names;
    }
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    return names;
}

// The line of an info file that names originalPath, with the line breaks
// around it. Throws FileError when a relative path cannot be resolved.
std::string pathLine(const std::string& originalPath) {
    return "\nPath=" + percentEncoded(absolutePath(originalPath)) + "\n";
}

// Whether the info file at infoPath holds one of these path lines; false when
// it cannot be read.
bool describesAny(const std::string& infoPath, const std::set<std::string>& pathLines) {
    try {
        const auto contents = readFileIfPresent(infoPath);
        return contents && std::any_of(pathLines.begin(), pathLines.end(), [&](const auto& line) {
                   return contents->find(line) != std::string::npos;
               });
    } catch (const FileError&) {
        return false;
    }
}

// The Trash folders an item from originalPath can have gone to: the home Trash
// and, when the item's folder lies on another disk, that disk's own Trash.
std::vector<std::string> trashesFor(const std::string& originalPath) {
    std::vector<std::string> trashes;
    try {
        const std::string home = canonicalFolder(SystemTrasher::homeTrashPath());
        trashes.push_back(home);
        const std::string folder =
            canonicalFolder(paths::deletingLastComponent(absolutePath(originalPath)));
        const dev_t device = deviceOf(folder);
        if (device != deviceOf(home)) {
            trashes.push_back(paths::join(topFolderOfDisk(folder, device),
                                          ".Trash-" + std::to_string(::getuid())));
        }
    } catch (const FileError&) {
        // A Trash or a folder that cannot be resolved holds nothing to find.
    }
    return trashes;
}

// The listings of the Trash folders of one recovery, by Trash folder.
using TrashListings = std::unordered_map<std::string, TrashIndex>;

// Whether files/<name> of the trash is the item with this identity that the
// Trash's info file says came from originalPath.
bool holdsItem(const std::string& trash, const std::string& name, const Trasher::Sought& item) {
    return FileIdentity::of(trash + "/files/" + name) == item.identity &&
           SystemTrasher::infoDescribes(trash + "/info/" + name + std::string(infoSuffix),
                                        item.originalPath);
}

std::optional<std::string> locateItem(const Trasher::Sought& item, TrashListings& listings) {
    const auto trashes = trashesFor(item.originalPath);
    for (const auto& trash : trashes) {
        const std::string files = trash + "/files";
        if (paths::isEntryOf(item.notedPath, files) &&
            holdsItem(trash, paths::lastComponent(item.notedPath), item)) {
            return item.notedPath;
        }
    }
    for (const auto& trash : trashes) {
        // A Trash is listed the first time an item is looked for in it.
        const TrashIndex& listing = listings.try_emplace(trash, trash + "/files").first->second;
        for (const auto& name : listing.namesOf(item.identity)) {
            if (holdsItem(trash, name, item)) {
                return trash + "/files/" + name;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::optional<std::string>> SystemTrasher::locate(
    const std::vector<Sought>& items) const {
    TrashListings listings;
    std::vector<std::optional<std::string>> places;
    places.reserve(items.size());
    for (const auto& item : items) {
        places.push_back(locateItem(item, listings));
    }
    return places;
}

void SystemTrasher::release(const std::vector<std::string>& originalPaths) const {
    std::set<std::string> trashes;
    std::set<std::string> pathLines;
    for (const auto& original : originalPaths) {
        for (auto& trash : trashesFor(original)) {
            trashes.insert(std::move(trash));
        }
        try {
            pathLines.insert(pathLine(original));
        } catch (const FileError&) {
            // A relative path that cannot be resolved names no reservation.
        }
    }
    for (const auto& trash : trashes) {
        const auto files = namesIn(trash + "/files");
        const std::set<std::string> answers(files.begin(), files.end());
        for (const auto& name : namesIn(trash + "/info")) {
            const std::string infoPath = trash + "/info/" + name;
            if (name.ends_with(infoSuffix) &&
                !answers.contains(name.substr(0, name.size() - infoSuffix.size())) &&
                describesAny(infoPath, pathLines)) {
                ::unlink(infoPath.c_str());
            }
        }
    }
}

std::optional<std::string> SystemTrasher::infoPathFor(const std::string& trashedPath) {
    const std::string files = paths::deletingLastComponent(trashedPath);
    const std::string info = paths::join(paths::deletingLastComponent(files), "info");
    struct stat infoFolder {};
    if (paths::lastComponent(files) != "files" || ::stat(info.c_str(), &infoFolder) != 0 ||
        !S_ISDIR(infoFolder.st_mode)) {
        return std::nullopt;
    }
    return info + "/" + paths::lastComponent(trashedPath) + std::string(infoSuffix);
}

bool SystemTrasher::infoDescribes(const std::string& infoPath, const std::string& originalPath) {
    try {
        return describesAny(infoPath, {pathLine(originalPath)});
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace tandor
