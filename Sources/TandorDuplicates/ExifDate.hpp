#pragma once

#include <optional>
#include <string_view>

#include "TandorCore/Date.hpp"

namespace tandor {

// Reads an EXIF date text, "yyyy:MM:dd HH:mm:ss", as a time in the current
// time zone. The image library may follow the text with a description in
// parentheses (" (...)"), which is ignored. Any other layout, a calendar date
// that does not exist, or a time outside the clock's range gives nothing.
// Safe to call from several threads at once.
std::optional<Date> parseExifDate(std::string_view text);

}  // namespace tandor
