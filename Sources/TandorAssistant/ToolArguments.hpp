#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "TandorAssistant/JSONValue.hpp"

// How the tools read their arguments and write paths. Arguments that are not
// an object count as all missing.
namespace tandor::toolArguments {

// The text of a string argument; nothing for any other value or none.
std::optional<std::string> text(const JSONValue& arguments, std::string_view key);

// A boolean argument; false for any other value or none.
bool flag(const JSONValue& arguments, std::string_view key);

// An integral number clamped into 1...maximum (7.0 counts as 7); the fallback
// for a fraction, a string of digits, a number beyond the signed 64-bit range
// or no value.
std::int64_t count(const JSONValue& arguments, std::string_view key, std::int64_t fallback,
                   std::int64_t maximum);

// Text read from the disk (a path, a name) as a JSON string: as it is when it
// is UTF-8, else in the lossless escaped form that pathBytes reads back.
JSONValue pathText(std::string_view path);
// The bytes of a path argument's text: the text as it is, or read back from
// the escaped form; nothing when an escaped form is malformed. Throws ToolError
// when the bytes hold a NUL: the system reads a path only up to its first NUL,
// so the path would name another file or folder than the one meant.
std::optional<std::string> pathBytes(std::string_view text);
// The same as plain text, for sentences.
std::string shown(std::string_view path);

}  // namespace tandor::toolArguments
