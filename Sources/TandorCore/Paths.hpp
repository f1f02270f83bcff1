#pragma once

#include <string>
#include <string_view>
#include <vector>

// Path text helpers. Paths are raw bytes and compare byte for byte.
namespace tandor::paths {

// The last non-empty component; trailing "/" is ignored and "/" gives "/".
std::string lastComponent(std::string_view path);

// The path without its last component: "/a/b" gives "/a", "/a" gives "/",
// "a" gives "".
std::string deletingLastComponent(std::string_view path);

// The extension of the last component without the ".", or "" when it has none.
// A name whose only "." is its first character (".zshrc") has no extension.
std::string extension(std::string_view path);

// The last component without its extension (and without the ".").
std::string nameWithoutExtension(std::string_view path);

// The non-empty pieces between "/" separators: "//a/./b/" gives a, ., b.
std::vector<std::string_view> components(std::string_view path);

// Joins a folder and a relative name with exactly one "/" between them.
std::string join(std::string_view folder, std::string_view name);

// True when path lies strictly inside folder: it begins with folder and a "/"
// (so /a/bc is not inside /a/b). Both are expected normalised.
bool isInside(std::string_view path, std::string_view folder);

// True when path names an entry right inside folder: folder, one "/" and a
// name other than "." and "..". Both are compared as written.
bool isEntryOf(std::string_view path, std::string_view folder);

// True when path holds a NUL byte. The system would read such a path only up to
// the NUL, so it would name another file than the one meant.
bool holdsNul(std::string_view path);

// Throws FileError(action, path, EINVAL) when path holds a NUL byte; the path in
// the message shows each NUL as "\0".
void refuseNul(std::string_view path, const std::string& action);

}  // namespace tandor::paths
