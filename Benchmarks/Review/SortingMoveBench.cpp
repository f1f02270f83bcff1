// Times the Move decision of the Swipe tab from the key press until the
// session has recorded it, with a long log of moves already in
// "sorting.json": the move, its save (one line of the journal beside the file,
// synced before the session hears of the move) and the lists read again.
// Also reports the longest the main thread was kept from its events meanwhile
// (the move itself runs on a worker).
//
//   sorting-move [recorded moves] [--other-device FOLDER]
//
// Default 5000 recorded moves; 60 Move decisions, median and 95th percentile.
// With --other-device, one more decision moves a 1 GB file into a sorting
// folder inside FOLDER (which must lie on another file system, /dev/shm for
// instance), so that it is copied.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "BenchSupport.hpp"
#include "Swipe/SwipeModel.hpp"
#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorCore/PathJSON.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using tandor::bench::percentile;
using tandor::bench::timeRuns;

constexpr int decisions = 60;

// The longest pause between two turns of the main thread's event loop.
class StallWatch {
  public:
    StallWatch() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = Clock::now();
            longest_ =
                std::max(longest_, std::chrono::duration<double, std::milli>(now - last_).count());
            last_ = now;
        });
    }
    void start() {
        longest_ = 0;
        last_ = Clock::now();
        timer_.start();
    }
    double stop() {
        timer_.stop();
        return longest_;
    }

  private:
    QTimer timer_;
    Clock::time_point last_;
    double longest_ = 0;
};

tandor::SortingFolder folderAt(const std::string& path) {
    return {tandor::UUID::random(),          "Sorting", path, false, tandor::SortingFate::keep(),
            std::chrono::system_clock::now()};
}

// "sorting.json" with the folders and `count` moves into the first, whose
// files are there.
void seedStore(const std::vector<tandor::SortingFolder>& folders, int count) {
    tandor::createFolders(folders.front().path);
    auto moves = nlohmann::json::array();
    for (int i = 0; i < count; ++i) {
        const std::string name = "old-" + std::to_string(i) + ".txt";
        std::ofstream(folders.front().path + "/" + name) << 'x';
        moves.push_back(tandor::MoveRecord("/home/someone/Downloads/" + name,
                                           folders.front().path + "/" + name, 1, folders.front().id,
                                           std::chrono::system_clock::now()));
    }
    const nlohmann::json saved{{"folders", folders},
                               {"moves", std::move(moves)},
                               {"recent", {tandor::pathToJSON(folders.front().path)}}};
    tandor::writeFileAtomically(tandor::SortingStore::defaultURL(),
                                tandor::JSONStoreFile::serialize(saved));
}

// Downloads holding these files; the large one counts least, so that it is
// dealt last.
tandor::FileNodePtr downloadsTree(const std::string& home, const std::vector<std::string>& names) {
    std::vector<tandor::FileNodePtr> files;
    for (const auto& name : names) {
        const std::int64_t bytes = name == "large.zip" ? 1'000'000 : 2'000'000;
        files.push_back(tandor::FileNode::make(home + "/Downloads/" + name, std::nullopt, false,
                                               bytes, bytes, 0, std::nullopt, std::nullopt, {}));
    }
    const auto downloads = tandor::FileNode::make(home + "/Downloads", std::nullopt, true, 0, 0, 0,
                                                  std::nullopt, std::nullopt, std::move(files));
    return tandor::FileNode::make(home, std::nullopt, true, 0, 0, 0, std::nullopt, std::nullopt,
                                  {downloads});
}

void waitUntil(QObject* sender, const std::function<bool()>& done,
               void (tandor::SwipeModel::*signal)()) {
    QEventLoop loop;
    QObject::connect(static_cast<tandor::SwipeModel*>(sender), signal, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    if (!done()) {
        loop.exec();
    }
}

// One Move decision on the current card, until the session has recorded it;
// returns the longest the main thread was kept from its events meanwhile.
double moveTop(tandor::SwipeModel& model, StallWatch& watch) {
    const std::size_t position = model.session()->position();
    tandor::ReviewPile pile;
    watch.start();
    model.decide(tandor::SwipeDecision::move, pile);
    waitUntil(
        &model, [&] { return !model.isBusy(); }, &tandor::SwipeModel::busyChanged);
    const double stall = watch.stop();
    if (model.session()->position() != position + 1) {
        std::fprintf(stderr, "sorting-move: the move failed: %s\n",
                     qPrintable(model.sorting()->message()));
        std::exit(1);
    }
    return stall;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    int recorded = 5'000;
    std::string otherDevice;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--other-device" && i + 1 < argc) {
            otherDevice = argv[++i];
        } else if (std::from_chars(argument.data(), argument.data() + argument.size(), recorded)
                       .ec != std::errc{}) {
            std::fprintf(stderr, "usage: sorting-move [recorded moves] [--other-device FOLDER]\n");
            return 2;
        }
    }
    const tandor::bench::TemporaryHome home;
    std::vector<tandor::SortingFolder> folders{folderAt(home / "Sorting")};
    if (!otherDevice.empty()) {
        folders.push_back(folderAt(otherDevice + "/tandor-sorting-move"));
        tandor::createFolders(folders.back().path);
    }
    seedStore(folders, recorded);

    std::vector<std::string> names;
    for (int i = 0; i < decisions; ++i) {
        names.push_back("new-" + std::to_string(i) + ".zip");
        tandor::createFolders(home / "Downloads");
        std::ofstream(home / ("Downloads/" + names.back())) << 'x';
    }
    if (!otherDevice.empty()) {
        names.push_back("large.zip");
        std::ofstream large(home / "Downloads/large.zip", std::ios::binary);
        std::string block(1 << 20, '\0');
        for (std::size_t i = 0; i < block.size(); ++i) {
            block[i] = static_cast<char>(i * 2654435761u >> 24);
        }
        for (int i = 0; i < 1000; ++i) {
            large.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
    }

    const auto now = [] { return std::chrono::system_clock::now(); };
    tandor::SwipeModel model(tandor::SwipeModel::Services{
        tandor::SwipeMemory::defaultURL(),
        now,
        {tandor::SortingStore::defaultURL(), home.path(), now, nullptr}});
    model.sorting()->setDestinationID(folders.front().id);
    model.refresh(downloadsTree(home.path(), names), tandor::HomePlaces(home.path()), {});
    waitUntil(
        &model, [&] { return !model.decks().empty(); }, &tandor::SwipeModel::decksChanged);
    model.setBatchSize(decisions + 1);
    model.start(tandor::SwipeDeckKind::downloads);

    StallWatch watch;
    std::vector<double> stalls;
    const std::vector<double> endToEnd =
        timeRuns(decisions, [&] { stalls.push_back(moveTop(model, watch)); });
    std::printf(
        "sorting-move: recorded=%d decisions=%zu end-to-end median=%.1f ms p95=%.1f ms; "
        "main thread longest stall median=%.1f ms p95=%.1f ms\n",
        recorded, endToEnd.size(), percentile(endToEnd, 0.5), percentile(endToEnd, 0.95),
        percentile(stalls, 0.5), percentile(stalls, 0.95));

    if (!otherDevice.empty()) {
        model.sorting()->setDestinationID(folders.back().id);
        double stall = 0;
        const double copied = timeRuns(1, [&] { stall = moveTop(model, watch); }).front();
        std::printf(
            "sorting-move: 1 GB onto another device end-to-end=%.0f ms "
            "main thread longest stall=%.1f ms\n",
            copied, stall);
        std::filesystem::remove_all(folders.back().path);
    }
    return 0;
}
