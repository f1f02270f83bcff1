#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tandor {

// What tells one version of a file from another without reading it: a file
// replaced by a save is another inode, one written in place another size or
// modification time.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    // The stamp of the file at path (a link followed), or nothing when
    // nothing can be found there.
    static std::optional<FileStamp> of(const std::string& path);

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

}  // namespace tandor
