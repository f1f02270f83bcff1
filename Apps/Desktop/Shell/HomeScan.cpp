#include "Shell/HomeScan.hpp"

#include <chrono>
#include <limits>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorAnalyzers/FileClassifier.hpp"
#include "TandorAnalyzers/RuleAnalyzer.hpp"
#include "TandorApps/InstalledApps.hpp"
#include "TandorCore/InstalledPackages.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/RecentListOrAccessTimeReader.hpp"
#include "TandorScanner/ScanError.hpp"
#include "TandorSmart/LastUsedEnricher.hpp"
#include "TandorSystem/LiveSystemProbe.hpp"

namespace tandor::HomeScan {
namespace {

// The options of a home-folder scan.
ScanOptions homeScanOptions() {
    return ScanOptions(true, std::nullopt, 1'000'000, {}, 3, true, ScanOptions::projectMarkers());
}

void stopIfAsked(const std::stop_token& stop, const std::string& home) {
    if (stop.stop_requested()) {
        throw ScanError::cancelled(FileNode::normalize(home));
    }
}

std::vector<std::string> installedAppNames(const HomePlaces& places) {
    std::vector<std::string> names;
    for (const auto& app : InstalledApps::list(InstalledApps::defaultPlaces(places))) {
        names.push_back(app.name);
    }
    return names;
}

}  // namespace

std::shared_ptr<const LastUsedReader> lastUsedReader(const FileNodePtr& tree) {
    return RecentListOrAccessTimeReader::standard(tree);
}

Outcome run(const std::string& home, const std::function<void(const ScanProgress&)>& onProgress,
            std::stop_token stop, const ReaderFactory& makeReader) {
    const DirectoryScanner scanner(homeScanOptions());
    const ScanResult scanned =
        scanner.scan(home, DirectoryScanner::ProgressFunction(onProgress), stop);
    stopIfAsked(stop, home);

    const std::string normalizedHome = FileNode::normalize(home);
    HomePlaces places = HomePlaces::read(normalizedHome);
    const AnalysisContext context(places, std::chrono::system_clock::now(),
                                  installedAppNames(places), InstalledPackages::read());
    std::vector<Suggestion> suggestions =
        RuleAnalyzer(BuiltInRules::all()).analyze(scanned.root, context);
    stopIfAsked(stop, home);

    const LastUsedEnricher enricher(makeReader(scanned.root), 200, {});
    suggestions = enricher.enrich(suggestions, std::chrono::system_clock::now());
    stopIfAsked(stop, home);

    Outcome outcome;
    outcome.breakdown = breakdown(scanned.root, places);
    stopIfAsked(stop, home);
    outcome.root = scanned.root;
    outcome.places = std::move(places);
    outcome.suggestions = std::move(suggestions);
    outcome.inaccessibleCount =
        scanned.inaccessiblePaths.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())
            ? std::numeric_limits<int>::max()
            : static_cast<int>(scanned.inaccessiblePaths.size());
    return outcome;
}

StorageBreakdown breakdown(const FileNodePtr& root, const HomePlaces& places) {
    return StorageBreakdown::compute(root, FileClassifier(places), 12, 20);
}

std::optional<std::int64_t> diskUsedBytes(const std::string& path) {
    const auto usage = LiveSystemProbe().volumeUsage(path);
    if (!usage) {
        return std::nullopt;
    }
    return usage->used();
}

}  // namespace tandor::HomeScan
