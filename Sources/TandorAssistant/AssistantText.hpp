#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text helpers of the assistant bridge, on UTF-8 text.
namespace tandor::assistantText {

// Without the spaces and tabs (Unicode Zs and U+0009) at both ends.
std::string_view trimmingWhitespace(std::string_view text);

// Without the Unicode White_Space characters (spaces and line breaks) at both ends.
std::string_view trimmingWhitespaceAndNewlines(std::string_view text);

}  // namespace tandor::assistantText
