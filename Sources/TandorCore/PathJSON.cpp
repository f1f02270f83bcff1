#include "TandorCore/PathJSON.hpp"

#include <utf8proc.h>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

constexpr char escapeMarker = '\0';
constexpr std::string_view hexDigits = "0123456789ABCDEF";

// The length of the valid UTF-8 sequence at the start of text, or 0.
std::size_t validSequenceLength(std::string_view text) {
    utf8proc_int32_t codePoint = 0;
    const auto length = utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                                         static_cast<utf8proc_ssize_t>(text.size()), &codePoint);
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

bool needsEscaping(std::string_view text) {
    if (!text.empty() && text.front() == escapeMarker) {
        return true;
    }
    while (!text.empty()) {
        const std::size_t length = validSequenceLength(text);
        if (length == 0) {
            return true;
        }
        text.remove_prefix(length);
    }
    return false;
}

void appendEscapedByte(std::string& out, unsigned char byte) {
    out += '%';
    out += hexDigits[byte >> 4];
    out += hexDigits[byte & 0x0F];
}

int hexValue(char digit) {
    const auto position = hexDigits.find(digit);
    return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

}  // namespace

nlohmann::json pathToJSON(std::string_view path) {
    if (!needsEscaping(path)) {
        return std::string(path);
    }
    std::string escaped(1, escapeMarker);
    while (!path.empty()) {
        const std::size_t length = validSequenceLength(path);
        if (length == 0 || path.front() == '%' || path.front() == escapeMarker) {
            appendEscapedByte(escaped, static_cast<unsigned char>(path.front()));
            path.remove_prefix(1);
        } else {
            escaped.append(path.substr(0, length));
            path.remove_prefix(length);
        }
    }
    return escaped;
}

std::string pathFromJSON(const nlohmann::json& value) {
    std::string path = textFromJSON(value);
    if (paths::holdsNul(path)) {
        throw DecodingError("A path holds a NUL byte");
    }
    return path;
}

std::string textFromJSON(const nlohmann::json& value) {
    if (!value.is_string()) {
        throw DecodingError("Expected a path string");
    }
    const auto& text = value.get_ref<const std::string&>();
    if (text.empty() || text.front() != escapeMarker) {
        return text;
    }
    std::string path;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != '%') {
            path += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) {
            throw DecodingError("Malformed escaped path");
        }
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return path;
}

}  // namespace tandor
