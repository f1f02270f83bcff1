#pragma once

#include "TandorScanner/DirectoryReader.hpp"

namespace tandor {

// Lists a folder with readdir and describes each entry with fstatat relative to
// the open folder. Knows nothing of clones. Stateless.
class LstatDirectoryReader final : public DirectoryReader {
  public:
    // Absent when the folder cannot be opened as a folder or its listing fails
    // part-way; an entry that cannot be examined (it vanished) is left out.
    std::optional<DirectoryListing> list(const std::string& folder) const override;
    std::optional<DirectoryListing> listBelow(const FolderDescriptor& ancestor,
                                              std::string_view relative,
                                              const std::string& folder) const override;
    // The listing of a folder already open; takes the descriptor over.
    std::optional<DirectoryListing> listOpen(FolderDescriptor descriptor) const;
};

}  // namespace tandor
