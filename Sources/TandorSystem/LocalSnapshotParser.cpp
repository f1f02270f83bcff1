#include "TandorSystem/LocalSnapshotParser.hpp"

#include <utf8proc.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>

#include "TandorCore/UnicodeText.hpp"

namespace tandor::LocalSnapshotParser {
namespace {

constexpr std::string_view marker = "com.apple.TimeMachine.";

// One code point of a text and where its bytes are. A byte that is not valid
// UTF-8 stands alone with the code point U+FFFD.
struct Scalar {
    std::size_t offset;
    std::size_t length;
    char32_t value;
};

std::vector<Scalar> scalars(std::string_view text) {
    std::vector<Scalar> result;
    unicode::forEachCodePoint(text, [&](std::int32_t codePoint, std::string_view bytes) {
        result.push_back({static_cast<std::size_t>(bytes.data() - text.data()), bytes.size(),
                          codePoint < 0 ? char32_t{0xFFFD} : static_cast<char32_t>(codePoint)});
    });
    return result;
}

bool isLineBreak(char32_t value) {
    return (value >= 0x0A && value <= 0x0D) || value == 0x85 || value == 0x2028 || value == 0x2029;
}

// Spaces and tabs: the tab and every space separator, never a line break.
bool isBlank(char32_t value) {
    return value == '\t' ||
           utf8proc_category(static_cast<utf8proc_int32_t>(value)) == UTF8PROC_CATEGORY_ZS;
}

// The text of the scalars [first, last) without the blanks at either end.
std::string_view trimmed(std::string_view text, const std::vector<Scalar>& all, std::size_t first,
                         std::size_t last) {
    while (first < last && isBlank(all[first].value)) {
        ++first;
    }
    while (last > first && isBlank(all[last - 1].value)) {
        --last;
    }
    if (first == last) {
        return {};
    }
    const std::size_t begin = all[first].offset;
    const std::size_t end = all[last - 1].offset + all[last - 1].length;
    return text.substr(begin, end - begin);
}

std::vector<std::string_view> lines(std::string_view text) {
    const auto all = scalars(text);
    std::vector<std::string_view> result;
    std::size_t start = 0;
    for (std::size_t index = 0; index <= all.size(); ++index) {
        if (index == all.size() || isLineBreak(all[index].value)) {
            const auto line = trimmed(text, all, start, index);
            if (!line.empty()) {
                result.push_back(line);
            }
            start = index + 1;
        }
    }
    return result;
}

std::optional<std::string_view> datePiece(std::string_view name) {
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('.', start), name.size());
        const auto piece = name.substr(start, end - start);
        if (unicode::graphemeCount(piece) == 17 &&
            std::count(piece.begin(), piece.end(), '-') == 3) {
            return piece;
        }
        start = end + 1;
    }
    return std::nullopt;
}

// The number in text[offset, offset + length), or absent unless all are ASCII digits.
std::optional<int> digits(std::string_view text, std::size_t offset, std::size_t length) {
    int value = 0;
    for (const char digit : text.substr(offset, length)) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    return value;
}

// "yyyy-MM-dd-HHmmss" as a local time; absent unless every field is in range.
std::optional<Date> localDate(std::string_view piece) {
    if (piece.size() != 17 || piece[4] != '-' || piece[7] != '-' || piece[10] != '-') {
        return std::nullopt;
    }
    const auto year = digits(piece, 0, 4);
    const auto month = digits(piece, 5, 2);
    const auto day = digits(piece, 8, 2);
    const auto hour = digits(piece, 11, 2);
    const auto minute = digits(piece, 13, 2);
    const auto second = digits(piece, 15, 2);
    if (!year || !month || !day || !hour || !minute || !second || *year == 0) {
        return std::nullopt;
    }
    const std::chrono::year_month_day calendarDay{std::chrono::year{*year},
                                                  std::chrono::month{static_cast<unsigned>(*month)},
                                                  std::chrono::day{static_cast<unsigned>(*day)}};
    if (!calendarDay.ok() || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    std::tm fields{};
    fields.tm_year = *year - 1900;
    fields.tm_mon = *month - 1;
    fields.tm_mday = *day;
    fields.tm_hour = *hour;
    fields.tm_min = *minute;
    fields.tm_sec = *second;
    fields.tm_isdst = -1;
    errno = 0;
    const std::time_t seconds = std::mktime(&fields);
    // -1 is also the valid second before 1970; only errno tells them apart.
    if (seconds == -1 && errno != 0) {
        return std::nullopt;
    }
    return std::chrono::system_clock::from_time_t(seconds);
}

}  // namespace

std::vector<LocalSnapshot> parse(std::string_view output) {
    std::vector<LocalSnapshot> snapshots;
    for (const auto line : lines(output)) {
        if (line.starts_with(marker)) {
            snapshots.push_back({std::string(line), date(line)});
        }
    }
    return snapshots;
}

std::optional<Date> date(std::string_view name) {
    const auto piece = datePiece(name);
    return piece ? localDate(*piece) : std::nullopt;
}

}  // namespace tandor::LocalSnapshotParser
