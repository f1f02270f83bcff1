#include "TandorSmart/TextTrimming.hpp"

#include <utf8proc.h>

#include <algorithm>

#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

bool isWhiteSpace(utf8proc_int32_t codePoint) {
    if ((codePoint >= 0x09 && codePoint <= 0x0D) || codePoint == 0x85) {
        return true;
    }
    switch (utf8proc_category(codePoint)) {
        case UTF8PROC_CATEGORY_ZS:
        case UTF8PROC_CATEGORY_ZL:
        case UTF8PROC_CATEGORY_ZP:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string_view trimmingWhiteSpace(std::string_view text) {
    std::size_t start = text.size();
    std::size_t end = 0;
    unicode::forEachCodePoint(text, [&](std::int32_t codePoint, std::string_view bytes) {
        if (codePoint < 0 || !isWhiteSpace(codePoint)) {
            const auto offset = static_cast<std::size_t>(bytes.data() - text.data());
            start = std::min(start, offset);
            end = offset + bytes.size();
        }
    });
    return start < end ? text.substr(start, end - start) : std::string_view();
}

}  // namespace tandor
