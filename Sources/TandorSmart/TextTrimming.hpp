#pragma once

#include <string_view>

namespace tandor {

// text without the white space and line breaks at both ends (Unicode space
// separators, line and paragraph separators, tab, line feed to carriage
// return, next line). Bytes that are not UTF-8 are never trimmed.
std::string_view trimmingWhiteSpace(std::string_view text);

}  // namespace tandor
