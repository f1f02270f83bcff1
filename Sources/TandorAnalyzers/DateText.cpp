#include "TandorAnalyzers/DateText.hpp"

#include <array>
#include <cstdio>

namespace tandor::DateText {

std::string string(Date date) {
    const std::chrono::year_month_day day{std::chrono::floor<std::chrono::days>(date)};
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return buffer.data();
}

}  // namespace tandor::DateText
