#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string_view>

#include "TandorScanner/DirectoryReader.hpp"
#include "TandorScanner/LstatDirectoryReader.hpp"

struct statx;

namespace tandor {

// The fast reader: reads a folder's names in bulk with getdents64 and asks
// statx, relative to the open folder, for only the attributes the walk uses.
// ext4 and most Linux file systems have no clone facts, so privateSize and
// cloneID stay absent. One instance serves a whole scan from many threads; it
// holds no mutable state.
class BulkDirectoryReader final : public DirectoryReader {
  public:
    // The getdents64 call; tests put a fake in its place to force errors.
    using ReadEntries = std::function<ssize_t(int descriptor, void* buffer, std::size_t size)>;

    // Bytes of names read per getdents64 call.
    static constexpr std::size_t bufferSize = 262'144;

    BulkDirectoryReader();
    explicit BulkDirectoryReader(ReadEntries readEntries);

    // Absent when the folder cannot be opened as a folder, or reading its names
    // is refused (EACCES, EPERM). Any other read error gives the entries read
    // so far, or, before the first one, what the lstat reader lists. EINTR is
    // retried. An entry that statx cannot describe (it vanished) is left out.
    std::optional<DirectoryListing> list(const std::string& folder) const override;
    std::optional<DirectoryListing> listBelow(const FolderDescriptor& ancestor,
                                              std::string_view relative,
                                              const std::string& folder) const override;

    // The entry for one statx answer; absent when the type was not reported.
    // A folder's sizes are 0 whatever statx says.
    static std::optional<ScanEntry> parse(std::string_view name, const struct statx& attributes);

  private:
    std::optional<DirectoryListing> listOpen(FolderDescriptor descriptor) const;

    ReadEntries readEntries_;
    LstatDirectoryReader fallback_;
};

}  // namespace tandor
