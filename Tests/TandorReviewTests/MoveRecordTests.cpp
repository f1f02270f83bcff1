#include <gtest/gtest.h>

#include "ReviewTestSupport.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorReview/MoveRecord.hpp"

namespace tandor {
namespace {

using testing::someDay;

TEST(MoveRecord, RoundTripsAndLeavesOutAnAbsentFolderAndAnEmptyLeftBehind) {
    const MoveRecord record("/home/u/caf\xE9.txt", "/home/u/Tandor/Later/caf\xE9.txt", 12,
                            std::nullopt, someDay);
    const nlohmann::json json = record;
    EXPECT_FALSE(json.contains("folderID"));
    EXPECT_FALSE(json.contains("leftBehind"));
    EXPECT_FALSE(json.contains("device"));
    EXPECT_EQ(json.get<MoveRecord>(), record);
    EXPECT_EQ(record.name(), "caf\xE9.txt");

    MoveRecord inFolder("/a", "/b/a", 1, UUID::random(), someDay);
    inFolder.undone = true;
    inFolder.leftBehind = {"/a/caf\xE9.txt", "/a/new"};
    inFolder.identity = FileIdentity{18446744073709551615u, 131};
    EXPECT_EQ(nlohmann::json(inFolder).get<MoveRecord>(), inFolder);
    EXPECT_NE(MoveRecord("/a", "/b/a", 1, std::nullopt, someDay).id,
              MoveRecord("/a", "/b/a", 1, std::nullopt, someDay).id);
}

TEST(MoveRecord, FolderAndLeftBehindMayBeMissingOrNullButEveryOtherKeyIsRequired) {
    const nlohmann::json json = MoveRecord("/a", "/b/a", 1, std::nullopt, someDay);
    nlohmann::json withNull = json;
    withNull["folderID"] = nullptr;
    withNull["leftBehind"] = nullptr;
    EXPECT_FALSE(withNull.get<MoveRecord>().folderID);
    EXPECT_TRUE(withNull.get<MoveRecord>().leftBehind.empty());
    nlohmann::json notAList = json;
    notAList["leftBehind"] = "/a/new";
    EXPECT_THROW(notAList.get<MoveRecord>(), DecodingError);
    // An identity is both numbers or none.
    nlohmann::json halfIdentity = json;
    halfIdentity["device"] = 2049;
    EXPECT_THROW(halfIdentity.get<MoveRecord>(), DecodingError);
    halfIdentity["inode"] = -1;
    EXPECT_THROW(halfIdentity.get<MoveRecord>(), DecodingError);
    for (const auto& key : {"id", "originalPath", "movedPath", "bytes", "date", "undone"}) {
        nlohmann::json missing = json;
        missing.erase(key);
        EXPECT_THROW(missing.get<MoveRecord>(), DecodingError) << key;
    }
}

}  // namespace
}  // namespace tandor
