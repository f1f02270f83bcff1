#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <unordered_set>
#include <vector>

#include "TandorAssistant/JSONValue.hpp"
#include "TandorCore/JSONDecoding.hpp"

namespace tandor {
namespace {

TEST(JSONValueTests, DecodesEveryKindInItsOwnCase) {
    const auto value = JSONValue::decode(R"([1, true, "x", null, {"a": []}, 2.5, 0, "true"])");
    const auto expected =
        JSONValue::array({1, true, "x", nullptr, JSONValue::object({{"a", JSONValue::array({})}}),
                          JSONValue::number(2.5), 0, "true"});
    EXPECT_EQ(value, expected);
    const auto& elements = *value.arrayValue();
    EXPECT_FALSE(elements[6].boolValue()) << "0 is a number, never a bool";
    EXPECT_FALSE(elements[7].boolValue()) << "the word true in a string stays a string";
}

TEST(JSONValueTests, RefusesWhatIsNotOneJSONText) {
    for (const std::string& text :
         std::vector<std::string>{"", "[1,", "{\"a\"}", "\"\xff\"", "1e400", "nul", "1 2",
                                  std::string(300, '[') + std::string(300, ']')}) {
        EXPECT_THROW(JSONValue::decode(text), DecodingError) << text;
    }
}

TEST(JSONValueTests, WritesNumbersByTheIntegerRule) {
    const struct {
        double number;
        const char* text;
    } cases[] = {
        {15, "15"},
        {2.5, "2.5"},
        {-0.0, "0"},
        {-3, "-3"},
        {8'999'999'999'999'998.0, "8999999999999998"},
        {9'000'000'000'000'000.0, "9e+15"},
        {1e300, "1e+300"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(JSONValue::number(each.number).text(false), each.text) << each.number;
    }
    EXPECT_EQ(JSONValue(15).text(false), "15");
}

TEST(JSONValueTests, IntValueIsOnlyForIntegralNumbersInRange) {
    const struct {
        JSONValue value;
        std::optional<std::int64_t> expected;
    } cases[] = {
        {7, 7},
        {-3, -3},
        {JSONValue::number(1e15), 1'000'000'000'000'000},
        {JSONValue::number(7.5), std::nullopt},
        {JSONValue::number(std::nan("")), std::nullopt},
        {JSONValue::number(std::numeric_limits<double>::infinity()), std::nullopt},
        {JSONValue::number(1e300), std::nullopt},
        {JSONValue::number(-1e300), std::nullopt},
        {JSONValue::number(9'223'372'036'854'775'808.0), std::nullopt},
        {JSONValue::number(-9'223'372'036'854'775'808.0), std::numeric_limits<std::int64_t>::min()},
        {"7", std::nullopt},
        {true, std::nullopt},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(each.value.intValue(), each.expected) << each.value.text(false);
    }
}

TEST(JSONValueTests, SubscriptFindsMembersOfObjectsOnly) {
    const auto withNull = JSONValue::object({{"a", nullptr}});
    ASSERT_NE(withNull["a"], nullptr);
    EXPECT_EQ(*withNull["a"], JSONValue(nullptr));
    EXPECT_EQ(withNull["b"], nullptr);
    EXPECT_EQ(JSONValue::array({1})["a"], nullptr);
    EXPECT_EQ(JSONValue("a")["a"], nullptr);
    EXPECT_EQ(JSONValue(JSONValue::Object{})["a"], nullptr);
}

TEST(JSONValueTests, CompactTextIsOneSortedLineWithPlainSlashes) {
    const auto value = JSONValue::object({{"b", 1}, {"a", "x/y"}, {"c", "line\nbreak"}});
    EXPECT_EQ(value.text(false), R"({"a":"x/y","b":1,"c":"line\nbreak"})");
    const auto pretty = value.text(true);
    EXPECT_NE(pretty.find("\n  \"a\": \"x/y\""), std::string::npos) << pretty;
}

TEST(JSONValueTests, AnyNaNOrInfinityMakesTheWholeTextNull) {
    const auto nan = JSONValue::array({1, JSONValue::object({{"x", JSONValue::number(NAN)}})});
    EXPECT_EQ(nan.text(false), "null");
    EXPECT_EQ(nan.text(true), "null");
    EXPECT_EQ(JSONValue::number(-INFINITY).text(true), "null");
}

TEST(JSONValueTests, LaterKeyOfALiteralWins) {
    EXPECT_EQ(*JSONValue::object({{"k", 1}, {"k", 2}})["k"], JSONValue(2));
}

TEST(JSONValueTests, EqualityAndHashIgnoreMemberOrderAndNormalisation) {
    const auto first = JSONValue::decode(R"({"a": 1, "b": [true, "caf\u00e9"]})");
    const auto second = JSONValue::decode(R"({"b": [true, "cafe\u0301"], "a": 1.0})");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.hashValue(), second.hashValue());
    EXPECT_EQ(JSONValue::number(-0.0).hashValue(), JSONValue(0).hashValue());
    EXPECT_NE(JSONValue::number(NAN), JSONValue::number(NAN));
    EXPECT_NE(JSONValue(1), JSONValue(true));
    EXPECT_NE(JSONValue(nullptr), JSONValue(JSONValue::Object{}));
    const std::unordered_set<JSONValue> set{first, second, JSONValue(0)};
    EXPECT_EQ(set.size(), 2U);
}

TEST(JSONValueTests, FromConvertsAnyWritableValue) {
    const nlohmann::json record = {{"count", 3}, {"when", "2026-12-09T09:30:28Z"}};
    EXPECT_EQ(JSONValue::from(record),
              JSONValue::object({{"count", 3}, {"when", "2026-12-09T09:30:28Z"}}));
}

}  // namespace
}  // namespace tandor
