#include <gtest/gtest.h>

#include "TandorCore/Date.hpp"

namespace tandor {
namespace {

using namespace std::chrono;

TEST(Date, WritesWholeSecondsInUTC) {
    EXPECT_EQ(iso8601String(Date{}), "1970-01-01T00:00:00Z");
    EXPECT_EQ(iso8601String(Date{seconds{1796909542}}), "2026-12-10T13:32:22Z");
    EXPECT_EQ(iso8601String(Date{seconds{1796909542} + milliseconds{999}}), "2026-12-10T13:32:22Z");
    // Before 1970 the fraction still rounds toward the past.
    EXPECT_EQ(iso8601String(Date{milliseconds{-1}}), "1969-12-31T23:59:59Z");
    EXPECT_EQ(iso8601String(Date{sys_days{2024y / February / 29}}), "2024-02-29T00:00:00Z");
}

TEST(Date, ParsesWhatItWrites) {
    for (const auto date : {Date{}, Date{seconds{1796909542}}, Date{seconds{-86401}},
                            Date{floor<seconds>(Date::max())}, Date{ceil<seconds>(Date::min())},
                            Date{sys_days{2024y / February / 29} + hours{23} + minutes{59}}}) {
        EXPECT_EQ(parseISO8601(iso8601String(date)), date) << iso8601String(date);
    }
}

TEST(Date, RejectsAnythingElse) {
    const char* invalid[] = {
        "",
        "2026-12-10",
        "2026-12-10T13:32:22",
        "2026-12-10T13:32:22.5Z",
        "2026-12-10T13:32:22+01:00",
        "2026-12-10 13:32:22Z",
        "2026-13-10T13:32:22Z",
        "2026-02-30T13:32:22Z",
        "2025-02-29T00:00:00Z",
        "2026-12-10T24:00:00Z",
        "2026-12-10T13:60:00Z",
        "2026-12-10T13:32:60Z",
        "+026-12-10T13:32:22Z",
        "2026-1a-10T13:32:22Z",
        "9999-01-01T00:00:00Z",
        "0000-01-01T00:00:00Z",
        "1600-01-01T00:00:00Z",
    };
    for (const char* text : invalid) {
        EXPECT_FALSE(parseISO8601(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace tandor
