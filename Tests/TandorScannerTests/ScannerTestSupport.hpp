#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "TandorScanner/DirectoryReader.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/FileInfo.hpp"
#include "TandorScanner/ScanOptions.hpp"

namespace tandor::testing {

// Options of a scan that keeps everything and reads with the given reader.
inline ScanOptions keepEverything(bool usesBulkAttributes = true, int parallelDepth = 3) {
    return ScanOptions(true, std::nullopt, 0, {}, parallelDepth, usesBulkAttributes, {});
}

inline ScanEntry fileEntry(std::string name, std::int64_t allocated, std::uint64_t device = 0,
                           std::uint64_t inode = 0) {
    ScanEntry entry;
    entry.name = std::move(name);
    entry.allocatedSize = allocated;
    entry.logicalSize = allocated;
    entry.device = device;
    entry.inode = inode;
    return entry;
}

inline ScanEntry folderEntry(std::string name, std::uint64_t device) {
    ScanEntry entry;
    entry.name = std::move(name);
    entry.isDirectory = true;
    entry.device = device;
    return entry;
}

// Answers listings from a table: a path that is not in it, or maps to
// nothing, cannot be read. Counts the listings asked for.
class FakeDirectoryReader final : public DirectoryReader {
  public:
    explicit FakeDirectoryReader(std::map<std::string, std::optional<DirectoryListing>> listings)
        : listings_(std::move(listings)) {}

    std::optional<DirectoryListing> list(const std::string& folder) const override {
        ++calls_;
        const auto found = listings_.find(folder);
        return found == listings_.end() ? std::nullopt : found->second;
    }

    int calls() const { return calls_; }

  private:
    std::map<std::string, std::optional<DirectoryListing>> listings_;
    mutable std::atomic<int> calls_ = 0;
};

// A scanner whose scans read through reader, which must outlive it.
inline DirectoryScanner scannerWith(const DirectoryReader& reader, ScanOptions options) {
    struct Borrowed final : DirectoryReader {
        explicit Borrowed(const DirectoryReader& inner) : inner(inner) {}
        std::optional<DirectoryListing> list(const std::string& folder) const override {
            return inner.list(folder);
        }
        std::optional<DirectoryListing> listBelow(const FolderDescriptor& ancestor,
                                                  std::string_view relative,
                                                  const std::string& folder) const override {
            return inner.listBelow(ancestor, relative, folder);
        }
        const DirectoryReader& inner;
    };
    return DirectoryScanner(std::move(options),
                            [&reader](bool) { return std::make_unique<Borrowed>(reader); });
}

inline std::uint64_t deviceOf(const std::string& path) {
    const auto info = FileInfo::read(path);
    if (!info) {
        throw std::runtime_error("cannot lstat " + path);
    }
    return info->device;
}

// Writes size bytes of data (not a hole) to path.
inline void writeFile(const std::string& path, std::size_t size = 0) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        throw std::runtime_error("cannot create " + path);
    }
    const std::vector<char> data(size, 'x');
    const bool written =
        size == 0 || ::write(descriptor, data.data(), size) == static_cast<ssize_t>(size);
    ::close(descriptor);
    if (!written) {
        throw std::runtime_error("cannot write " + path);
    }
}

inline void makeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0) {
        throw std::runtime_error("cannot create folder " + path);
    }
}

}  // namespace tandor::testing
