#include <gtest/gtest.h>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

TEST(PathJSON, ValidUTF8IsWrittenAsItIs) {
    for (const std::string path : {"/home/u/report.pdf", "/home/u/100%.txt", "/caf\xC3\xA9", ""}) {
        EXPECT_EQ(pathToJSON(path), nlohmann::json(path)) << path;
    }
}

TEST(PathJSON, EveryByteStringSurvivesATextRoundTrip) {
    const std::string cases[] = {
        "/home/u/caf\xE9.txt",
        "/home/u/100%\xFF",
        "/x/%41\x80",
        std::string("\0/leading-nul", 13),
        std::string("\0", 1),
        "\xC0\xAF",
        "/ok/caf\xC3\xA9/\xED\xA0\x80",  // an encoded surrogate is not valid UTF-8
    };
    for (const auto& path : cases) {
        const std::string text = nlohmann::json{{"path", pathToJSON(path)}}.dump();
        const auto decoded = nlohmann::json::parse(text);
        EXPECT_EQ(textFromJSON(decoded.at("path")), path) << text;
        if (!paths::holdsNul(path)) {
            EXPECT_EQ(pathFromJSON(decoded.at("path")), path) << text;
        }
    }
}

TEST(PathJSON, APathHoldingANulIsNotDecodedButTextKeepsIt) {
    using namespace std::string_literals;
    const struct {
        std::string stored;
        std::string text;
    } cases[] = {
        {"/home/u/docs\0"s, "/home/u/docs\0"s},
        {"\0/home/u/docs%00"s, "/home/u/docs\0"s},
        {"\0/home/u/\0/caf%E9"s, "/home/u/\0/caf\xE9"s},
    };
    for (const auto& each : cases) {
        EXPECT_THROW(pathFromJSON(nlohmann::json(each.stored)), DecodingError) << each.stored;
        EXPECT_EQ(textFromJSON(nlohmann::json(each.stored)), each.text);
    }
}

TEST(PathJSON, EscapedFormIsReadable) {
    EXPECT_EQ(pathToJSON("/a/caf\xE9%"), nlohmann::json(std::string("\0/a/caf%E9%25", 13)));
}

TEST(PathJSON, RejectsMalformedInput) {
    const nlohmann::json malformed[] = {
        nlohmann::json(42),
        nlohmann::json(nullptr),
        nlohmann::json(std::string("\0/a%4", 5)),
        nlohmann::json(std::string("\0/a%zz", 6)),
        nlohmann::json(std::string("\0/a%", 4)),
    };
    for (const auto& value : malformed) {
        EXPECT_THROW(pathFromJSON(value), DecodingError) << value.dump();
    }
}

}  // namespace
}  // namespace tandor
