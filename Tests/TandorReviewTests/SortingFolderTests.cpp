#include <gtest/gtest.h>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorReview/SortingFolder.hpp"
#include "TestSupport/TimeZone.hpp"

namespace tandor {
namespace {

using namespace std::chrono_literals;
using testing::TimeZone;

Date at(const char* iso) {
    return *parseISO8601(iso);
}

SortingFolder folderWith(SortingFate fate, Date createdAt) {
    return {UUID::random(), "Later", "/home/u/Tandor/Later", true, std::move(fate), createdAt};
}

TEST(SortingFolder, OnlyPileAfterHasADueDate) {
    for (const auto& fate : {SortingFate::keep(), SortingFate::moveTo("/home/u/Archive")}) {
        const auto folder = folderWith(fate, at("2025-01-01T10:00:00Z"));
        EXPECT_FALSE(folder.dueDate());
        EXPECT_FALSE(folder.daysLeft(at("2030-01-01T00:00:00Z")));
        EXPECT_FALSE(folder.isDue(at("2030-01-01T00:00:00Z")));
    }
}

TEST(SortingFolder, FallsDueAtTheSameTimeOfDayAndCountsPartDaysAsWhole) {
    const TimeZone utc("UTC0");
    const auto folder = folderWith(SortingFate::pileAfter(7), at("2025-01-01T10:00:00Z"));
    const Date due = at("2025-01-08T10:00:00Z");
    EXPECT_EQ(folder.dueDate(), due);
    EXPECT_FALSE(folder.isDue(due - 1s));
    EXPECT_TRUE(folder.isDue(due));

    const std::vector<std::pair<std::chrono::seconds, std::int64_t>> daysLeft = {
        {-1h, 0}, {0s, 0}, {1s, 1}, {86400s, 1}, {86401s, 2}, {36h, 2}, {7 * 24h, 7}};
    for (const auto& [toGo, days] : daysLeft) {
        EXPECT_EQ(folder.daysLeft(due - toGo), days) << toGo.count();
    }

    const auto now = folderWith(SortingFate::pileAfter(0), at("2025-01-01T10:00:00Z"));
    EXPECT_TRUE(now.isDue(now.createdAt));
    EXPECT_EQ(now.daysLeft(now.createdAt), 0);
}

TEST(SortingFolder, AddsCalendarDaysInTheLocalZone) {
    const TimeZone rome("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(folderWith(SortingFate::pileAfter(30), at("2025-01-31T09:00:00Z")).dueDate(),
              at("2025-03-02T09:00:00Z"));
    EXPECT_EQ(folderWith(SortingFate::pileAfter(30), at("2024-01-31T09:00:00Z")).dueDate(),
              at("2024-03-01T09:00:00Z"));
    // 10:00 local on both sides of the spring change: a day of 23 hours.
    EXPECT_EQ(folderWith(SortingFate::pileAfter(1), at("2025-03-29T09:00:00Z")).dueDate(),
              at("2025-03-30T08:00:00Z"));
    for (const std::int64_t beyondTheClock : {std::int64_t{200'000}, INT64_MAX, -INT64_MAX}) {
        EXPECT_FALSE(folderWith(SortingFate::pileAfter(beyondTheClock), at("2025-01-01T00:00:00Z"))
                         .dueDate());
    }
}

TEST(SortingFate, WritesOneKeyNamedAfterTheCase) {
    EXPECT_EQ(nlohmann::json(SortingFate::keep()).dump(), R"({"keep":{}})");
    EXPECT_EQ(nlohmann::json(SortingFate::moveTo("/a/b")).dump(), R"({"moveTo":{"_0":"/a/b"}})");
    EXPECT_EQ(nlohmann::json(SortingFate::pileAfter(30)).dump(), R"({"pileAfter":{"days":30}})");
    for (const auto& fate :
         {SortingFate::keep(), SortingFate::moveTo("/caf\xE9"), SortingFate::pileAfter(-3)}) {
        EXPECT_EQ(nlohmann::json(fate).get<SortingFate>(), fate);
    }
}

TEST(SortingFate, DecodesExactlyOneKnownCase) {
    EXPECT_EQ(nlohmann::json::parse(R"({"keep": {"x": 1}, "other": 2})").get<SortingFate>(),
              SortingFate::keep());
    for (const char* text : {"{}", R"({"other": {}})", R"({"keep": {}, "moveTo": {"_0": "/a"}})"}) {
        try {
            nlohmann::json::parse(text).get<SortingFate>();
            ADD_FAILURE() << text;
        } catch (const DecodingError& error) {
            EXPECT_STREQ(error.what(), "Invalid number of keys found, expected one.");
        }
    }
    for (const char* text :
         {R"({"moveTo": {}})", R"({"moveTo": "/a"})", R"({"pileAfter": {"days": "3"}})",
          R"({"pileAfter": {"days": 1.5}})", "[]"}) {
        EXPECT_THROW(nlohmann::json::parse(text).get<SortingFate>(), DecodingError) << text;
    }
}

TEST(SortingFolder, RoundTripsAndRequiresAllSixKeys) {
    SortingFolder folder = folderWith(SortingFate::pileAfter(3), at("2025-01-01T10:00:00Z"));
    folder.path = "/home/u/caf\xE9";
    const nlohmann::json json = folder;
    EXPECT_EQ(json.get<SortingFolder>(), folder);
    EXPECT_EQ(json.at("id").get<std::string>(), folder.id.string());
    for (const auto& key : {"id", "name", "path", "isTemporary", "fate", "createdAt"}) {
        nlohmann::json missing = json;
        missing.erase(key);
        EXPECT_THROW(missing.get<SortingFolder>(), DecodingError) << key;
    }
    SortingFolder renamed = folder;
    renamed.name = "Other";
    EXPECT_NE(renamed, folder);
}

}  // namespace
}  // namespace tandor
