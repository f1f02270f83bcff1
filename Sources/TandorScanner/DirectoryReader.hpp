#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "TandorScanner/DirectoryListing.hpp"
#include "TandorScanner/FolderDescriptor.hpp"

namespace tandor {

// Lists one folder with the attributes the walk needs.
class DirectoryReader {
  public:
    virtual ~DirectoryReader() = default;

    // folder is absolute and normalised. Absent when the folder cannot be read
    // (including a folder path that is a symbolic link); that is the only failure
    // signal, nothing is thrown. Called from several threads at once for
    // different folders.
    virtual std::optional<DirectoryListing> list(const std::string& folder) const = 0;

    // Lists the same folder as list(folder), reached as relative below ancestor,
    // the open folder of an earlier listing: no component of relative is ever
    // followed as a symbolic link, so a folder swapped for a link after its
    // parent was listed is not read through the link. This default lists
    // folder by its path, for readers that open nothing themselves.
    virtual std::optional<DirectoryListing> listBelow(
        [[maybe_unused]] const FolderDescriptor& ancestor,
        [[maybe_unused]] std::string_view relative, const std::string& folder) const {
        return list(folder);
    }
};

}  // namespace tandor
