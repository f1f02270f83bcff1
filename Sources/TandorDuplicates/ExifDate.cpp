#include "TandorDuplicates/ExifDate.hpp"

#include <charconv>
#include <ctime>

namespace tandor {
namespace {

constexpr std::string_view layout = "dddd:dd:dd dd:dd:dd";

bool matchesLayout(std::string_view text) {
    if (text.size() < layout.size()) {
        return false;
    }
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (layout[i] == 'd' ? !digit : text[i] != layout[i]) {
            return false;
        }
    }
    const auto rest = text.substr(layout.size());
    return rest.empty() || rest.starts_with(" (");
}

int number(std::string_view text, std::size_t offset, std::size_t count) {
    int value = 0;
    std::from_chars(text.data() + offset, text.data() + offset + count, value);
    return value;
}

std::optional<Date> dateFromSeconds(std::time_t count) {
    using std::chrono::duration_cast;
    using std::chrono::seconds;
    constexpr auto latest = duration_cast<seconds>(Date::duration::max()).count() - 1;
    if (count < -latest || count > latest) {
        return std::nullopt;
    }
    return Date{duration_cast<Date::duration>(seconds{count})};
}

}  // namespace

std::optional<Date> parseExifDate(std::string_view text) {
    if (!matchesLayout(text)) {
        return std::nullopt;
    }
    std::tm fields{};
    fields.tm_year = number(text, 0, 4) - 1900;
    fields.tm_mon = number(text, 5, 2) - 1;
    fields.tm_mday = number(text, 8, 2);
    fields.tm_hour = number(text, 11, 2);
    fields.tm_min = number(text, 14, 2);
    fields.tm_sec = number(text, 17, 2);
    fields.tm_isdst = -1;
    if (fields.tm_mon < 0 || fields.tm_mon > 11 || fields.tm_mday < 1 || fields.tm_hour > 23 ||
        fields.tm_min > 59 || fields.tm_sec > 59) {
        return std::nullopt;
    }
    const std::tm asWritten = fields;
    const std::time_t count = std::mktime(&fields);
    // mktime carries a day past the month's end into the next month: such a
    // date does not exist. An hour skipped by a clock change is kept, moved on.
    if (count == -1 || fields.tm_mday != asWritten.tm_mday || fields.tm_mon != asWritten.tm_mon) {
        return std::nullopt;
    }
    return dateFromSeconds(count);
}

}  // namespace tandor
