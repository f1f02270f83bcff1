#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include "SmartTestSupport.hpp"
#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorScanner/RecentListOrAccessTimeReader.hpp"
#include "TandorSmart/AutomationEvaluator.hpp"

namespace tandor {
namespace {

using namespace testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Condition = AutomationRule::Condition;

constexpr std::int64_t MB = 1'000'000;

std::vector<std::string> pathsOf(const AutomationPreview& preview) {
    std::vector<std::string> paths;
    for (const auto& item : preview.items) {
        paths.push_back(item.path);
    }
    return paths;
}

FileNodePtr downloadsTree() {
    const Date now = fixedNow();
    return homeTree({folder("Downloads", {
                                             file("noext", 20),
                                             file("a.dmg", 100, daysBefore(now, 40)),
                                             file("Photo.JPG", 50),
                                             file("archive.tar.gz", 30),
                                             file(".hidden.dmg", 10),
                                             file("empty.dmg", 0),
                                             folder("Sub", {file("x.zip", 70)}),
                                             folder(".cache", {file("y.zip", 5)}),
                                         })});
}

AutomationPreview previewOf(const AutomationRule& rule, const FileNodePtr& tree,
                            std::shared_ptr<const LastUsedReader> reader = readerOf()) {
    return AutomationEvaluator(std::move(reader), BuiltInRules::all())
        .preview(rule, tree, contextAt(fixedNow()));
}

TEST(AutomationEvaluator, TopLevelCandidatesAreVisibleNonEmptyChildrenFoldersIncluded) {
    const auto preview = previewOf(filesRule(filterOn("Downloads")), downloadsTree());
    EXPECT_THAT(pathsOf(preview),
                ElementsAre("/home/u/Downloads/a.dmg", "/home/u/Downloads/Sub",
                            "/home/u/Downloads/Photo.JPG", "/home/u/Downloads/archive.tar.gz",
                            "/home/u/Downloads/noext"));
    EXPECT_EQ(preview.items[1].bytes, 70);
    EXPECT_EQ(preview.items[0].modificationDate, daysBefore(fixedNow(), 40));
    EXPECT_EQ(preview.ruleID, "rule.a");
    EXPECT_EQ(preview.date, fixedNow());
}

TEST(AutomationEvaluator, WithSubfoldersOnlyFilesOutsideHiddenFoldersCount) {
    const auto preview =
        previewOf(filesRule(filterOn("Downloads", {}, {}, {}, true)), downloadsTree());
    EXPECT_THAT(pathsOf(preview),
                ElementsAre("/home/u/Downloads/a.dmg", "/home/u/Downloads/Sub/x.zip",
                            "/home/u/Downloads/Photo.JPG", "/home/u/Downloads/archive.tar.gz",
                            "/home/u/Downloads/noext"));
}

TEST(AutomationEvaluator, ExtensionsMatchTheLastExtensionIgnoringTheNamesCase) {
    const auto held = [](std::set<std::string> extensions) {
        auto filter = filterOn("Downloads");
        filter.extensions = std::move(extensions);
        return filter;
    };
    const struct {
        FileFilter filter;
        std::vector<std::string> names;
    } cases[] = {
        {filterOn("Downloads", {"jpg"}), {"Photo.JPG"}},
        {filterOn("Downloads", {"gz"}), {"archive.tar.gz"}},
        {filterOn("Downloads", {"gz", "dmg"}), {"a.dmg", "archive.tar.gz"}},
        {filterOn("Downloads", {"tar.gz"}), {}},
        {filterOn("Downloads", {"zip"}, {}, {}, true), {"Sub/x.zip"}},
        {held({"DMG"}), {}},
        {held({".dmg"}), {}},
    };
    for (const auto& test : cases) {
        std::vector<std::string> expected;
        for (const auto& name : test.names) {
            expected.push_back("/home/u/Downloads/" + name);
        }
        EXPECT_EQ(pathsOf(previewOf(filesRule(test.filter), downloadsTree())), expected)
            << test.filter.summary();
    }
}

TEST(AutomationEvaluator, FolderMissingFromTheTreeGivesAnEmptyPreview) {
    const auto reader = readerOf({{"/home/u/Desktop/a", fixedNow()}});
    const auto preview =
        previewOf(filesRule(filterOn("Desktop", {}, {}, 30)), downloadsTree(), reader);
    EXPECT_THAT(preview.items, IsEmpty());
    EXPECT_THAT(preview.lastOpened, IsEmpty());
    EXPECT_EQ(preview.keptBecauseRecentlyOpened, 0);
}

TEST(AutomationEvaluator, OlderThanIsStrictAndNeedsAModificationDate) {
    const Date now = fixedNow();
    const auto tree =
        homeTree({folder("Old", {
                                    file("exactly", 1, daysBefore(now, 30)),
                                    file("older", 2, secondsBefore(daysBefore(now, 30), 1)),
                                    file("undated", 3),
                                })});
    EXPECT_THAT(pathsOf(previewOf(filesRule(filterOn("Old", {}, 30)), tree)),
                ElementsAre("/home/u/Old/older"));
}

TEST(AutomationEvaluator, RecentlyOpenedFilesStayAndOnlyThoseWithADateAreCounted) {
    const Date now = fixedNow();
    const auto tree = homeTree({folder("D", {
                                                file("opened10", 1, daysBefore(now, 100)),
                                                file("modified10", 2, daysBefore(now, 10)),
                                                file("neither", 3),
                                                file("opened40", 4, daysBefore(now, 5)),
                                                file("atCutoff", 5, daysBefore(now, 100)),
                                                file("modified40", 6, daysBefore(now, 40)),
                                            })});
    const auto reader = readerOf({{"/home/u/D/opened10", daysBefore(now, 10)},
                                  {"/home/u/D/opened40", daysBefore(now, 40)},
                                  {"/home/u/D/atCutoff", daysBefore(now, 30)}});
    const auto preview = previewOf(filesRule(filterOn("D", {}, {}, 30)), tree, reader);
    EXPECT_THAT(pathsOf(preview), ElementsAre("/home/u/D/modified40", "/home/u/D/opened40"));
    EXPECT_EQ(preview.keptBecauseRecentlyOpened, 2);
    EXPECT_EQ(preview.lastOpened, (std::map<std::string, Date>{
                                      {"/home/u/D/atCutoff", daysBefore(now, 30)},
                                      {"/home/u/D/opened10", daysBefore(now, 10)},
                                      {"/home/u/D/opened40", daysBefore(now, 40)},
                                  }));
    EXPECT_EQ(
        preview.evidence(),
        (std::vector{Evidence::observed("Today it would pick 2 items, 10 bytes"),
                     Evidence::observed("2 more match but were opened recently, so they stay")}));
}

TEST(AutomationEvaluator, AccessTimesKeepOpenedFilesUnlessTheMountDoesNotRecordThem) {
    const Date now = fixedNow();
    const auto tree =
        homeTree({folder("D", {
                                  file("photo.jpg", 3, daysBefore(now, 100), daysBefore(now, 3)),
                                  file("listed.jpg", 2, daysBefore(now, 100), daysBefore(now, 3)),
                                  file("unread.dmg", 1, daysBefore(now, 10), daysBefore(now, 11)),
                              })});
    const auto list = readerOf({{"/home/u/D/listed.jpg", daysBefore(now, 40)}});
    struct Case {
        const char* mount;
        unsigned long flags;
        std::vector<std::string> picked;
        std::int64_t kept;
        std::map<std::string, Date> lastOpened;
    };
    const Case cases[] = {
        {"relatime",
         0,
         {"/home/u/D/listed.jpg"},
         1,
         {{"/home/u/D/listed.jpg", daysBefore(now, 40)},
          {"/home/u/D/photo.jpg", daysBefore(now, 3)}}},
        // As without access times: the modification date decides, uncounted.
        {"noatime",
         ST_NOATIME,
         {"/home/u/D/photo.jpg", "/home/u/D/listed.jpg"},
         0,
         {{"/home/u/D/listed.jpg", daysBefore(now, 40)}}},
    };
    for (const auto& c : cases) {
        const auto reader =
            std::make_shared<RecentListOrAccessTimeReader>(list, mountsWith(c.flags), tree);
        const auto preview = previewOf(filesRule(filterOn("D", {}, {}, 30)), tree, reader);
        EXPECT_EQ(pathsOf(preview), c.picked) << c.mount;
        EXPECT_EQ(preview.keptBecauseRecentlyOpened, c.kept) << c.mount;
        EXPECT_EQ(preview.lastOpened, c.lastOpened) << c.mount;
    }
}

TEST(AutomationEvaluator, ReaderIsAskedOnlyAfterTheCheapTestsAndDatesAreKeptWithoutALimit) {
    const Date now = fixedNow();
    const auto reader = std::make_shared<CountingReader>(
        std::unordered_map<std::string, Date>{{"/home/u/Downloads/a.dmg", daysBefore(now, 1)},
                                              {"/home/u/Downloads/Photo.JPG", daysBefore(now, 1)}});
    const auto preview =
        previewOf(filesRule(filterOn("Downloads", {"dmg"}, 35)), downloadsTree(), reader);
    EXPECT_THAT(reader->asked, ElementsAre("/home/u/Downloads/a.dmg"));
    EXPECT_THAT(pathsOf(preview), ElementsAre("/home/u/Downloads/a.dmg"));
    EXPECT_EQ(preview.lastOpened.size(), 1u);
}

TEST(AutomationEvaluator, EqualSizesKeepTheirCandidateOrder) {
    const auto tree = homeTree({folder("D", {file("b", 10), file("a", 10), file("c", 11)})});
    EXPECT_THAT(pathsOf(previewOf(filesRule(filterOn("D")), tree)),
                ElementsAre("/home/u/D/c", "/home/u/D/b", "/home/u/D/a"));
}

TEST(AutomationEvaluator, BuiltInConditionTakesWhatTheFullAnalysisGivesThatRule) {
    const auto tree = homeTree({
        folder(".npm", {folder("_cacache", {file("blob", 60 * MB)})}),
        folder(".gradle", {folder("caches", {file("blob", 10 * MB)})}),
        folder("Library", {folder("Caches", {folder("Yarn", {file("blob", 70 * MB)})})}),
    });
    const struct {
        const char* ruleID;
        std::vector<std::string> paths;
    } cases[] = {
        {"cache.npm", {"/home/u/.npm/_cacache"}},
        {"cache.gradle", {}},  // below its minimum
        {"cache.user", {}},    // Yarn was claimed by the earlier Yarn rule
        {"no.such.rule", {}},
    };
    for (const auto& test : cases) {
        const auto preview = previewOf(ruleWith(Condition::builtInRule(test.ruleID)), tree);
        EXPECT_EQ(pathsOf(preview), test.paths) << test.ruleID;
        EXPECT_THAT(preview.lastOpened, IsEmpty());
    }
}

TEST(AutomationPreview, ValidForOneDayForTheSameRuleAndCondition) {
    const Date now = fixedNow();
    const auto rule = filesRule(filterOn("Downloads", {"dmg"}));
    const auto previewAt = [&](Date date) {
        return AutomationPreview{rule.id, rule.fingerprint(), date, {}, {}, 0};
    };
    EXPECT_TRUE(previewAt(secondsBefore(now, 86'400)).isValid(rule, now));
    EXPECT_FALSE(previewAt(secondsBefore(now, 86'401)).isValid(rule, now));
    EXPECT_TRUE(previewAt(now + std::chrono::hours{5}).isValid(rule, now));
    EXPECT_FALSE(previewAt(now).isValid(filesRule(filterOn("Downloads", {"iso"})), now));
    EXPECT_FALSE(previewAt(now).isValid(filesRule(filterOn("Downloads", {"dmg"}), "rule.b"), now));
}

TEST(AutomationPreview, EvidenceWordsTheCountAndSize) {
    AutomationPreview preview{"r", "f", fixedNow(), {{"/a", 1'500, {}, {}}}, {}, 0};
    EXPECT_EQ(preview.evidence(),
              (std::vector{Evidence::observed("Today it would pick 1 item, 1.5 KB")}));
    preview.keptBecauseRecentlyOpened = 1;
    EXPECT_EQ(preview.evidence().at(1).text, "1 more match but were opened recently, so they stay");
    preview.items.clear();
    EXPECT_EQ(preview.evidence().at(0).text, "Today it would pick 0 items, 0 bytes");
}

}  // namespace
}  // namespace tandor
