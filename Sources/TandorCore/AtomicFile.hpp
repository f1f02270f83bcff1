#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "TandorCore/FileDescriptor.hpp"

namespace tandor {

// Creates folder and any missing folders above it (mode 0755); an existing
// folder is fine, anything else in the way throws FileError.
void createFolders(const std::string& folder);

// Makes the folder's entries durable: a file created, renamed or removed in
// it survives a crash once this returns. Throws FileError.
void syncFolder(const std::string& folder);

// Opens the file at path for appending, with access O_WRONLY or O_RDWR and
// without following a link. A file it creates is made durable in its folder
// before any line written to it counts. Throws FileError, also for anything
// but a regular file at path, without waiting for a reader.
FileDescriptor openForAppending(const std::string& path, int access);

// Replaces the file at path with contents so that a reader (or a crash) sees
// either the old file or the whole new one, never a part: creates the parent
// folders, writes a temporary file in the same folder, syncs it, renames it over
// path and syncs the folder. Throws FileError and leaves no temporary behind.
// Temporaries of this path's earlier saves that were killed half-way (regular
// files ".<name>.XXXXXX" untouched for over a minute) are removed first.
void writeFileAtomically(const std::string& path, std::string_view contents);

// Whether a reader goes through a symbolic link at the path it is given: a
// store file may be a link the user made, a file only this program writes may
// not.
enum class LinkAtPath { follow, refuse };

// The regular file at path, open for reading; an invalid descriptor when no
// file is there. Anything else (a folder, a pipe or a device at path, a
// refused link, no permission) throws FileError without waiting for a writer.
FileDescriptor openRegularFile(const std::string& path, LinkAtPath link = LinkAtPath::follow);

// The whole content of the regular file at path, or nothing when no file is
// there. Anything else (a folder, a pipe or a device at path, a refused link,
// no permission, a read error) throws FileError without waiting for a writer:
// a store must never mistake an unreadable file for an empty one.
std::optional<std::string> readFileIfPresent(const std::string& path,
                                             LinkAtPath link = LinkAtPath::follow);

// True when the file at path holds exactly text, or when there is no file
// and text is nothing. Reads no further than the first difference and keeps
// no copy: a store checks its long file before each save. Throws FileError as
// readFileIfPresent does.
bool fileHolds(const std::string& path, const std::optional<std::string>& text,
               LinkAtPath link = LinkAtPath::follow);

}  // namespace tandor
