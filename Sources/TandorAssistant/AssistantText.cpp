#include "TandorAssistant/AssistantText.hpp"

#include <utf8proc.h>

#include <array>

namespace tandor::assistantText {
namespace {

// Tab and the Unicode space separators (Zs).
constexpr std::array<std::string_view, 18> spaces{
    "\t",     " ",      "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004",
    "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200A", "\u202F", "\u205F", "\u3000"};
constexpr std::array<std::string_view, 7> newlines{"\n",     "\v",     "\f",    "\r",
                                                   "\u0085", "\u2028", "\u2029"};

template <typename... Sets>
std::string_view trimming(std::string_view text, const Sets&... sets) {
    const auto strip = [&text](const auto& set) {
        for (const auto piece : set) {
            if (text.starts_with(piece)) {
                text.remove_prefix(piece.size());
                return true;
            }
            if (text.ends_with(piece)) {
                text.remove_suffix(piece.size());
                return true;
            }
        }
        return false;
    };
    while (!text.empty() && (strip(sets) || ...)) {
    }
    return text;
}

}  // namespace

std::string_view trimmingWhitespace(std::string_view text) {
    return trimming(text, spaces);
}

std::string_view trimmingWhitespaceAndNewlines(std::string_view text) {
    return trimming(text, spaces, newlines);
}

}  // namespace tandor::assistantText
