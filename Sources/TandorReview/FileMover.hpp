#pragma once

#include <string>
#include <string_view>

#include "TandorReview/MoveOutcome.hpp"

namespace tandor {

// Moves files and folders without ever replacing anything. Holds no state, so
// any thread may use it.
//
// Existence is tested with lstat: a symbolic link counts as itself, so a link
// whose target is gone is still there to be moved, put back or refused as taken.
class FileMover {
  public:
    // The path with empty, "." and ".." pieces resolved as text (".." never
    // climbs above the start); no link is followed. "/a//b/./c/../d/" gives
    // "/a/b/d", "/../x" gives "/x", "" stays "".
    static std::string clean(std::string_view path);

    // The first free path for name inside folder: the name itself, else the stem
    // with " 2", " 3", ... before the extension ("report 2.pdf", ".env 2").
    static std::string freeName(std::string_view name, std::string_view folder);

    // True when lstat finds anything at path. A failure other than "not there"
    // counts as something there, so nothing is taken for free that is not.
    static bool exists(const std::string& path);

    // Where move would put the item at source: the free path for its name in
    // folder, after creating the folder and its parents. Checks the cleaned
    // source; throws FileError(EINVAL) for a path holding a NUL and MoveError
    // (sourceMissing, alreadyThere, intoItself; carrying source as passed)
    // before touching the disk, and FileError when creating the folder fails.
    std::string destination(const std::string& source, const std::string& folder) const;

    // Moves the item at source into folder, under its own name or a free variant
    // (see destination), and returns where it went and what stayed behind, as
    // moveItem does. Throws as destination does, and FileError when the move
    // fails.
    MoveOutcome move(const std::string& source, const std::string& folder) const;

    // Moves the item at from to exactly to, failing with FileError(EEXIST) when
    // anything is at to, and with FileError(EINVAL) before touching the disk
    // when a path holds a NUL. Within one file system this is one rename that
    // never replaces. Across file systems the item is copied without
    // overwriting (files created exclusively, folders with mkdir, links as
    // links, modes and times kept); then each copied entry is removed only while
    // it is the one copied with the same size and modification time, and each
    // folder only once it is empty. A copy that fails removes what it made and
    // throws. Once the copy is complete it is kept, so nothing is lost: what
    // stayed at the source (an entry added, written or replaced meanwhile, or
    // one that could not be removed) is listed in leftBehind. The exception is a
    // single file or link that cannot be removed at all: its copy is removed
    // again and FileError thrown, so it has not moved.
    static MoveOutcome moveItem(const std::string& from, const std::string& to);
};

}  // namespace tandor
