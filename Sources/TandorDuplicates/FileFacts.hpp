#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorDuplicates/CloneInfo.hpp"
#include "TandorDuplicates/DatalessProbe.hpp"
#include "TandorDuplicates/FileIdentity.hpp"
#include "TandorDuplicates/SharedExtent.hpp"

namespace tandor {

// What one lstat (never following a symbolic link) tells of a path, plus the
// clone facts the finder adds for the files it compares.
struct FileFacts {
    std::string path;  // as the caller passed it, not normalised
    FileIdentity identity;
    bool isRegularFile = false;
    std::int64_t logicalSize = 0;
    std::int64_t allocatedSize = 0;  // st_blocks × 512
    std::optional<Date> modificationDate;
    bool isDataless = false;
    std::optional<CloneInfo> clone;  // absent until the finder reads it

    // The facts of path, or nothing when lstat fails for any reason. Opens no
    // file; isDataless is what probe says of a regular file.
    static std::optional<FileFacts> read(const std::string& path,
                                         const DatalessProbe& probe = standardDatalessProbe());

    // The clone facts of a regular file on a file system whose files can share
    // extents: the bytes of the extents it does not share, and an id made from
    // the device and the physical address of its first shared extent. Absent
    // when the file shares nothing, the file system cannot tell, or the file
    // cannot be opened (a symbolic link never is).
    static std::optional<CloneInfo> cloneInfo(const std::string& path);

    // The extents of a regular file that it shares with anything (another
    // file, a snapshot), in file order; empty when it shares nothing. Absent
    // when the file system cannot map the file or it cannot be opened.
    // Sharing alone does not make two files clones of each other: only the
    // physical places they have in common do.
    static std::optional<std::vector<SharedExtent>> sharedExtents(const std::string& path);
};

}  // namespace tandor
