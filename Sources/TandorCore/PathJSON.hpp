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

// Reverses pathToJSON. Throws DecodingError when the value is not a string or
// an escaped string is malformed.
std::string pathFromJSON(const nlohmann::json& value);

}  // namespace tandor
