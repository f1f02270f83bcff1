#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reads the kernel's table of swap areas (/proc/swaps). Pure functions.
namespace tandor::SwapTableParser {

// The paths of the swap areas of type "file", in the order of the table, with
// the kernel's octal escapes ("\040" for a space) decoded. Swap partitions are
// left out: they are devices of their own, not files that take room on a
// volume. The heading line, and lines whose first field is not an absolute
// path, are ignored.
std::vector<std::string> swapFiles(std::string_view table);

}  // namespace tandor::SwapTableParser
