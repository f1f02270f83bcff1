// Times the Swipe tab's refresh on a large scanned tree: how long each
// refresh keeps the main thread, the first one (which deals the tree on a
// worker) and the following ones of the same tree and day (which only filter
// the cached deal against the pile, the kept files and the disk).
//
//   swipe-refresh <folder>
//
// The folder's tree (Benchmarks/make-scan-tree builds one of about 500,000
// entries) is scanned once, untimed, and placed in a home folder of its own
// beside a Downloads folder of 5,000 files of a dealt size, so that every
// filter has cards to check. Prints the deal itself for reference (median of
// 5), then the first refresh and the median, 95th percentile and maximum of
// 30 cached refreshes.
#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.hpp"
#include "Swipe/SwipeModel.hpp"
#include "TandorCore/AtomicFile.hpp"
#include "TandorReview/SwipeDeckBuilder.hpp"
#include "TandorScanner/DirectoryScanner.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using tandor::bench::millisecondsSince;
using tandor::bench::percentile;
using tandor::bench::timeRuns;

constexpr int cachedRefreshes = 30;
constexpr int downloads = 5'000;

// home holding the scanned tree's entries and a Downloads folder of files
// that are there, each counted as 2 MB.
tandor::FileNodePtr homeTree(const std::string& home, const tandor::FileNodePtr& scanned) {
    const std::string folder = home + "/Downloads";
    tandor::createFolders(folder);
    std::vector<tandor::FileNodePtr> files;
    for (int i = 0; i < downloads; ++i) {
        const std::string path = folder + "/download-" + std::to_string(i) + ".zip";
        std::ofstream(path) << 'x';
        files.push_back(tandor::FileNode::make(path, std::nullopt, false, 2'000'000, 2'000'000, 0,
                                               std::nullopt, std::nullopt, {}));
    }
    std::vector<tandor::FileNodePtr> children = scanned->children();
    children.push_back(tandor::FileNode::make(folder, std::nullopt, true, 0, 0, 0, std::nullopt,
                                              std::nullopt, std::move(files)));
    return tandor::FileNode::make(home, std::nullopt, true, 0, 0, 0, std::nullopt, std::nullopt,
                                  std::move(children));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: swipe-refresh <folder>\n");
        return 2;
    }
    const std::string folder = tandor::FileNode::normalize(argv[1]);
    try {
        const tandor::ScanOptions options(true, std::nullopt, 0, {}, 3, true,
                                          tandor::ScanOptions::projectMarkers());
        const tandor::bench::TemporaryHome home;
        const tandor::FileNodePtr root =
            homeTree(home.path(), tandor::DirectoryScanner(options).scan(folder).root);
        long long nodes = 0;
        root->forEach([&nodes](const tandor::FileNodePtr&) { ++nodes; });

        const auto now = [] { return std::chrono::system_clock::now(); };
        tandor::SwipeModel model(tandor::SwipeModel::Services{
            tandor::SwipeMemory::defaultURL(),
            now,
            {tandor::SortingStore::defaultURL(), home.path(), now, nullptr}});

        const tandor::HomePlaces places(home.path());
        const tandor::SwipeDeckBuilder builder(
            places, now(), tandor::SwipeModel::downloadsMinimumBytes,
            tandor::SwipeModel::installerMinimumBytes, tandor::SwipeModel::largeVideoBytes,
            tandor::SwipeModel::oldFileBytes, tandor::SwipeModel::oldFileDays);
        std::size_t dealt = 0;
        const std::vector<double> deals = timeRuns(5, [&] {
            dealt = 0;
            for (const auto& [kind, cards] : builder.decks(root)) {
                dealt += cards.size();
            }
        });

        tandor::ReviewPile pile;
        for (int i = 0; i < 100; ++i) {
            pile.add({home / ("on-the-pile-" + std::to_string(i)), 1, std::nullopt});
        }
        QEventLoop published;
        QObject::connect(&model, &tandor::SwipeModel::decksChanged, &published, &QEventLoop::quit);
        const auto start = Clock::now();
        model.refresh(root, places, pile);
        const double firstBlocked = millisecondsSince(start);
        if (model.decks().empty()) {
            published.exec();
        }
        const double firstPublished = millisecondsSince(start);

        const std::vector<double> cached =
            timeRuns(cachedRefreshes, [&] { model.refresh(root, places, pile); });
        std::printf(
            "swipe-refresh: nodes=%lld cards=%zu deal=%.1f ms; first refresh blocks %.1f ms, "
            "published after %.1f ms; cached refresh median=%.1f ms p95=%.1f ms max=%.1f ms\n",
            nodes, dealt, percentile(deals, 0.5), firstBlocked, firstPublished,
            percentile(cached, 0.5), percentile(cached, 0.95), percentile(cached, 1.0));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "swipe-refresh: %s\n", error.what());
        return 1;
    }
    return 0;
}
