#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Unicode helpers for text that is not a path (names typed by people, rule
// words, assistant text). Bytes that are not valid UTF-8 are kept as they are
// and count as one character each, so no helper ever fails.
namespace tandor::unicode {

bool isValidUTF8(std::string_view text);

// The canonically composed form (NFC).
std::string composed(std::string_view text);

// True when the two texts are canonically equivalent.
bool canonicallyEqual(std::string_view a, std::string_view b);

// Orders texts by the Unicode scalar values of their composed forms.
bool canonicallyLess(std::string_view a, std::string_view b);

// Simple (one-to-one) lowercase mapping of every code point.
std::string lowercased(std::string_view text);

// Calls body with each code point of text and its bytes; a byte that is not
// part of valid UTF-8 comes alone, with the code point -1.
void forEachCodePoint(
    std::string_view text,
    const std::function<void(std::int32_t codePoint, std::string_view bytes)>& body);

// The number of extended grapheme clusters, what a person counts as characters.
std::size_t graphemeCount(std::string_view text);

// The first count grapheme clusters of text (all of it when it has fewer).
std::string graphemePrefix(std::string_view text, std::size_t count);

bool isLetter(char32_t codePoint);
bool isNumber(char32_t codePoint);

}  // namespace tandor::unicode
