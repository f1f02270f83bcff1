#pragma once

#include <cstdint>
#include <string>

namespace tandor::ByteFormat {

// The largest count written in bytes ("999 bytes"); above it, "1 KB".
inline constexpr std::int64_t largestInBytes = 999;

// A byte count as people read it, in decimal units with at most one decimal
// place: "999 bytes", "1.5 KB", "5.4 GB". The text never depends on the locale.
std::string string(std::int64_t bytes);

}  // namespace tandor::ByteFormat
