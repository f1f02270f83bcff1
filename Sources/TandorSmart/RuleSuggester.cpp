#include "TandorSmart/RuleSuggester.hpp"

#include <algorithm>
#include <cmath>
#include <set>

#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"
#include "TandorSmart/ElapsedTime.hpp"

namespace tandor {
namespace {

constexpr double secondsPerDay = 86'400;
constexpr double secondsPerMonth = 2'592'000;

// Extensions of files that can usually be downloaded again: installers and
// disk images of both platforms, and archives.
const std::set<std::string>& downloadableExtensions() {
    static const std::set<std::string> extensions{"dmg", "pkg", "mpkg", "xip",
                                                  "iso", "deb", "rpm",  "zip"};
    return extensions;
}

// Whole days since 1970-01-01 00:00 UTC, truncated toward zero: days change at
// midnight UTC whatever the user's time zone.
struct DayKey {
    std::int64_t value;

    explicit DayKey(Date date)
        : value(static_cast<std::int64_t>(date.time_since_epoch() / std::chrono::days{1})) {}

    friend bool operator==(const DayKey&, const DayKey&) = default;
};

struct DayKeyHash {
    std::size_t operator()(const DayKey& key) const noexcept {
        return std::hash<std::int64_t>{}(key.value);
    }
};

const CleanupRule* builtInRule(const std::string& id) {
    const auto& rules = BuiltInRules::all();
    const auto found = std::find_if(rules.begin(), rules.end(),
                                    [&](const CleanupRule& rule) { return rule.id() == id; });
    return found == rules.end() ? nullptr : &*found;
}

std::int64_t bytesStillInTrash(const std::vector<HistoryRecord>& records) {
    std::int64_t bytes = 0;
    for (const auto& record : records) {
        if (!record.restored) {
            bytes = saturatingAdd(bytes, record.bytes);
        }
    }
    return bytes;
}

// By Unicode scalar values; texts equal that way (an NFC and an NFD folder name)
// fall back to their bytes so that the order never depends on hashing.
bool idLess(const AutomationRule& a, const AutomationRule& b) {
    if (unicode::canonicallyLess(a.id, b.id)) {
        return true;
    }
    return !unicode::canonicallyLess(b.id, a.id) && a.id < b.id;
}

}  // namespace

RuleSuggester::RuleSuggester(int minimumRepeats, int lookbackDays, double maximumRestoredShare,
                             std::int64_t minimumScanBytes)
    : minimumRepeats_(minimumRepeats),
      lookback_(lookbackDays * secondsPerDay),
      maximumRestoredShare_(maximumRestoredShare),
      minimumScanBytes_(minimumScanBytes) {
}

std::vector<AutomationRule> RuleSuggester::suggest(
    const std::vector<HistoryRecord>& history, const std::vector<Suggestion>& suggestions,
    const std::unordered_set<std::string>& alreadyEnabled, const AnalysisContext& context) const {
    std::vector<AutomationRule> rules = fromHistory(history, context);
    std::unordered_set<std::string> fromHistoryIDs;
    for (const auto& rule : rules) {
        fromHistoryIDs.insert(rule.id);
    }
    for (auto& rule : fromScan(suggestions)) {
        if (!fromHistoryIDs.contains(rule.id)) {
            rules.push_back(std::move(rule));
        }
    }
    std::erase_if(rules,
                  [&](const AutomationRule& rule) { return alreadyEnabled.contains(rule.id); });
    return rules;
}

std::vector<AutomationRule> RuleSuggester::fromHistory(const std::vector<HistoryRecord>& history,
                                                       const AnalysisContext& context) const {
    std::vector<HistoryRecord> recent;
    std::unordered_map<std::string, std::vector<HistoryRecord>> byRuleID;
    for (const auto& record : history) {
        if (secondsBetween(record.date, context.now) <= lookback_) {
            recent.push_back(record);
            if (record.ruleID) {
                byRuleID[*record.ruleID].push_back(record);
            }
        }
    }
    std::vector<AutomationRule> rules;
    for (const auto& [habit, records] : habits(recent, context)) {
        if (auto rule = habitRule(habit, records)) {
            rules.push_back(std::move(*rule));
        }
    }
    for (const auto& [ruleID, records] : byRuleID) {
        if (auto rule = repeatedCleanupRule(ruleID, records)) {
            rules.push_back(std::move(*rule));
        }
    }
    std::stable_sort(rules.begin(), rules.end(), idLess);
    return rules;
}

std::unordered_map<RuleSuggester::Habit, std::vector<HistoryRecord>, RuleSuggester::HabitHash>
RuleSuggester::habits(const std::vector<HistoryRecord>& recent, const AnalysisContext& context) {
    const std::string prefix = context.home + "/";
    std::unordered_map<Habit, std::vector<HistoryRecord>, HabitHash> groups;
    for (const auto& record : recent) {
        if (!record.originalPath.starts_with(prefix)) {
            continue;
        }
        const std::string_view relative =
            std::string_view(record.originalPath).substr(prefix.size());
        Habit habit{paths::deletingLastComponent(relative),
                    unicode::lowercased(paths::extension(relative))};
        // Files straight in the home folder and anything in Library are not habits.
        if (habit.folder.empty() || habit.ext.empty() || habit.folder.starts_with("Library")) {
            continue;
        }
        groups[std::move(habit)].push_back(record);
    }
    return groups;
}

std::optional<AutomationRule> RuleSuggester::habitRule(
    const Habit& habit, const std::vector<HistoryRecord>& records) const {
    if (records.size() < static_cast<std::size_t>(std::max(minimumRepeats_, 0)) ||
        restoredShare(records) > maximumRestoredShare_) {
        return std::nullopt;
    }
    const auto restored =
        std::count_if(records.begin(), records.end(),
                      [](const HistoryRecord& record) { return record.restored; });
    const long long months = std::max(1LL, std::llround(lookback_ / secondsPerMonth));
    const bool downloadable = downloadableExtensions().contains(habit.ext);
    // The folder keeps its case in the id: Downloads and downloads are two
    // folders here, and each proposal needs an id of its own.
    return AutomationRule(
        "auto.files." + habit.folder + "." + habit.ext,
        "." + habit.ext + " files in " + habit.folder,
        AutomationRule::Condition::files(
            FileFilter(habit.folder, {habit.ext}, std::nullopt, 30, false)),
        AutomationRule::Schedule::weekly,
        downloadable ? SafetyLevel::existsElsewhere : SafetyLevel::needsReview,
        AutomationRule::Origin::history,
        {Evidence::observed("You moved " + std::to_string(records.size()) + " ." + habit.ext +
                            " files from " + habit.folder + " to the Trash in the last " +
                            std::to_string(months) + " months (" +
                            ByteFormat::string(bytesStillInTrash(records)) + ")"),
         Evidence::observed(restored == 0
                                ? std::string("You never put one back")
                                : "You put back " + std::to_string(restored) + " of them"),
         Evidence::inferred("You seem to remove these once you are done with them. Files opened "
                            "in the last 30 days are left alone.")});
}

std::optional<AutomationRule> RuleSuggester::repeatedCleanupRule(
    const std::string& ruleID, const std::vector<HistoryRecord>& records) const {
    const CleanupRule* rule = builtInRule(ruleID);
    if (rule == nullptr || rule->safety() != SafetyLevel::regenerable) {
        return std::nullopt;
    }
    std::unordered_set<DayKey, DayKeyHash> days;
    for (const auto& record : records) {
        days.insert(DayKey(record.date));
    }
    if (days.size() < 2 || restoredShare(records) > maximumRestoredShare_) {
        return std::nullopt;
    }
    return AutomationRule(
        "auto.rule." + ruleID, rule->title(), AutomationRule::Condition::builtInRule(ruleID),
        AutomationRule::Schedule::weekly, SafetyLevel::regenerable, AutomationRule::Origin::history,
        {Evidence::observed("You cleaned it on " + std::to_string(days.size()) +
                            " different days, " + ByteFormat::string(bytesStillInTrash(records)) +
                            " in total"),
         Evidence::inferred(rule->reason())});
}

std::vector<AutomationRule> RuleSuggester::fromScan(
    const std::vector<Suggestion>& suggestions) const {
    std::vector<AutomationRule> rules;
    for (const auto& suggestion : suggestions) {
        if (suggestion.safety != SafetyLevel::regenerable ||
            suggestion.totalBytes() < minimumScanBytes_ ||
            builtInRule(suggestion.ruleID) == nullptr) {
            continue;
        }
        rules.emplace_back(
            "auto.rule." + suggestion.ruleID, suggestion.title,
            AutomationRule::Condition::builtInRule(suggestion.ruleID),
            AutomationRule::Schedule::weekly, suggestion.safety, AutomationRule::Origin::scan,
            std::vector<Evidence>{
                Evidence::observed("It takes " + ByteFormat::string(suggestion.totalBytes()) +
                                   " today"),
                Evidence::inferred(suggestion.reason +
                                   " It grows back, so a weekly check keeps it small.")});
    }
    return rules;
}

double RuleSuggester::restoredShare(const std::vector<HistoryRecord>& records) {
    if (records.empty()) {
        return 0;
    }
    const auto restored =
        std::count_if(records.begin(), records.end(),
                      [](const HistoryRecord& record) { return record.restored; });
    return static_cast<double>(restored) / static_cast<double>(records.size());
}

std::size_t RuleSuggester::HabitHash::operator()(const Habit& habit) const noexcept {
    return HashCombiner().add(habit.folder).add(habit.ext).value();
}

}  // namespace tandor
