#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorAnalyzers/RuleAnalyzer.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/SafetyLevel.hpp"
#include "TandorReview/HistoryRecord.hpp"
#include "TandorReview/SwipeDeckBuilder.hpp"
#include "TandorScanner/StaticLastUsedReader.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorSmart/AutomationPreview.hpp"
#include "TandorSmart/LastUsedEnricher.hpp"
#include "TandorSmart/RuleSuggester.hpp"
#include "TestSupport/FileNodes.hpp"

// The engines write fixed English and the suggestion cards show it through
// Texts::localized; a sentence shape without a template or a translation
// would stay English on an Italian card.
namespace tandor {
namespace {

using std::chrono::days;
using std::chrono::hours;
using testing::fileNode;
using testing::folderNode;

const std::string home = "/home/ada";
const Date now = *parseISO8601("2025-06-15T12:00:00Z");
constexpr std::int64_t megabyte = 1'000'000;

struct Entry {
    std::string path;  // relative to the folder being built
    std::int64_t bytes = 0;
    std::optional<Date> changed;
    std::optional<Date> opened;  // for the recently used list
};

FileNodePtr folderOf(const std::string& path, const std::vector<Entry>& entries) {
    std::vector<FileNodePtr> children;
    std::map<std::string, std::vector<Entry>> inside;
    for (const Entry& entry : entries) {
        const auto slash = entry.path.find('/');
        if (slash == std::string::npos) {
            children.push_back(fileNode(path + "/" + entry.path, entry.bytes, entry.changed));
        } else {
            Entry nested = entry;
            nested.path = entry.path.substr(slash + 1);
            inside[entry.path.substr(0, slash)].push_back(nested);
        }
    }
    for (const auto& [name, nested] : inside) {
        children.push_back(folderOf(path + "/" + name, nested));
    }
    return folderNode(path, std::move(children));
}

// What a card shows of a suggestion, as the results model hands it over.
std::vector<std::string> cardTexts(const Suggestion& suggestion) {
    std::vector<std::string> texts{suggestion.title, suggestion.reason,
                                   std::string(title(suggestion.safety))};
    if (suggestion.subcategory) {
        texts.push_back(*suggestion.subcategory);
    }
    for (const Evidence& line : suggestion.evidence) {
        texts.push_back(line.text);
    }
    for (const SuggestionItem& item : suggestion.items) {
        if (item.note) {
            texts.push_back(*item.note);
        }
    }
    return texts;
}

// The suggestions of rules over a home holding entries, with the last-opened
// line the scan adds.
std::vector<Suggestion> suggestionsOf(std::vector<CleanupRule> rules,
                                      const std::vector<Entry>& entries,
                                      std::vector<std::string> installedApps = {}) {
    std::unordered_map<std::string, Date> opened;
    for (const Entry& entry : entries) {
        if (entry.opened) {
            opened.emplace(home + "/" + entry.path, *entry.opened);
        }
    }
    const RuleAnalyzer analyzer(std::move(rules));
    const auto suggestions = analyzer.analyze(folderOf(home, entries),
                                              AnalysisContext(home, now, std::move(installedApps)));
    const LastUsedEnricher enricher(std::make_shared<StaticLastUsedReader>(opened), 5, {});
    return enricher.enrich(suggestions, now);
}

// Words of the engines' sentences that no Italian line contains.
const QRegularExpression& englishWord() {
    static const QRegularExpression pattern(
        QStringLiteral("\\b(item|items|the|of|is|and|to|your|with|on|disk|days|ago|hours|"
                       "changed|opened|installed|most|recent|last|today|yesterday)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

class EngineTextsInItalian : public ::testing::Test {
  protected:
    void SetUp() override { ui::Texts::setLanguage(QStringLiteral("it")); }
    void TearDown() override { ui::Texts::setLanguage(QStringLiteral("en")); }

    static void expectTranslated(const std::vector<Suggestion>& suggestions,
                                 const std::string& where) {
        ASSERT_FALSE(suggestions.empty()) << where;
        for (const Suggestion& suggestion : suggestions) {
            for (const std::string& text : cardTexts(suggestion)) {
                expectItalian(text, where + " / " + suggestion.ruleID);
            }
        }
    }

    static void expectItalian(const std::string& text, const std::string& where) {
        const QString english = QString::fromStdString(text);
        const QString shown = ui::Texts::localized(english);
        EXPECT_NE(shown, english) << where << ": " << text;
        // A template can translate its frame and leave an English phrase it
        // captured ("2 items, 5 MB su disco").
        EXPECT_FALSE(englishWord().match(shown).hasMatch()) << where << ": " << shown.toStdString();
    }
};

// Every built-in rule, pointed at one folder, over homes that give each shape
// of the count, change and last-opened lines.
TEST_F(EngineTextsInItalian, EveryRuleAndEveryShapeOfItsEvidence) {
    struct Case {
        const char* name;
        std::vector<Entry> entries;
    };
    const std::vector<Case> cases{
        {"one item changed days ago, never opened",
         {{"Stuff/a.bin", 600 * megabyte, now - days(3), std::nullopt}}},
        {"changed today, one of two opened today",
         {{"Stuff/a.bin", 600 * megabyte, now - hours(2), now - hours(1)},
          {"Stuff/b.bin", 20 * megabyte, now - hours(30), std::nullopt}}},
        {"no dates, all opened, most recently yesterday",
         {{"Stuff/a.bin", 600 * megabyte, std::nullopt, now - days(1)},
          {"Stuff/b.bin", 30 * megabyte, std::nullopt, now - days(40)},
          {"Stuff/c.bin", 20 * megabyte, std::nullopt, now - days(9)}}},
        {"old single item opened long ago",
         {{"Stuff/a.bin", 3000 * megabyte, now - days(1234), now - days(1500)}}},
    };
    for (const Case& item : cases) {
        for (const CleanupRule& rule : BuiltInRules::all()) {
            const CleanupRule pointed(rule.id(), rule.title(), rule.category(), rule.kind(),
                                      rule.safety(), rule.reason(), rule.howToRecover(),
                                      CleanupRule::ChildrenOfHomeFolder{{"Stuff"}}, 0);
            expectTranslated(suggestionsOf({pointed}, item.entries),
                             std::string(item.name) + " / " + rule.id());
        }
    }
}

// The rules whose items carry a note of their own, on the homes that give one.
TEST_F(EngineTextsInItalian, TheNotesOfTheItems) {
    struct Case {
        const char* name;
        bool (*targets)(const CleanupRule::Target&);
        std::vector<Entry> entries;
        std::vector<std::string> installedApps;
    };
    const std::vector<Case> cases{
        {"installer of an installed app",
         [](const CleanupRule::Target& target) {
             return std::holds_alternative<CleanupRule::InstallersOfInstalledApps>(target);
         },
         {{"Downloads/Painter-4.2.dmg", 180 * megabyte, now - days(60), std::nullopt}},
         {"Painter"}},
        {"archive next to its folder",
         [](const CleanupRule::Target& target) {
             return std::holds_alternative<CleanupRule::ExtractedArchives>(target);
         },
         {{"Downloads/photos.zip", 40 * megabyte, now - days(60), std::nullopt},
          {"Downloads/photos/a.jpg", 30 * megabyte, now - days(60), std::nullopt}},
         {}},
        {"build folder of a dormant project",
         [](const CleanupRule::Target& target) {
             return std::holds_alternative<CleanupRule::DormantProjectBuildFolders>(target);
         },
         {{"Projects/blog/package.json", 1000, now - days(200), std::nullopt},
          {"Projects/blog/node_modules/pack.js", 80 * megabyte, now - days(200), std::nullopt}},
         {}},
    };
    const auto& rules = BuiltInRules::all();
    for (const Case& item : cases) {
        const auto rule = std::find_if(rules.begin(), rules.end(), [&item](const auto& candidate) {
            return item.targets(candidate.target());
        });
        ASSERT_NE(rule, rules.end()) << item.name;
        const auto suggestions = suggestionsOf({*rule}, item.entries, item.installedApps);
        ASSERT_EQ(suggestions.size(), 1u) << item.name;
        ASSERT_TRUE(suggestions[0].items[0].note) << item.name;
        expectTranslated(suggestions, item.name);
    }
}

// What the Smart tab shows of the automations it proposes, from the history
// and from the scan: their summaries and evidence, and the lines of their
// previews.
TEST_F(EngineTextsInItalian, EveryProposedAutomationAndItsPreview) {
    for (const int restored : {0, 1}) {
        std::vector<HistoryRecord> history;
        for (int index = 0; index < 6; ++index) {
            const std::string name = "Downloads/setup-" + std::to_string(index) + ".dmg";
            HistoryRecord record(home + "/" + name, "/trash/" + name, 150 * megabyte, std::nullopt,
                                 now - days(index + 1));
            record.restored = index < restored;
            history.push_back(std::move(record));
        }
        const auto rules = RuleSuggester(3, 180, 0.2, 1'000'000'000)
                               .suggest(history, {}, {}, AnalysisContext(home, now, {}));
        ASSERT_EQ(rules.size(), 1u) << restored << " put back";
        const std::string where = std::to_string(restored) + " put back";
        expectItalian(rules[0].summary(), where);
        for (const Evidence& line : rules[0].why) {
            expectItalian(line.text, where);
        }
    }
    // Proposed from the scan: one for each rule whose items grow back.
    for (const CleanupRule& rule : BuiltInRules::all()) {
        if (rule.safety() != SafetyLevel::regenerable) {
            continue;
        }
        const Suggestion large(rule.id(), rule.title(), rule.category(), std::nullopt,
                               rule.safety(), rule.reason(), {},
                               {{home + "/Library/Caches/x", 2'000'000'000, {}, {}}});
        const auto rules = RuleSuggester(3, 180, 0.2, 1'000'000'000)
                               .suggest({}, {large}, {}, AnalysisContext(home, now, {}));
        ASSERT_EQ(rules.size(), 1u) << rule.id();
        expectItalian(rules[0].summary(), rule.id());
        for (const Evidence& line : rules[0].why) {
            expectItalian(line.text, rule.id());
        }
    }
    for (const std::size_t count : {1u, 2u}) {
        AutomationPreview preview;
        preview.items.assign(count, SuggestionItem{home + "/Downloads/a.dmg", megabyte, {}, {}});
        preview.keptBecauseRecentlyOpened = 3;
        for (const Evidence& line : preview.evidence()) {
            expectItalian(line.text, "a preview of " + std::to_string(count));
        }
    }
}

// The swipe cards' evidence, over every age band of the change line.
TEST_F(EngineTextsInItalian, TheSwipeCardsEvidence) {
    const SwipeDeckBuilder builder(HomePlaces(home), now, megabyte, megabyte, 200 * megabyte,
                                   50 * megabyte, 365);
    const auto decks = builder.decks(
        folderOf(home, {{"Downloads/today.zip", 2 * megabyte, now - hours(2), std::nullopt},
                        {"Downloads/yesterday.zip", 2 * megabyte, now - days(1), std::nullopt},
                        {"Downloads/weeks.zip", 2 * megabyte, now - days(20), std::nullopt},
                        {"Downloads/months.zip", 2 * megabyte, now - days(100), std::nullopt},
                        {"Downloads/Photos/a.jpg", 2 * megabyte, now - days(3), std::nullopt},
                        {"Stuff/setup.dmg", 2 * megabyte, now - days(3), std::nullopt},
                        {"Stuff/film.mp4", 300 * megabyte, now - days(3), std::nullopt},
                        {"Stuff/old.bin", 60 * megabyte, now - days(1000), std::nullopt}}));
    for (const auto& [kind, cards] : decks) {
        ASSERT_FALSE(cards.empty()) << title(kind);
        for (const SwipeCard& card : cards) {
            for (const Evidence& line : card.evidence) {
                expectItalian(line.text, card.path);
            }
        }
    }
}

}  // namespace
}  // namespace tandor
