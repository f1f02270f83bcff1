#include "TandorCore/ByteFormat.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace tandor::ByteFormat {
namespace {

constexpr std::array<std::string_view, 6> unitNames{"bytes", "KB", "MB", "GB", "TB", "PB"};
constexpr std::size_t largestUnit = unitNames.size() - 1;

// std::to_chars never looks at the locale, unlike printf: under a locale with a
// decimal comma "%.1f" would print "1,5".
std::string formatted(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string string(std::int64_t bytes) {
    if (bytes <= largestInBytes) {
        return std::to_string(bytes) + " bytes";
    }
    double value = static_cast<double>(bytes) / 1000.0;
    std::size_t unit = 1;
    while (value >= 1000.0 && unit < largestUnit) {
        value /= 1000.0;
        ++unit;
    }
    const double shown = std::round(value * 10.0) / 10.0;
    if (unit < largestUnit && shown >= 1000.0) {
        return "1 " + std::string(unitNames[unit + 1]);
    }
    const bool whole = shown == std::floor(shown);
    return formatted(shown, whole ? 0 : 1) + " " + std::string(unitNames[unit]);
}

}  // namespace tandor::ByteFormat
