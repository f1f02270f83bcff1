#include "TandorScanner/RecentlyUsedXbelReader.hpp"

#include <algorithm>
#include <charconv>
#include <exception>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorScanner/StatValues.hpp"
#include "TandorScanner/XmlElementReader.hpp"

namespace tandor {
namespace {

std::optional<int> hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

// The byte path of a local "file://" URI; absent for other schemes, remote
// hosts, broken escapes and escaped NUL bytes.
std::optional<std::string> localPath(std::string_view uri) {
    constexpr std::string_view scheme = "file://";
    if (!uri.starts_with(scheme)) {
        return std::nullopt;
    }
    uri.remove_prefix(scheme.size());
    const auto slash = uri.find('/');
    const std::string_view host = uri.substr(0, slash);
    if (slash == std::string_view::npos || (!host.empty() && host != "localhost")) {
        return std::nullopt;
    }
    uri.remove_prefix(slash);
    std::string path;
    path.reserve(uri.size());
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] != '%') {
            path += uri[i];
            continue;
        }
        const auto high = i + 2 < uri.size() ? hexDigit(uri[i + 1]) : std::nullopt;
        const auto low = i + 2 < uri.size() ? hexDigit(uri[i + 2]) : std::nullopt;
        if (!high || !low || (*high == 0 && *low == 0)) {
            return std::nullopt;
        }
        path += static_cast<char>(*high * 16 + *low);
        i += 2;
    }
    return path;
}

// The offset of a zone designator ("Z", "+02:00", "-0530"); absent when broken.
std::optional<std::chrono::minutes> zoneOffset(std::string_view zone) {
    if (zone == "Z") {
        return std::chrono::minutes{0};
    }
    if (zone.size() != 6 && zone.size() != 5) {
        return std::nullopt;
    }
    const int sign = zone[0] == '+' ? 1 : zone[0] == '-' ? -1 : 0;
    const std::string digits = zone.size() == 6 && zone[3] == ':'
                                   ? std::string(zone.substr(1, 2)) + std::string(zone.substr(4, 2))
                                   : std::string(zone.substr(1));
    int hours = 0;
    int minutes = 0;
    if (sign == 0 || digits.size() != 4 ||
        std::from_chars(digits.data(), digits.data() + 2, hours).ptr != digits.data() + 2 ||
        std::from_chars(digits.data() + 2, digits.data() + 4, minutes).ptr != digits.data() + 4 ||
        hours > 23 || minutes > 59) {
        return std::nullopt;
    }
    return std::chrono::minutes{sign * (hours * 60 + minutes)};
}

// Years whose dates a Date holds with room for a zone offset either way.
bool withinDateRange(std::string_view yearDigits) {
    int year = 0;
    const auto [end, error] =
        std::from_chars(yearDigits.data(), yearDigits.data() + yearDigits.size(), year);
    return error == std::errc{} && end == yearDigits.data() + yearDigits.size() && year > 1678 &&
           year < 2262;
}

// "2024-03-01T10:20:30Z", with an optional fraction of a second and any zone.
std::optional<Date> isoStamp(std::string_view text) {
    constexpr std::size_t wholeSeconds = 19;
    if (text.size() <= wholeSeconds || !withinDateRange(text.substr(0, 4))) {
        return std::nullopt;
    }
    const auto base = parseISO8601(std::string(text.substr(0, wholeSeconds)) + "Z");
    if (!base) {
        return std::nullopt;
    }
    std::string_view rest = text.substr(wholeSeconds);
    std::chrono::nanoseconds fraction{0};
    if (rest.starts_with('.')) {
        rest.remove_prefix(1);
        std::int64_t scale = 100'000'000;
        std::size_t digits = 0;
        for (; digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9'; ++digits) {
            fraction += std::chrono::nanoseconds{(rest[digits] - '0') * scale};
            scale /= 10;
        }
        if (digits == 0) {
            return std::nullopt;
        }
        rest.remove_prefix(digits);
    }
    const auto offset = zoneOffset(rest);
    if (!offset) {
        return std::nullopt;
    }
    return *base + std::chrono::duration_cast<Date::duration>(fraction) - *offset;
}

// The older form of an application's stamp: whole seconds since 1970.
std::optional<Date> secondsStamp(std::string_view text) {
    std::int64_t seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return stat_values::date(seconds, 0);
}

// Collects one bookmark's stamps between its start and end tags.
class BookmarkCollector {
  public:
    void start(const XmlStartTag& tag) {
        if (tag.name == "bookmark") {
            inBookmark_ = true;
            latest_.reset();
            path_ = tag.attribute("href") ? localPath(*tag.attribute("href")) : std::nullopt;
            consider(tag.attribute("modified"), isoStamp);
            consider(tag.attribute("visited"), isoStamp);
        } else if (inBookmark_ && tag.name == "bookmark:application") {
            consider(tag.attribute("modified"), isoStamp);
            consider(tag.attribute("timestamp"), secondsStamp);
        }
    }

    void end(std::string_view name) {
        if (name != "bookmark" || !inBookmark_) {
            return;
        }
        inBookmark_ = false;
        if (path_ && latest_) {
            auto [entry, inserted] = dates_.try_emplace(std::move(*path_), *latest_);
            if (!inserted) {
                entry->second = std::max(entry->second, *latest_);
            }
        }
    }

    std::unordered_map<std::string, Date> take() { return std::move(dates_); }

  private:
    void consider(const std::string* text, std::optional<Date> (*parse)(std::string_view)) {
        const auto stamp = text ? parse(*text) : std::nullopt;
        if (stamp && (!latest_ || *stamp > *latest_)) {
            latest_ = stamp;
        }
    }

    std::unordered_map<std::string, Date> dates_;
    bool inBookmark_ = false;
    std::optional<std::string> path_;
    std::optional<Date> latest_;
};

std::unordered_map<std::string, Date> loadList(const std::string& listPath) {
    try {
        const auto document = readFileIfPresent(listPath);
        return document ? RecentlyUsedXbelReader::parse(*document)
                        : std::unordered_map<std::string, Date>{};
    } catch (const std::exception&) {
        // An unreadable list is the same as no list: every date is optional.
        return {};
    }
}

}  // namespace

RecentlyUsedXbelReader::RecentlyUsedXbelReader() : RecentlyUsedXbelReader(defaultListPath()) {
}

RecentlyUsedXbelReader::RecentlyUsedXbelReader(const std::string& listPath)
    : dates_(loadList(listPath)) {
}

std::string RecentlyUsedXbelReader::defaultListPath() {
    // The support folder is the data home's "Tandor" folder.
    return paths::join(paths::deletingLastComponent(supportFolderPath()), "recently-used.xbel");
}

std::unordered_map<std::string, Date> RecentlyUsedXbelReader::parse(std::string_view document) {
    BookmarkCollector collector;
    std::optional<bool> isList;
    const bool wellFormed = XmlElementReader::read(
        document,
        [&](const XmlStartTag& tag) {
            if (!isList) {
                isList = tag.name == "xbel";
            }
            collector.start(tag);
        },
        [&](std::string_view name) { collector.end(name); });
    if (!wellFormed || isList != true) {
        return {};
    }
    return collector.take();
}

std::optional<Date> RecentlyUsedXbelReader::lastUsedDate(const std::string& path) const {
    const auto found = dates_.find(path);
    if (found == dates_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace tandor
