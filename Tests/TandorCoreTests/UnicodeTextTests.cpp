#include <gtest/gtest.h>

#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

const std::string composedCafe = "caf\xC3\xA9";     // é as one code point
const std::string decomposedCafe = "cafe\xCC\x81";  // e + combining acute

TEST(UnicodeText, ComparesCanonicalForms) {
    EXPECT_NE(composedCafe, decomposedCafe);
    EXPECT_TRUE(unicode::canonicallyEqual(composedCafe, decomposedCafe));
    EXPECT_EQ(unicode::composed(decomposedCafe), composedCafe);
    EXPECT_FALSE(unicode::canonicallyEqual("cafe", composedCafe));
    EXPECT_FALSE(unicode::canonicallyLess(composedCafe, decomposedCafe));
    EXPECT_TRUE(unicode::canonicallyLess("Z", "a"));
    // Decomposed bytes would sort before "cafz"; the composed é sorts after it.
    EXPECT_TRUE(unicode::canonicallyLess("cafz", decomposedCafe));
}

TEST(UnicodeText, LowercasesEveryScriptAndKeepsInvalidBytes) {
    EXPECT_EQ(unicode::lowercased("README.TXT"), "readme.txt");
    EXPECT_EQ(unicode::lowercased("\xC3\x80\xC3\x89\xCE\xA3"), "\xC3\xA0\xC3\xA9\xCF\x83");  // ÀÉΣ
    EXPECT_EQ(unicode::lowercased("A\xFF"
                                  "B"),
              "a\xFF"
              "b");
}

TEST(UnicodeText, CountsGraphemesAsPeopleSeeThem) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"", 0},
        {"abc", 3},
        {decomposedCafe, 4},
        {"\xF0\x9F\x87\xAE\xF0\x9F\x87\xB9", 1},  // a flag: two regional indicators
        {"\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7",
         1},  // ZWJ family
        {"a\xFF\xFE", 3},
    };
    for (const auto& [text, count] : cases) {
        EXPECT_EQ(unicode::graphemeCount(text), count) << text;
    }
}

TEST(UnicodeText, CutsAfterWholeGraphemes) {
    const std::string family =
        "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7";
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"abc", 2, "ab"},
        {"abc", 5, "abc"},
        {"abc", 0, ""},
        {decomposedCafe + "!", 4, decomposedCafe},
        {family + "x", 1, family},
        {"a\xFF"
         "b",
         2, "a\xFF"},
    };
    for (const auto& [text, count, prefix] : cases) {
        EXPECT_EQ(unicode::graphemePrefix(text, count), prefix) << text << " " << count;
    }
}

TEST(UnicodeText, ClassifiesLettersAndNumbers) {
    struct Case {
        char32_t codePoint;
        bool letter;
        bool number;
    };
    const Case cases[] = {
        {U'a', true, false},  {U'\u00E9', true, false}, {U'\u4E2D', true, false},
        {U'7', false, true},  {U'\u0663', false, true}, {U'\u00BD', false, true},
        {U' ', false, false}, {U'-', false, false},     {U'\U0001F600', false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unicode::isLetter(c.codePoint), c.letter) << static_cast<int>(c.codePoint);
        EXPECT_EQ(unicode::isNumber(c.codePoint), c.number) << static_cast<int>(c.codePoint);
    }
}

TEST(UnicodeText, ValidatesUTF8) {
    EXPECT_TRUE(unicode::isValidUTF8(composedCafe));
    EXPECT_FALSE(unicode::isValidUTF8("caf\xE9"));
    EXPECT_FALSE(unicode::isValidUTF8("\xC0\xAF"));  // overlong "/"
    EXPECT_EQ(unicode::composed("caf\xE9"), "caf\xE9");
}

}  // namespace
}  // namespace tandor
