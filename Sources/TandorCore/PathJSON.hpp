#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace tandor {

// The lossless JSON form of a path, or of any other text that may carry bytes
// read from the disk (file names, texts built from them).
//
// Text that is valid UTF-8 is written as it is. Anything else is written as a
// NUL character followed by the bytes, where "%" and every byte that is not part
// of valid UTF-8 are written as "%XX" (upper-case hex). No path holds a NUL, so
// the two forms can never be confused, and every byte comes back.
nlohmann::json pathToJSON(std::string_view path);

// Reverses pathToJSON for a path. Throws DecodingError when the value is not a
// string, an escaped string is malformed or the bytes hold a NUL: the system
// reads a path only up to its first NUL, so it would name another file.
std::string pathFromJSON(const nlohmann::json& value);

// Reverses pathToJSON for text that is not a path (a reason, a title), which
// may hold a NUL. Throws DecodingError like pathFromJSON otherwise.
std::string textFromJSON(const nlohmann::json& value);

}  // namespace tandor
