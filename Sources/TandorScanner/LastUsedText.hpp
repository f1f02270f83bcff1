#pragma once

#include <optional>
#include <string>

#include "TandorCore/Date.hpp"

namespace tandor::LastUsedText {

// "Last opened: unknown", "Last opened today" (also for a date after now),
// "Last opened yesterday" or "Last opened 12 days ago", counting whole elapsed
// periods of 24 hours, not calendar days. Fixed English; callers localise.
std::string describe(std::optional<Date> lastUsed, Date now);

}  // namespace tandor::LastUsedText
