#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tandor {

// The whole regular file at path, or absent when it is missing, unreadable,
// not a regular file or larger than maximumSize. A pipe or a device never
// blocks the reading.
std::optional<std::string> smallFile(const std::string& path, std::size_t maximumSize);

}  // namespace tandor
