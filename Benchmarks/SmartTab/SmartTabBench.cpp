// Times what the Smart tab does on the main thread, and the Apps pane's
// listing on its worker.
//
//   smart-tab-bench <folder>    (Benchmarks/smart-tab builds the tree and runs it)
//
// The folder's tree (Benchmarks/make-scan-tree builds one of about 500,000
// entries) is scanned once, untimed, with every file kept, and stands for the
// home folder. Prints medians of repeated runs of:
//   - showing the Automations pane: a refresh with a history of 20,000 records;
//   - a built-in rule's preview, and "Run now" with five automations on;
//   - listing 500 generated bundles (half XML, half binary property lists);
//   - a keystroke in the Apps pane's search field over those 500;
//   - the footer's running-app check (cached) and one fresh read of /proc.
#include <plist/plist.h>

#include <QCoreApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "../Review/BenchSupport.hpp"
#include "Smart/AutomationModel.hpp"
#include "Smart/InstalledAppList.hpp"
#include "Smart/RunningApps.hpp"
#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorAnalyzers/RuleAnalyzer.hpp"
#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/Date.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/StaticLastUsedReader.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using tandor::bench::millisecondsSince;
using tandor::bench::percentile;

template <typename Work>
double median(int runs, Work work) {
    std::vector<double> timings;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        work();
        timings.push_back(millisecondsSince(start));
    }
    return percentile(timings, 0.5);
}

// 20,000 records over the last 170 days, from a few folders and extensions.
void writeHistory(const std::string& home) {
    const char* folders[] = {"Downloads", "Desktop", "Documents/Invoices", "Movies"};
    const char* extensions[] = {"dmg", "zip", "pdf", "mov", "pkg"};
    nlohmann::json records = nlohmann::json::array();
    const auto now = std::chrono::system_clock::now();
    for (int i = 0; i < 20'000; ++i) {
        tandor::HistoryRecord record(
            home + "/" + folders[i % 4] + "/file-" + std::to_string(i) + "." + extensions[i % 5],
            home + "/.local/share/Trash/files/file-" + std::to_string(i), 1'000'000 + i,
            std::nullopt, now - std::chrono::minutes(12 * i));
        records.push_back(record);
    }
    tandor::createFolders(home + "/.local/share/Tandor");
    tandor::JSONStoreFile(tandor::CleanupHistory::defaultURL()).update([&](const auto&) {
        return records;
    });
}

void writeBundle(const std::string& path, int index, bool binary) {
    tandor::createFolders(path + "/Contents");
    const plist_t dictionary = plist_new_dict();
    plist_dict_set_item(dictionary, "CFBundleIdentifier",
                        plist_new_string(("org.example.app" + std::to_string(index)).c_str()));
    plist_dict_set_item(dictionary, "CFBundleName",
                        plist_new_string(("Application " + std::to_string(index)).c_str()));
    plist_dict_set_item(dictionary, "CFBundleShortVersionString", plist_new_string("1.0"));
    char* data = nullptr;
    std::uint32_t length = 0;
    binary ? plist_to_bin(dictionary, &data, &length) : plist_to_xml(dictionary, &data, &length);
    std::ofstream(path + "/Contents/Info.plist", std::ios::binary).write(data, length);
    binary ? plist_to_bin_free(data) : plist_to_xml_free(data);
    plist_free(dictionary);
}

// The built-in rules of the largest suggestions the tree yields, then file
// filters over its folders with their subfolders, five automations in all,
// so that a run has items to put on the pile.
std::vector<tandor::AutomationRule> fiveAutomations(const tandor::FileNodePtr& root,
                                                    const std::string& home) {
    using tandor::AutomationRule;
    const auto suggestions =
        tandor::RuleAnalyzer(tandor::BuiltInRules::all())
            .analyze(root, tandor::AnalysisContext(home, std::chrono::system_clock::now(), {}));
    std::vector<AutomationRule> rules;
    for (std::size_t i = 0; i < std::min<std::size_t>(5, suggestions.size()); ++i) {
        const auto& suggestion = suggestions[i];
        rules.emplace_back("builtin." + suggestion.ruleID, suggestion.title,
                           AutomationRule::Condition::builtInRule(suggestion.ruleID),
                           AutomationRule::Schedule::weekly, suggestion.safety,
                           AutomationRule::Origin::scan, std::vector<tandor::Evidence>{});
    }
    const char* folders[][2] = {{"Documents", "pdf"},
                                {"Pictures", "jpg"},
                                {"Mail", "eml"},
                                {"Projects", "js"},
                                {"Archive", "txt"}};
    for (const auto& [folder, extension] : folders) {
        if (rules.size() == 5) {
            break;
        }
        rules.emplace_back(std::string("files.") + folder, folder,
                           AutomationRule::Condition::files(tandor::FileFilter(
                               folder, {extension}, std::nullopt, std::nullopt, true)),
                           AutomationRule::Schedule::weekly, tandor::SafetyLevel::needsReview,
                           AutomationRule::Origin::user, std::vector<tandor::Evidence>{});
    }
    return rules;
}

void waitForListing(const tandor::InstalledAppList& list) {
    if (!QTest::qWaitFor([&] { return !list.isLoading(); }, 60'000)) {
        throw std::runtime_error("the listing of the bundles never arrived");
    }
}

struct AutomationModelRunTimes {
    double worker = 0;
    double mainThread = 0;
    std::size_t items = 0;
};

// The two halves of "Run now", each the median of 10 runs.
AutomationModelRunTimes timeRuns(tandor::AutomationModel& model, const tandor::FileNodePtr& root) {
    AutomationModelRunTimes times;
    tandor::AutomationModel::RunResults results;
    times.worker = median(10, [&] { results = model.evaluation(root, false)(); });
    times.mainThread = median(10, [&] {
        tandor::ReviewPile pile;
        model.applyRun(results, [&pile](tandor::ReviewPile::Entry entry) {
            return pile.add(std::move(entry));
        });
        times.items = pile.count();
    });
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: smart-tab-bench <folder>\n");
        return 2;
    }
    try {
        const tandor::bench::TemporaryHome home;
        const tandor::ScanOptions options(true, std::nullopt, 0, {}, 3, true,
                                          tandor::ScanOptions::projectMarkers());
        const std::string folder = tandor::FileNode::normalize(argv[1]);
        const tandor::FileNodePtr root = tandor::DirectoryScanner(options).scan(folder).root;
        long long nodes = 0;
        root->forEach([&nodes](const tandor::FileNodePtr&) { ++nodes; });
        std::printf("tree: %lld nodes\n", nodes);

        writeHistory(home.path());
        tandor::AutomationModel model(
            {tandor::AutomationStore::defaultURL(),
             [] { return tandor::CleanupHistory(tandor::CleanupHistory::defaultURL()).records(); },
             [](const tandor::FileNodePtr&) {
                 return std::make_shared<tandor::StaticLastUsedReader>(
                     std::unordered_map<std::string, tandor::Date>{});
             },
             [] { return std::chrono::system_clock::now(); }, folder,
             std::string(tandor::InstalledPackages::defaultStatusPath)});
        std::printf("refresh, 20,000 records: %.1f ms (median of 15)\n",
                    median(15, [&] { model.refresh({}); }));

        const auto rules = fiveAutomations(root, folder);
        std::printf("preview of a built-in rule: %.1f ms (median of 10)\n",
                    median(10, [&] { model.preview(rules[0], root); }));
        for (const auto& rule : rules) {
            model.preview(rule, root);
            model.enable(rule);
        }
        AutomationModelRunTimes times = timeRuns(model, root);
        std::printf(
            "run now, %zu automations, on its worker (previews, store records): %.1f ms "
            "(median of 10)\n",
            model.enabled().size(), times.worker);
        std::printf(
            "run now, on the main thread (%zu items to the pile, message): %.1f ms "
            "(median of 10)\n",
            times.items, times.mainThread);

        const std::string applications = home / "Applications";
        for (int i = 0; i < 500; ++i) {
            writeBundle(applications + "/Application " + std::to_string(i) + ".app", i, i % 2 == 1);
        }
        const auto listOnce = [&] {
            tandor::InstalledAppList list([&] {
                return tandor::InstalledApps::Places{{applications}, {}, {}};
            });
            waitForListing(list);
        };
        std::printf("listing 500 bundles: %.1f ms (median of 5)\n", median(5, listOnce));

        tandor::InstalledAppList list([&] {
            return tandor::InstalledApps::Places{{applications}, {}, {}};
        });
        waitForListing(list);
        const QString typed = QStringLiteral("application 12");
        std::vector<double> keystrokes;
        for (int round = 0; round < 10; ++round) {
            for (qsizetype length = 1; length <= typed.size(); ++length) {
                const auto start = Clock::now();
                list.setFilter(typed.left(length));
                keystrokes.push_back(millisecondsSince(start));
            }
            list.setFilter({});
        }
        std::printf("keystroke in the search field: %.3f ms median, %.3f ms max\n",
                    percentile(keystrokes, 0.5), percentile(keystrokes, 1.0));

        const tandor::ProcRunningApps running;
        const tandor::AppBundle& app = list.apps().front();
        std::printf("running-app check, cached: %.4f ms (median of 1000)\n",
                    median(1000, [&] { (void)running.isRunning(app); }));
        std::printf("running-app check, fresh read of /proc: %.2f ms (median of 20)\n",
                    median(20, [&] { (void)running.snapshot(); }));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "smart-tab-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
