#pragma once

#include <functional>
#include <optional>
#include <string>

#include "TandorDuplicates/CloneInfo.hpp"
#include "TandorDuplicates/FileFacts.hpp"

namespace tandor {

// Where the identical-file finder gets its file facts. The standard reader asks
// the file system; tests inject facts this machine cannot produce (clones,
// cloud-only files, paths that vanish). Both functions may be called from
// several threads at once.
struct FileFactsReader {
    std::function<std::optional<FileFacts>(const std::string& path)> facts;
    std::function<std::optional<CloneInfo>(const std::string& path)> cloneInfo;
    // Left empty by readers that inject clone facts: the finder then takes the
    // private sizes as they are given.
    std::function<std::optional<std::vector<SharedExtent>>(const std::string& path)> sharedExtents;

    static FileFactsReader standard();
};

}  // namespace tandor
