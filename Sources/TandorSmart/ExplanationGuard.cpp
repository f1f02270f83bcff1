#include "TandorSmart/ExplanationGuard.hpp"

#include <utf8proc.h>

#include <algorithm>
#include <array>

#include "TandorCore/UnicodeText.hpp"
#include "TandorSmart/TextTrimming.hpp"

namespace tandor::ExplanationGuard {
namespace {

constexpr std::size_t maximumLength = 400;

constexpr std::array<std::string_view, 4> safePhrases{"safe to remove", "safe to delete",
                                                      "safely remove", "safely delete"};

// One user-perceived character: its bytes and its first code point (-1 for a
// byte that is not UTF-8, which stands alone).
struct Character {
    std::size_t offset;
    std::size_t length;
    utf8proc_int32_t first;
};

std::vector<Character> characters(std::string_view text) {
    std::vector<Character> found;
    utf8proc_int32_t previous = -1;
    utf8proc_int32_t state = 0;
    unicode::forEachCodePoint(text, [&](std::int32_t codePoint, std::string_view bytes) {
        if (found.empty() || previous < 0 || codePoint < 0 ||
            utf8proc_grapheme_break_stateful(previous, codePoint, &state)) {
            found.push_back(
                {static_cast<std::size_t>(bytes.data() - text.data()), bytes.size(), codePoint});
        } else {
            found.back().length += bytes.size();
        }
        if (codePoint < 0) {
            state = 0;
        }
        previous = codePoint;
    });
    return found;
}

bool callsItSafe(std::string_view answer) {
    const std::string lowered = unicode::lowercased(answer);
    const bool safe = std::any_of(safePhrases.begin(), safePhrases.end(), [&](auto phrase) {
        return lowered.find(phrase) != std::string::npos;
    });
    return safe && lowered.find("not safe") == std::string::npos;
}

}  // namespace

bool accepts(std::string_view answer, const ExplanationFacts& facts) {
    const std::string_view trimmed = trimmingWhiteSpace(answer);
    if (trimmed.empty() || unicode::graphemeCount(trimmed) > maximumLength) {
        return false;
    }
    const std::string block = facts.text();
    for (const auto& token : numbers(trimmed)) {
        if (block.find(token) == std::string::npos) {
            return false;
        }
    }
    return facts.safety != SafetyLevel::needsReview || !callsItSafe(trimmed);
}

std::vector<std::string> numbers(std::string_view text) {
    std::vector<std::string> tokens;
    std::string token;
    const auto finish = [&] {
        if (token.ends_with('.')) {
            token.pop_back();
        }
        if (!token.empty()) {
            tokens.push_back(token);
        }
        token.clear();
    };
    for (const auto& character : characters(text)) {
        const std::string_view bytes = text.substr(character.offset, character.length);
        if (character.first >= 0 && unicode::isNumber(static_cast<char32_t>(character.first))) {
            token += bytes;
        } else if (bytes == "." && !token.empty()) {
            token += '.';
        } else {
            finish();
        }
    }
    finish();
    return tokens;
}

}  // namespace tandor::ExplanationGuard
