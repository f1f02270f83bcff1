#include "TandorScanner/BulkDirectoryReader.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "TandorScanner/FolderDescriptor.hpp"
#include "TandorScanner/SpareEntries.hpp"
#include "TandorScanner/StatValues.hpp"

namespace tandor {
namespace {

constexpr unsigned requestedAttributes =
    STATX_TYPE | STATX_INO | STATX_NLINK | STATX_BLOCKS | STATX_SIZE | STATX_MTIME | STATX_ATIME;
constexpr int statxFlags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT;

// The leading fields of one getdents64 record, as the kernel lays them out.
struct RecordHeader {
    std::uint64_t inode;
    std::int64_t offset;
    std::uint16_t length;
    std::uint8_t type;
};
constexpr std::size_t nameOffset = offsetof(RecordHeader, type) + 1;

bool isDotOrDotDot(std::string_view name) {
    return name == "." || name == "..";
}

std::optional<Date> dateOf(const struct statx_timestamp& time) {
    return stat_values::date(time.tv_sec, time.tv_nsec);
}

// One buffer per thread, reused by every listing that thread makes: a listing
// never calls back into the reader, so the buffer is never shared.
char* threadBuffer() {
    thread_local std::unique_ptr<char[]> buffer(new char[BulkDirectoryReader::bufferSize]);
    return buffer.get();
}

// Describes every name of one getdents64 batch and appends the entries.
void appendBatch(int folder, const char* buffer, std::size_t filled,
                 std::vector<ScanEntry>& entries) {
    RecordHeader header{};
    for (std::size_t at = 0; at + sizeof header <= filled; at += header.length) {
        std::memcpy(&header, buffer + at, sizeof header);
        if (header.length < sizeof header || at + header.length > filled) {
            return;
        }
        const char* start = buffer + at + nameOffset;
        const std::size_t room = header.length - nameOffset;
        const std::string_view name(start, ::strnlen(start, room));
        if (name.size() == room || isDotOrDotDot(name)) {
            continue;
        }
        struct statx attributes {};
        if (::statx(folder, start, statxFlags, requestedAttributes, &attributes) != 0) {
            continue;
        }
        if (auto entry = BulkDirectoryReader::parse(name, attributes)) {
            entries.push_back(std::move(*entry));
        }
    }
}

// A large folder's entries are reserved at once from its size on disk, which
// grows with its names (ext4 spends 32 bytes or more on most), instead of being
// copied at every growth of the list: that copying touched twice the memory
// the entries take, and fresh memory is dear. Small folders grow as usual.
void reserveForFolderOfSize(std::vector<ScanEntry>& entries, off_t folderSize) {
    constexpr off_t bytesPerName = 32;
    constexpr off_t fewestReserved = 256;
    constexpr off_t mostReserved = 65'536;
    const off_t expected = std::min(folderSize / bytesPerName, mostReserved);
    if (expected >= fewestReserved) {
        entries.reserve(static_cast<std::size_t>(expected));
    }
}

void keepOpenForSubfolders(DirectoryListing& listing, FolderDescriptor descriptor) {
    if (listing.holdsSubfolders()) {
        listing.folder = std::make_shared<const FolderDescriptor>(std::move(descriptor));
    }
}

}  // namespace

BulkDirectoryReader::BulkDirectoryReader()
    : BulkDirectoryReader([](int descriptor, void* buffer, std::size_t size) {
          return ::getdents64(descriptor, buffer, size);
      }) {
}

BulkDirectoryReader::BulkDirectoryReader(ReadEntries readEntries)
    : readEntries_(std::move(readEntries)) {
}

std::optional<DirectoryListing> BulkDirectoryReader::list(const std::string& folder) const {
    return listOpen(FolderDescriptor::open(folder));
}

std::optional<DirectoryListing> BulkDirectoryReader::listBelow(const FolderDescriptor& ancestor,
                                                               std::string_view relative,
                                                               const std::string&) const {
    return listOpen(FolderDescriptor::openBelow(ancestor, relative));
}

std::optional<DirectoryListing> BulkDirectoryReader::listOpen(FolderDescriptor descriptor) const {
    struct stat status {};
    if (!descriptor.isValid() || ::fstat(descriptor.get(), &status) != 0) {
        return std::nullopt;
    }
    DirectoryListing listing{.device = static_cast<std::uint64_t>(status.st_dev),
                             .entries = spare_entries::take()};
    reserveForFolderOfSize(listing.entries, status.st_size);
    char* buffer = threadBuffer();
    while (true) {
        const ssize_t filled = readEntries_(descriptor.get(), buffer, bufferSize);
        if (filled == 0) {
            break;
        }
        if (filled < 0) {
            const int error = errno;
            if (error == EINTR) {
                continue;
            }
            if (error == EACCES || error == EPERM) {
                return std::nullopt;
            }
            if (listing.entries.empty()) {
                return fallback_.listOpen(descriptor.reopened());
            }
            break;
        }
        appendBatch(descriptor.get(), buffer, static_cast<std::size_t>(filled), listing.entries);
    }
    keepOpenForSubfolders(listing, std::move(descriptor));
    return listing;
}

std::optional<ScanEntry> BulkDirectoryReader::parse(std::string_view name,
                                                    const struct statx& attributes) {
    const unsigned reported = attributes.stx_mask;
    if ((reported & STATX_TYPE) == 0) {
        return std::nullopt;
    }
    ScanEntry entry;
    entry.name = name;
    entry.isDirectory = (attributes.stx_mode & S_IFMT) == S_IFDIR;
    entry.device = makedev(attributes.stx_dev_major, attributes.stx_dev_minor);
    if (reported & STATX_INO) {
        entry.inode = attributes.stx_ino;
    }
    if (reported & STATX_NLINK) {
        entry.linkCount = attributes.stx_nlink;
    }
    if (!entry.isDirectory && (reported & STATX_BLOCKS)) {
        entry.allocatedSize = stat_values::allocatedBytes(attributes.stx_blocks);
    }
    if (!entry.isDirectory && (reported & STATX_SIZE)) {
        entry.logicalSize = stat_values::byteCount(attributes.stx_size);
    }
    if (reported & STATX_MTIME) {
        entry.modificationDate = dateOf(attributes.stx_mtime);
    }
    if (reported & STATX_ATIME) {
        entry.accessDate = dateOf(attributes.stx_atime);
    }
    return entry;
}

}  // namespace tandor
