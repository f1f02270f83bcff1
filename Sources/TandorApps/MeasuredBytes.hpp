#pragma once

#include <cstdint>
#include <string>

namespace tandor {

// The allocated size of the file or whole folder at path as the directory
// scanner counts it, keeping no node below it; 0 when path cannot be examined.
std::int64_t measuredBytes(const std::string& path);

}  // namespace tandor
