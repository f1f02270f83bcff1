#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tandor {

// The names in folder, in the order the file system gives them, hidden ones
// included and "." and ".." left out; absent when the folder cannot be listed.
std::optional<std::vector<std::string>> folderEntries(const std::string& folder);

// Whether a folder is at path, following a symbolic link.
bool isFolder(const std::string& path);

}  // namespace tandor
