#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tandor {

// Which file an item is, whatever its name: its device and inode. A rename
// keeps both, so an item found under another name with the same identity is
// the one that was moved there, and every hard link to one file has the same
// identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    // The identity of the item at path itself (a link as the link), or nothing
    // when nothing can be found there.
    static std::optional<FileIdentity> of(const std::string& path);

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

}  // namespace tandor
