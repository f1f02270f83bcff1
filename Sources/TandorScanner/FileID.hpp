#pragma once

#include <cstdint>
#include <functional>

#include "TandorCore/HashCombiner.hpp"

namespace tandor {

// A file named by its device and inode: the key of hard-link accounting.
struct FileID {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    friend bool operator==(const FileID&, const FileID&) = default;
};

}  // namespace tandor

template <>
struct std::hash<tandor::FileID> {
    std::size_t operator()(const tandor::FileID& id) const {
        return tandor::HashCombiner().add(id.device).add(id.inode).value();
    }
};
