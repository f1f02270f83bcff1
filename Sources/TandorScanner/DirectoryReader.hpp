#pragma once

#include <optional>
#include <string>

#include "TandorScanner/DirectoryListing.hpp"

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
};

}  // namespace tandor
