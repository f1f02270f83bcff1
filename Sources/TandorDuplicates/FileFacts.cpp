#include "TandorDuplicates/FileFacts.hpp"

#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/FileDescriptor.hpp"

namespace tandor {
namespace {

// A file system may hold times beyond the nanosecond clock's range (about the
// years 1678 to 2262); they are held at its end rather than wrapping.
Date dateFrom(const timespec& time) {
    using namespace std::chrono;
    constexpr std::int64_t limit = 9'000'000'000;
    const std::int64_t secondsPart = std::clamp<std::int64_t>(time.tv_sec, -limit, limit);
    return Date(duration_cast<Date::duration>(seconds(secondsPart) + nanoseconds(time.tv_nsec)));
}

// A fixed, well-mixed id for (device, physical address); never 0.
std::uint64_t cloneIdentifier(std::uint64_t device, std::uint64_t physical) {
    std::uint64_t value = device * 0x9e3779b97f4a7c15ULL ^ physical;
    value ^= value >> 30;
    value *= 0xbf58476d1ce4e5b9ULL;
    value ^= value >> 27;
    value *= 0x94d049bb133111ebULL;
    value ^= value >> 31;
    return value == 0 ? 1 : value;
}

struct ExtentTotals {
    std::int64_t privateBytes = 0;
    std::vector<SharedExtent> shared;
};

// Walks the extent map in batches; nothing when the file system cannot map it.
std::optional<ExtentTotals> readExtents(int fd) {
    constexpr std::size_t batch = 64;
    std::vector<std::byte> buffer(sizeof(fiemap) + batch * sizeof(fiemap_extent));
    auto* map = reinterpret_cast<fiemap*>(buffer.data());
    ExtentTotals totals;
    std::uint64_t start = 0;
    while (true) {
        std::fill(buffer.begin(), buffer.end(), std::byte{0});
        map->fm_start = start;
        map->fm_length = FIEMAP_MAX_OFFSET - start;
        map->fm_extent_count = batch;
        if (::ioctl(fd, FS_IOC_FIEMAP, map) != 0) {
            return std::nullopt;
        }
        if (map->fm_mapped_extents == 0) {
            return totals;
        }
        for (std::uint32_t i = 0; i < map->fm_mapped_extents; ++i) {
            const fiemap_extent& extent = map->fm_extents[i];
            if ((extent.fe_flags & FIEMAP_EXTENT_SHARED) != 0) {
                totals.shared.push_back({extent.fe_physical, extent.fe_length});
            } else {
                totals.privateBytes =
                    saturatingAdd(totals.privateBytes, static_cast<std::int64_t>(extent.fe_length));
            }
            if ((extent.fe_flags & FIEMAP_EXTENT_LAST) != 0) {
                return totals;
            }
            start = extent.fe_logical + extent.fe_length;
        }
    }
}

struct FileExtents {
    dev_t device = 0;
    ExtentTotals totals;
};

// The extent map of a regular file, never of a link's target.
std::optional<FileExtents> readFileExtents(const std::string& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    auto totals = readExtents(file.get());
    if (!totals) {
        return std::nullopt;
    }
    return FileExtents{info.st_dev, std::move(*totals)};
}

}  // namespace

std::optional<FileFacts> FileFacts::read(const std::string& path, const DatalessProbe& probe) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    FileFacts facts;
    facts.path = path;
    facts.identity = FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                                  static_cast<std::uint64_t>(info.st_ino)};
    facts.isRegularFile = S_ISREG(info.st_mode);
    facts.logicalSize = static_cast<std::int64_t>(info.st_size);
    facts.allocatedSize = static_cast<std::int64_t>(info.st_blocks) * 512;
    facts.modificationDate = dateFrom(info.st_mtim);
    facts.isDataless = facts.isRegularFile && probe && probe(path);
    return facts;
}

std::optional<CloneInfo> FileFacts::cloneInfo(const std::string& path) {
    const auto extents = readFileExtents(path);
    if (!extents || extents->totals.shared.empty()) {
        return std::nullopt;
    }
    return CloneInfo{cloneIdentifier(static_cast<std::uint64_t>(extents->device),
                                     extents->totals.shared.front().physical),
                     extents->totals.privateBytes};
}

std::optional<std::vector<SharedExtent>> FileFacts::sharedExtents(const std::string& path) {
    auto extents = readFileExtents(path);
    if (!extents) {
        return std::nullopt;
    }
    return std::move(extents->totals.shared);
}

}  // namespace tandor
