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

// The first count extended grapheme clusters of text (what a person counts as
// characters); bytes that are not UTF-8 count as one each.
std::string graphemePrefix(std::string_view text, std::size_t count);

}  // namespace tandor::assistantText
