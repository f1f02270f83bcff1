#include "TandorCore/Date.hpp"

#include <array>
#include <charconv>
#include <cstdio>

namespace tandor {
namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::seconds;
using std::chrono::sys_days;

bool parseDigits(std::string_view text, std::size_t offset, std::size_t count, int& value) {
    for (std::size_t i = offset; i < offset + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    auto [end, error] = std::from_chars(text.data() + offset, text.data() + offset + count, value);
    return error == std::errc{} && end == text.data() + offset + count;
}

}  // namespace

std::string iso8601String(Date date) {
    const auto wholeSeconds = floor<seconds>(date);
    const auto day = floor<days>(wholeSeconds);
    const std::chrono::year_month_day calendar{day};
    const std::chrono::hh_mm_ss time{wholeSeconds - day};
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02u-%02uT%02ld:%02ld:%02lldZ",
                  static_cast<int>(calendar.year()), static_cast<unsigned>(calendar.month()),
                  static_cast<unsigned>(calendar.day()), static_cast<long>(time.hours().count()),
                  static_cast<long>(time.minutes().count()),
                  static_cast<long long>(time.seconds().count()));
    return buffer.data();
}

std::optional<Date> parseISO8601(std::string_view text) {
    // YYYY-MM-DDThh:mm:ssZ
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || text[19] != 'Z') {
        return std::nullopt;
    }
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!parseDigits(text, 0, 4, year) || !parseDigits(text, 5, 2, month) ||
        !parseDigits(text, 8, 2, day) || !parseDigits(text, 11, 2, hour) ||
        !parseDigits(text, 14, 2, minute) || !parseDigits(text, 17, 2, second)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day calendar{std::chrono::year{year},
                                               std::chrono::month{static_cast<unsigned>(month)},
                                               std::chrono::day{static_cast<unsigned>(day)}};
    if (!calendar.ok() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    const std::chrono::sys_seconds parsed = sys_days{calendar} + std::chrono::hours{hour} +
                                            std::chrono::minutes{minute} + seconds{second};
    // Date counts nanoseconds and so only spans the years 1678 to 2261; a date
    // beyond that would overflow.
    if (parsed < std::chrono::ceil<seconds>(Date::min()) || parsed > floor<seconds>(Date::max())) {
        return std::nullopt;
    }
    return Date{parsed};
}

}  // namespace tandor
