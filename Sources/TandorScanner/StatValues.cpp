#include "TandorScanner/StatValues.hpp"

#include <limits>

namespace tandor::stat_values {

std::optional<Date> date(std::int64_t seconds, std::int64_t nanoseconds) {
    using Ticks = Date::duration;
    constexpr std::int64_t ticksPerSecond = Ticks::period::den / Ticks::period::num;
    const auto fraction =
        std::chrono::duration_cast<Ticks>(std::chrono::nanoseconds{nanoseconds}).count();
    std::int64_t ticks = 0;
    if (__builtin_mul_overflow(seconds, ticksPerSecond, &ticks) ||
        __builtin_add_overflow(ticks, fraction, &ticks)) {
        return std::nullopt;
    }
    return Date{Ticks{ticks}};
}

std::int64_t allocatedBytes(std::uint64_t blocks) {
    std::uint64_t bytes = 0;
    if (__builtin_mul_overflow(blocks, std::uint64_t{512}, &bytes)) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return byteCount(bytes);
}

std::int64_t byteCount(std::uint64_t length) {
    constexpr auto largest = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    return static_cast<std::int64_t>(length > largest ? largest : length);
}

}  // namespace tandor::stat_values
