#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorSystem/LocalSnapshot.hpp"

// Reads the text that the local snapshot command prints. Pure functions.
namespace tandor::LocalSnapshotParser {

// One snapshot per line that, trimmed of spaces and tabs, begins with
// "com.apple.TimeMachine.", in the order of the text. Lines end at LF, VT, FF,
// CR, CR LF, NEL, LS and PS; other lines are ignored.
std::vector<LocalSnapshot> parse(std::string_view output);

// The date in the first "."-separated piece of name that has 17 characters and
// exactly three "-": "yyyy-MM-dd-HHmmss" in the system's current time zone.
// Absent when no piece qualifies or the first one is not a valid date; later
// pieces are not tried.
std::optional<Date> date(std::string_view name);

}  // namespace tandor::LocalSnapshotParser
