#include "TandorSystem/LiveSystemProbe.hpp"

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>

#include <fstream>
#include <iterator>
#include <limits>

#include "TandorCore/UnicodeText.hpp"
#include "TandorScanner/ScanError.hpp"
#include "TandorSystem/LocalSnapshotParser.hpp"
#include "TandorSystem/SwapTableParser.hpp"

namespace tandor {
namespace {

// blocks × blockSize in bytes, or absent when that leaves the signed 64-bit range.
std::optional<std::int64_t> byteCount(std::uint64_t blocks, std::uint64_t blockSize) {
    std::uint64_t bytes = 0;
    if (__builtin_mul_overflow(blocks, blockSize, &bytes) ||
        bytes > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(bytes);
}

// The bytes as UTF-8 with every invalid sequence replaced by U+FFFD.
std::string repairedUTF8(std::string_view bytes) {
    std::string text;
    unicode::forEachCodePoint(bytes, [&](std::int32_t codePoint, std::string_view piece) {
        text += codePoint < 0 ? std::string_view("\xEF\xBF\xBD") : piece;
    });
    return text;
}

}  // namespace

LiveSystemProbe::LiveSystemProbe(DirectoryScanner::ReaderFactory makeReader, CommandRunner runner)
    : makeReader_(std::move(makeReader)), runner_(runner) {
}

std::optional<VolumeUsage> LiveSystemProbe::volumeUsage(const std::string& path) {
    struct statvfs figures {};
    if (::statvfs(path.c_str(), &figures) != 0) {
        return std::nullopt;
    }
    return volumeUsageOf(figures);
}

std::optional<VolumeUsage> LiveSystemProbe::volumeUsageOf(const struct statvfs& figures) {
    const std::uint64_t usedBlocks =
        figures.f_blocks > figures.f_bfree ? figures.f_blocks - figures.f_bfree : 0;
    const auto used = byteCount(usedBlocks, figures.f_frsize);
    const auto available = byteCount(figures.f_bavail, figures.f_frsize);
    if (!used || !available || *used > std::numeric_limits<std::int64_t>::max() - *available) {
        return std::nullopt;
    }
    return VolumeUsage{*used + *available, *available, std::nullopt};
}

std::optional<std::vector<LocalSnapshot>> LiveSystemProbe::localSnapshots() {
    const auto output = runner_.run("/usr/bin/tmutil", {"listlocalsnapshots", "/"});
    if (!output || output->exitStatus != 0) {
        return std::nullopt;
    }
    return LocalSnapshotParser::parse(repairedUTF8(output->standardOutput));
}

std::optional<FolderMeasurement> LiveSystemProbe::measure(
    const std::string& path, const std::vector<std::string>& excluded) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    const ScanOptions options(true, 0, std::numeric_limits<std::int64_t>::max(),
                              {excluded.begin(), excluded.end()}, 3, true,
                              ScanOptions::projectMarkers());
    try {
        const auto result = DirectoryScanner(options, makeReader_).scan(path);
        return FolderMeasurement{result.root->allocatedSize(),
                                 static_cast<std::int64_t>(result.inaccessiblePaths.size())};
    } catch (const ScanError&) {
        return FolderMeasurement{0, 1};
    }
}

std::vector<std::string> LiveSystemProbe::swapFiles(const std::string& swapTable) {
    std::ifstream file(swapTable, std::ios::binary);
    const std::string table{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return SwapTableParser::swapFiles(table);
}

bool LiveSystemProbe::isInMemory(const std::string& path) {
    struct statfs figures {};
    if (::statfs(path.c_str(), &figures) != 0) {
        return false;
    }
    return figures.f_type == TMPFS_MAGIC || figures.f_type == RAMFS_MAGIC;
}

}  // namespace tandor
