// Scans a folder once, then times the cleanup analysis and the storage
// breakdown of the scanned tree against the scan itself, and how long the
// tree takes to be read without 1,000 of its nodes (as after a commit).
//
//   analysis-bench <folder> [--minimum <bytes>]
//
// The folder stands in for a home folder; the timings are medians of 5 runs.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <exception>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorAnalyzers/RuleAnalyzer.hpp"
#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TandorScanner/DirectoryScanner.hpp"

namespace {

constexpr int runs = 5;

template <typename Work>
double medianSeconds(Work work) {
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    long long minimum = 1'000'000;
    const bool minimumGiven = argc == 4 && std::string_view(argv[2]) == "--minimum";
    if ((argc != 2 && !minimumGiven) ||
        (minimumGiven &&
         std::from_chars(argv[3], argv[3] + std::string_view(argv[3]).size(), minimum).ec !=
             std::errc{})) {
        std::fprintf(stderr, "usage: analysis-bench <folder> [--minimum <bytes>]\n");
        return 2;
    }
    try {
        const tandor::ScanOptions options(true, std::nullopt, minimum, {}, 3, true,
                                          tandor::ScanOptions::projectMarkers());
        tandor::ScanResult result = tandor::DirectoryScanner(options).scan(argv[1]);
        const double scan =
            medianSeconds([&] { result = tandor::DirectoryScanner(options).scan(argv[1]); });

        const tandor::AnalysisContext context(argv[1], std::chrono::system_clock::now(), {});
        const tandor::RuleAnalyzer analyzer(tandor::BuiltInRules::all());
        const tandor::FileClassifier classifier(context.places);
        std::size_t suggestions = 0;
        const double analyze =
            medianSeconds([&] { suggestions = analyzer.analyze(result.root, context).size(); });
        const double breakdown = medianSeconds(
            [&] { tandor::StorageBreakdown::compute(result.root, classifier, 12, 20); });

        long long nodes = 0;
        result.root->forEach([&nodes](const tandor::FileNodePtr&) { ++nodes; });
        std::set<std::string> moved;
        long long seen = 0;
        const long long step = std::max(nodes / 1000, 1LL);
        result.root->forEach([&](const tandor::FileNodePtr& node) {
            if (++seen % step == 0 && node != result.root) {
                moved.insert(node->path());
            }
        });
        const double without = medianSeconds([&] { result.root->without(moved); });
        std::printf(
            "analysis-bench: nodes=%lld suggestions=%zu scan=%.4f analyze=%.4f breakdown=%.4f "
            "without_1000=%.4f analysis_vs_scan=%.2f\n",
            nodes, suggestions, scan, analyze, breakdown, without, (analyze + breakdown) / scan);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "analysis-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
