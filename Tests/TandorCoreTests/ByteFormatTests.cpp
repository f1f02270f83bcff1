#include <gtest/gtest.h>

#include <clocale>

#include "TandorCore/ByteFormat.hpp"

namespace tandor {
namespace {

struct ByteCase {
    std::int64_t bytes;
    const char* text;
};

TEST(ByteFormat, FormatsDecimalUnitsWithOneDecimalAtMost) {
    const ByteCase cases[] = {
        {0, "0 bytes"},
        {1, "1 bytes"},
        {-5000, "-5000 bytes"},
        {999, "999 bytes"},
        {1000, "1 KB"},
        {1049, "1 KB"},
        {1050, "1.1 KB"},
        {1500, "1.5 KB"},
        {1950, "2 KB"},
        {999499, "999.5 KB"},
        {999949, "999.9 KB"},
        {999950, "1 MB"},
        {1000000, "1 MB"},
        {1234567, "1.2 MB"},
        {1250000, "1.3 MB"},
        {15500000, "15.5 MB"},
        {5368709120, "5.4 GB"},
        {1000000000000, "1 TB"},
        {999950000000000, "1 PB"},
        {999950000000000000, "1000 PB"},
        {9223372036854775807, "9223.4 PB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ByteFormat::string(c.bytes), c.text) << c.bytes;
    }
}

TEST(ByteFormat, IgnoresALocaleWithADecimalComma) {
    const char* commaLocales[] = {"it_IT.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"};
    const char* chosen = nullptr;
    for (const char* name : commaLocales) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string text = ByteFormat::string(1500);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text, "1.5 KB") << chosen;
}

}  // namespace
}  // namespace tandor
