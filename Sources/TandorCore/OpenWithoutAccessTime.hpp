#pragma once

#include <string>

namespace tandor {

// Opens path like open(path, flags) with O_NOATIME added, so that this
// program's own reads (hashing, photo analysis, thumbnails) never make a file
// look recently opened. The kernel refuses O_NOATIME on a file the caller does
// not own; such a file is opened without it. Returns the descriptor, or -1 with
// errno set.
int openWithoutAccessTime(const std::string& path, int flags);

}  // namespace tandor
