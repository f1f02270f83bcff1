#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tandor {

// An absolute point in time. "Now" is always passed in, never read inside a
// rule, so every date rule can be tested.
using Date = std::chrono::system_clock::time_point;

// ISO 8601 in UTC with whole seconds and "Z" ("2026-12-10T13:32:22Z"), the form
// every store writes. Fractions of a second are dropped (rounded toward the past).
std::string iso8601String(Date date);

// Parses exactly the form iso8601String writes; anything else, including a
// calendar date that does not exist, gives nothing.
std::optional<Date> parseISO8601(std::string_view text);

}  // namespace tandor
