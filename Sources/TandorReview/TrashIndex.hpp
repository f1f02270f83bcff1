#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "TandorCore/FileIdentity.hpp"

namespace tandor {

// The entries of one Trash's files/ folder by their identity, read once, so
// that finding many items in a large Trash costs one listing rather than one
// per item.
class TrashIndex {
  public:
    // Lists filesFolder and reads each entry's identity without following a
    // link. A folder that cannot be read, and an entry gone meanwhile, index
    // nothing.
    explicit TrashIndex(const std::string& filesFolder);

    // The names in the folder whose entry has this identity (several for hard
    // links to one file), in listing order; none when no entry has it.
    const std::vector<std::string>& namesOf(const FileIdentity& identity) const;

  private:
    struct IdentityHash {
        std::size_t operator()(const FileIdentity& identity) const;
    };

    std::unordered_map<FileIdentity, std::vector<std::string>, IdentityHash> names_;
};

}  // namespace tandor
