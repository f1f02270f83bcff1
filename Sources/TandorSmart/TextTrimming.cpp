#include "TandorSmart/TextTrimming.hpp"

#include <utf8proc.h>

#include <algorithm>

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
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    std::size_t start = text.size();
    std::size_t end = 0;
    std::size_t offset = 0;
    while (offset < text.size()) {
        utf8proc_int32_t codePoint = -1;
        const auto length = utf8proc_iterate(
            bytes + offset, static_cast<utf8proc_ssize_t>(text.size() - offset), &codePoint);
        const std::size_t size = length > 0 ? static_cast<std::size_t>(length) : 1;
        if (length <= 0 || !isWhiteSpace(codePoint)) {
            start = std::min(start, offset);
            end = offset + size;
        }
        offset += size;
    }
    return start < end ? text.substr(start, end - start) : std::string_view();
}

}  // namespace tandor
