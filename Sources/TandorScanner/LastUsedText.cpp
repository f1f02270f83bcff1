#include "TandorScanner/LastUsedText.hpp"

#include <limits>

namespace tandor::LastUsedText {
namespace {

// Whole days from date to now, truncated toward zero; never overflows, even for
// dates at the ends of the representable range.
std::int64_t elapsedDays(Date date, Date now) {
    using Ticks = Date::duration;
    constexpr std::int64_t ticksPerDay =
        std::chrono::duration_cast<Ticks>(std::chrono::days{1}).count();
    std::int64_t elapsed = 0;
    if (__builtin_sub_overflow(now.time_since_epoch().count(), date.time_since_epoch().count(),
                               &elapsed)) {
        return now > date ? std::numeric_limits<std::int64_t>::max() / ticksPerDay : 0;
    }
    return elapsed / ticksPerDay;
}

}  // namespace

std::string describe(std::optional<Date> lastUsed, Date now) {
    if (!lastUsed) {
        return "Last opened: unknown";
    }
    const std::int64_t days = elapsedDays(*lastUsed, now);
    if (days <= 0) {
        return "Last opened today";
    }
    if (days == 1) {
        return "Last opened yesterday";
    }
    return "Last opened " + std::to_string(days) + " days ago";
}

}  // namespace tandor::LastUsedText
