#include "TandorCore/UnicodeText.hpp"

#include <utf8proc.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace tandor::unicode {
namespace {

const auto* bytesOf(std::string_view text) {
    return reinterpret_cast<const utf8proc_uint8_t*>(text.data());
}

void appendCodePoint(std::string& out, utf8proc_int32_t codePoint) {
    utf8proc_uint8_t buffer[4];
    const auto length = utf8proc_encode_char(codePoint, buffer);
    out.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
}

// The byte offsets at which the first limit grapheme clusters of text start.
std::vector<std::size_t> clusterStarts(std::string_view text, std::size_t limit) {
    std::vector<std::size_t> starts;
    utf8proc_int32_t previous = -1;
    utf8proc_int32_t state = 0;
    std::size_t offset = 0;
    while (offset < text.size() && starts.size() < limit) {
        utf8proc_int32_t codePoint = 0;
        const auto length =
            utf8proc_iterate(bytesOf(text) + offset,
                             static_cast<utf8proc_ssize_t>(text.size() - offset), &codePoint);
        const bool valid = length > 0;
        if (previous < 0 || !valid ||
            utf8proc_grapheme_break_stateful(previous, codePoint, &state)) {
            starts.push_back(offset);
        }
        if (!valid) {
            codePoint = -1;
            state = 0;
        }
        previous = codePoint;
        offset += valid ? static_cast<std::size_t>(length) : 1;
    }
    return starts;
}

}  // namespace

void forEachCodePoint(std::string_view text,
                      const std::function<void(std::int32_t, std::string_view)>& body) {
    std::size_t offset = 0;
    while (offset < text.size()) {
        utf8proc_int32_t codePoint = 0;
        const auto length =
            utf8proc_iterate(bytesOf(text) + offset,
                             static_cast<utf8proc_ssize_t>(text.size() - offset), &codePoint);
        const std::size_t consumed = length > 0 ? static_cast<std::size_t>(length) : 1;
        body(length > 0 ? codePoint : -1, text.substr(offset, consumed));
        offset += consumed;
    }
}

bool isValidUTF8(std::string_view text) {
    bool valid = true;
    forEachCodePoint(text, [&](utf8proc_int32_t codePoint, std::string_view) {
        valid = valid && codePoint >= 0;
    });
    return valid;
}

std::string composed(std::string_view text) {
    if (!isValidUTF8(text)) {
        return std::string(text);
    }
    utf8proc_uint8_t* result = nullptr;
    const auto length =
        utf8proc_map(bytesOf(text), static_cast<utf8proc_ssize_t>(text.size()), &result,
                     static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owner(result, &std::free);
    if (length < 0) {
        return std::string(text);
    }
    return std::string(reinterpret_cast<const char*>(result), static_cast<std::size_t>(length));
}

bool canonicallyEqual(std::string_view a, std::string_view b) {
    return a == b || composed(a) == composed(b);
}

bool canonicallyLess(std::string_view a, std::string_view b) {
    // Byte order of UTF-8 is the order of the code points it encodes.
    return composed(a) < composed(b);
}

std::string lowercased(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    forEachCodePoint(text, [&](utf8proc_int32_t codePoint, std::string_view bytes) {
        if (codePoint < 0) {
            out.append(bytes);
        } else {
            appendCodePoint(out, utf8proc_tolower(codePoint));
        }
    });
    return out;
}

std::size_t graphemeCount(std::string_view text) {
    return clusterStarts(text, text.size()).size();
}

std::string graphemePrefix(std::string_view text, std::size_t count) {
    const auto starts = clusterStarts(text, count + 1);
    return std::string(starts.size() <= count ? text : text.substr(0, starts[count]));
}

bool isLetter(char32_t codePoint) {
    switch (utf8proc_category(static_cast<utf8proc_int32_t>(codePoint))) {
        case UTF8PROC_CATEGORY_LU:
        case UTF8PROC_CATEGORY_LL:
        case UTF8PROC_CATEGORY_LT:
        case UTF8PROC_CATEGORY_LM:
        case UTF8PROC_CATEGORY_LO:
            return true;
        default:
            return false;
    }
}

bool isNumber(char32_t codePoint) {
    switch (utf8proc_category(static_cast<utf8proc_int32_t>(codePoint))) {
        case UTF8PROC_CATEGORY_ND:
        case UTF8PROC_CATEGORY_NL:
        case UTF8PROC_CATEGORY_NO:
            return true;
        default:
            return false;
    }
}

}  // namespace tandor::unicode
