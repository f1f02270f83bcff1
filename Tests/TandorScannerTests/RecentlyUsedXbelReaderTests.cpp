#include <gtest/gtest.h>

#include <fstream>

#include "TandorScanner/RecentlyUsedXbelReader.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using std::chrono::seconds;

Date at(std::int64_t unixSeconds) {
    return Date{} + seconds(unixSeconds);
}

// 1704067200 is 2024-01-01T00:00:00Z.
constexpr const char* list = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE xbel>
<xbel version="1.0"
      xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks"
      xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info">
  <!-- written by a desktop -->
  <bookmark href="file:///home/u/My%20Report.pdf" added="2023-12-01T00:00:00Z"
            modified="2024-01-01T00:00:00.250000Z" visited="2024-01-01T00:00:10Z">
    <title>Report &amp; notes</title>
    <info>
      <metadata owner="http://freedesktop.org">
        <mime:mime-type type="application/pdf"/>
        <bookmark:applications>
          <bookmark:application name="Viewer" exec="&apos;viewer %u&apos;"
                                modified="2024-01-01T02:00:00+01:00" count="2"/>
          <bookmark:application name="Old" exec="old" timestamp="1704067205" count="1"/>
        </bookmark:applications>
      </metadata>
    </info>
  </bookmark>
  <bookmark href="file://localhost/home/u/caf%E9.txt" modified="2024-01-02T00:00:00Z"/>
  <bookmark href="file:///home/u/caf%E9.txt" modified="2024-01-01T00:00:00Z"/>
  <bookmark href="https://example.com/x" modified="2024-01-03T00:00:00Z"/>
  <bookmark href="file://server/share/x" modified="2024-01-03T00:00:00Z"/>
  <bookmark href="file:///home/u/bad%2" modified="2024-01-03T00:00:00Z"/>
  <bookmark href="file:///home/u/nul%00x" modified="2024-01-03T00:00:00Z"/>
  <bookmark href="file:///home/u/undated"/>
  <bookmark href="file:///home/u/far-future" modified="9999-01-01T00:00:00Z"
            visited="2024-01-04T00:00:00Z"/>
</xbel>
)";

TEST(RecentlyUsedXbelReader, TakesTheLatestStampOfEachLocalFile) {
    const auto dates = RecentlyUsedXbelReader::parse(list);
    // The viewer's 02:00+01:00 is 01:00Z, later than every other stamp.
    EXPECT_EQ(dates.at("/home/u/My Report.pdf"), at(1704067200 + 3600));
    // The same file listed twice keeps the later date; the name stays raw bytes.
    EXPECT_EQ(dates.at("/home/u/caf\xE9.txt"), at(1704067200 + 86400));
    // A stamp no date can hold is ignored, the other one counts.
    EXPECT_EQ(dates.at("/home/u/far-future"), at(1704067200 + 3 * 86400));
    EXPECT_EQ(dates.size(), 3U) << "remote, broken and undated bookmarks give nothing";
}

TEST(RecentlyUsedXbelReader, GivesNothingForAListThatIsNotWellFormed) {
    const char* documents[] = {
        "",
        "not xml at all",
        R"(<xbel><bookmark href="file:///a" modified="2024-01-01T00:00:00Z"/>)",
        R"(<xbel><bookmark href="file:///a" modified="2024-01-01T00:00:00Z"></xbel>)",
        R"(<xbel><bookmark href=file:///a modified="2024-01-01T00:00:00Z"/></xbel>)",
        R"(<xbel><bookmark href="file:///a&bogus;" modified="2024-01-01T00:00:00Z"/></xbel>)",
        R"(<xbel/><xbel/>)",
        R"(<other><bookmark href="file:///a" modified="2024-01-01T00:00:00Z"/></other>)",
    };
    for (const char* document : documents) {
        EXPECT_TRUE(RecentlyUsedXbelReader::parse(document).empty()) << document;
    }
}

TEST(RecentlyUsedXbelReader, ReadsTheListInTheDataHomeOnce) {
    testing::FixtureHome home;
    const std::string listPath = home / ".local/share/recently-used.xbel";
    EXPECT_EQ(RecentlyUsedXbelReader::defaultListPath(), listPath);

    EXPECT_EQ(RecentlyUsedXbelReader().lastUsedDate("/home/u/My Report.pdf"), std::nullopt)
        << "no list yet";

    std::filesystem::create_directories(home / ".local/share");
    std::ofstream(listPath) << list;
    const RecentlyUsedXbelReader reader;
    std::filesystem::remove(listPath);
    EXPECT_EQ(reader.lastUsedDate("/home/u/My Report.pdf"), at(1704067200 + 3600));
    EXPECT_EQ(reader.lastUsedDate("/home/u/My Report.pdf/"), std::nullopt);
    EXPECT_EQ(reader.lastUsedDate("/home/u/other"), std::nullopt);

    std::filesystem::create_directories(listPath);
    EXPECT_EQ(RecentlyUsedXbelReader().lastUsedDate("/home/u/My Report.pdf"), std::nullopt)
        << "a list that cannot be read answers nothing and throws nothing";
}

}  // namespace
}  // namespace tandor
