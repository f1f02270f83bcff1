#include "TandorScanner/XmlElementReader.hpp"

#include <charconv>
#include <optional>

namespace tandor {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameEnd(char c) {
    return isSpace(c) || c == '/' || c == '>' || c == '=' || c == '<';
}

void appendUTF8(std::string& text, char32_t codePoint) {
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// "&#38;", "&#x26;": a code point that XML allows in a document.
std::optional<char32_t> characterReference(std::string_view digits) {
    int base = 10;
    if (digits.starts_with('x')) {
        base = 16;
        digits.remove_prefix(1);
    }
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    const bool valid = !digits.empty() && error == std::errc{} &&
                       end == digits.data() + digits.size() && value != 0 && value <= 0x10FFFF &&
                       (value < 0xD800 || value > 0xDFFF);
    return valid ? std::optional<char32_t>(value) : std::nullopt;
}

// The attribute value with its references resolved; absent when one is broken.
std::optional<std::string> resolvedValue(std::string_view raw) {
    std::string value;
    value.reserve(raw.size());
    while (!raw.empty()) {
        const auto amp = raw.find('&');
        value += raw.substr(0, amp);
        if (amp == std::string_view::npos) {
            break;
        }
        const auto semicolon = raw.find(';', amp);
        if (semicolon == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view name = raw.substr(amp + 1, semicolon - amp - 1);
        if (name == "amp") {
            value += '&';
        } else if (name == "lt") {
            value += '<';
        } else if (name == "gt") {
            value += '>';
        } else if (name == "quot") {
            value += '"';
        } else if (name == "apos") {
            value += '\'';
        } else if (const auto codePoint =
                       name.starts_with('#') ? characterReference(name.substr(1)) : std::nullopt) {
            appendUTF8(value, *codePoint);
        } else {
            return std::nullopt;
        }
        raw.remove_prefix(semicolon + 1);
    }
    return value;
}

class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    bool lookingAt(std::string_view prefix) const { return text_.substr(at_).starts_with(prefix); }
    char peek() const { return atEnd() ? '\0' : text_[at_]; }
    void advance(std::size_t count) { at_ += count; }
    void skipSpace() {
        while (!atEnd() && isSpace(text_[at_])) {
            ++at_;
        }
    }
    // Moves past the next occurrence of terminator; false when there is none.
    bool skipPast(std::string_view terminator) {
        const auto found = text_.find(terminator, at_);
        if (found == std::string_view::npos) {
            return false;
        }
        at_ = found + terminator.size();
        return true;
    }
    std::string_view name() {
        const std::size_t start = at_;
        while (!atEnd() && !isNameEnd(text_[at_])) {
            ++at_;
        }
        return text_.substr(start, at_ - start);
    }
    // A quoted value; absent when unquoted or unterminated.
    std::optional<std::string_view> quoted() {
        const char quote = peek();
        if (quote != '"' && quote != '\'') {
            return std::nullopt;
        }
        const auto end = text_.find(quote, at_ + 1);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view value = text_.substr(at_ + 1, end - at_ - 1);
        at_ = end + 1;
        return value;
    }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

class Reading {
  public:
    Reading(std::string_view document, const XmlElementReader::StartFunction& onStart,
            const XmlElementReader::EndFunction& onEnd)
        : cursor_(document), onStart_(onStart), onEnd_(onEnd) {}

    bool run() {
        if (cursor_.lookingAt("\xEF\xBB\xBF")) {
            cursor_.advance(3);
        }
        while (cursor_.skipPast("<")) {
            if (!markup()) {
                return false;
            }
        }
        return open_.empty() && rootsSeen_ == 1;
    }

  private:
    bool markup() {
        if (cursor_.lookingAt("?")) {
            return cursor_.skipPast("?>");
        }
        if (cursor_.lookingAt("!--")) {
            return cursor_.skipPast("-->");
        }
        if (cursor_.lookingAt("![CDATA[")) {
            return !open_.empty() && cursor_.skipPast("]]>");
        }
        if (cursor_.lookingAt("!DOCTYPE")) {
            return rootsSeen_ == 0 && cursor_.skipPast(">");
        }
        if (cursor_.lookingAt("/")) {
            cursor_.advance(1);
            return endTag();
        }
        return startTag();
    }

    bool endTag() {
        const std::string_view name = cursor_.name();
        cursor_.skipSpace();
        if (open_.empty() || open_.back() != name || cursor_.peek() != '>') {
            return false;
        }
        cursor_.advance(1);
        open_.pop_back();
        onEnd_(name);
        return true;
    }

    bool startTag() {
        XmlStartTag tag{.name = cursor_.name(), .attributes = {}};
        if (tag.name.empty() || (open_.empty() && rootsSeen_++ > 0)) {
            return false;
        }
        while (true) {
            cursor_.skipSpace();
            if (cursor_.lookingAt("/>")) {
                cursor_.advance(2);
                onStart_(tag);
                onEnd_(tag.name);
                return true;
            }
            if (cursor_.peek() == '>') {
                cursor_.advance(1);
                open_.push_back(tag.name);
                onStart_(tag);
                return true;
            }
            if (!attribute(tag)) {
                return false;
            }
        }
    }

    bool attribute(XmlStartTag& tag) {
        const std::string_view name = cursor_.name();
        cursor_.skipSpace();
        if (name.empty() || cursor_.peek() != '=') {
            return false;
        }
        cursor_.advance(1);
        cursor_.skipSpace();
        const auto raw = cursor_.quoted();
        if (!raw || raw->find('<') != std::string_view::npos) {
            return false;
        }
        auto value = resolvedValue(*raw);
        if (!value) {
            return false;
        }
        tag.attributes.emplace_back(name, std::move(*value));
        return true;
    }

    Cursor cursor_;
    const XmlElementReader::StartFunction& onStart_;
    const XmlElementReader::EndFunction& onEnd_;
    std::vector<std::string_view> open_;
    int rootsSeen_ = 0;
};

}  // namespace

const std::string* XmlStartTag::attribute(std::string_view attributeName) const {
    for (const auto& [name, value] : attributes) {
        if (name == attributeName) {
            return &value;
        }
    }
    return nullptr;
}

bool XmlElementReader::read(std::string_view document, const StartFunction& onStart,
                            const EndFunction& onEnd) {
    return Reading(document, onStart, onEnd).run();
}

}  // namespace tandor
