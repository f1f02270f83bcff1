// The program behind Benchmarks/duplicates-tab; it has its own main(). It
// runs the real application window offscreen over HOME, which the script
// points at a generated tree, and prints one line per figure:
//   search: the longest main-thread stall during a real search
//   stop: from Stop during the hashing of a 2 GB file to the start card
//   results: 5,000 groups from their arrival to the first frame
//   forget: dropping 1,000 moved paths from 5,000 groups
//   flick: from each scroll step to its frame (95th percentile, longest)
//   click: a tile click with 5,000 pile entries, to the next frame
//   thumbnails: the first screenful of 12 MP JPEGs, then peak memory
#include <QtQml/qqmlextensionplugin.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Duplicates/DuplicatesModel.hpp"
#include "Duplicates/IdenticalFilesListModel.hpp"
#include "Duplicates/SimilarPhotosListModel.hpp"
#include "PhotoFixture.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorDuplicates/CancellationError.hpp"

Q_IMPORT_QML_PLUGIN(TandorPlugin)
Q_IMPORT_QML_PLUGIN(Tandor_SharedPlugin)

namespace {

using tandor::DuplicatesModel;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "duplicates-tab-bench: %s\n", what);
    std::exit(1);
}

void waitFor(const std::function<bool()>& condition, int timeout, const char* what) {
    if (!QTest::qWaitFor(condition, timeout)) {
        fail(what);
    }
}

double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The peak resident memory of this process, in megabytes.
double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

// The gaps between the ticks of a 1 ms timer on the main thread.
class StallMeter {
  public:
    StallMeter() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, milliseconds(clock_));
            clock_.restart();
        });
    }
    void start() {
        longest_ = 0;
        clock_.start();
        timer_.start(1);
    }
    double stop() {
        timer_.stop();
        return longest_;
    }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    double longest_ = 0;
};

// Waits for the window's next frame. It runs an event loop rather than
// QTest::qWaitFor, whose 10 ms polling sleeps would count as frame time.
bool waitForFrame(QQuickWindow& window, int timeout) {
    QEventLoop loop;
    bool swapped = false;
    QObject::connect(&window, &QQuickWindow::frameSwapped, &loop, [&] {
        swapped = true;
        loop.quit();
    });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    loop.exec();
    return swapped;
}

QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (root->objectName() == name && root->isVisible()) {
        return root;
    }
    for (auto* child : root->childItems()) {
        if (auto* found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}

// Scrolls the list from top to bottom a step per frame and gives the time
// from each step to the frame that shows it: (95th percentile, longest), in
// milliseconds.
std::pair<double, double> flick(QQuickWindow& window, const char* name) {
    QQuickItem* list = findItem(window.contentItem(), QString::fromLatin1(name));
    if (list == nullptr) {
        fail("no list to flick");
    }
    std::vector<double> frames;
    const double end = list->property("contentHeight").toDouble();
    for (double y = 0; y < end && y < 60'000; y += 90) {
        QElapsedTimer clock;
        clock.start();
        list->setProperty("contentY", y);
        // A step that draws nothing new simply moves on.
        if (waitForFrame(window, 200)) {
            frames.push_back(milliseconds(clock));
        }
    }
    if (frames.empty()) {
        fail("the list drew no frame");
    }
    std::sort(frames.begin(), frames.end());
    return {frames[frames.size() * 95 / 100], frames.back()};
}

tandor::DuplicateReport manyGroups(int count) {
    std::vector<tandor::DuplicateGroup> groups;
    for (int g = 0; g < count; ++g) {
        const std::string folder = "/bench/group-" + std::to_string(g);
        groups.emplace_back(
            "g" + std::to_string(g), 2'000'000,
            std::vector<tandor::DuplicateFile>{
                {folder + "/a/report.pdf", 2'000'000, std::nullopt, std::nullopt},
                {folder + "/b/report.pdf", 2'000'000, std::nullopt, std::nullopt},
                {folder + "/report copy.pdf", 2'000'000, std::nullopt, std::nullopt}},
            std::vector<std::string>{});
    }
    return tandor::DuplicateReport(std::move(groups), {}, 0, 0, {}, 0);
}

tandor::SimilarPhotoReport manyPhotoGroups(int count, int perGroup) {
    tandor::SimilarPhotoReport report;
    for (int g = 0; g < count; ++g) {
        std::vector<tandor::SimilarPhoto> photos;
        for (int p = 0; p < perGroup; ++p) {
            photos.push_back(
                {"/bench/photos/" + std::to_string(g) + "-" + std::to_string(p) + ".jpg", 300'000,
                 tandor::Date{}, 4000 - p, 3000, std::nullopt});
        }
        report.groups.emplace_back(std::move(photos));
    }
    return report;
}

// Writes count photos of width × height into folder, in bursts of five shots
// of one scene taken a few seconds apart.
void writePhotos(const std::string& folder, int count, int width, int height) {
    std::filesystem::create_directories(folder);
    for (int index = 0; index < count; ++index) {
        const int burst = index / 5;
        const int shot = index % 5;
        tandor::testing::PhotoSpec spec;
        spec.scene = static_cast<std::uint64_t>(burst + 1);
        spec.width = width;
        spec.height = height;
        spec.variation.left = 0.01 * shot;
        spec.variation.noiseSeed = static_cast<std::uint64_t>(index + 1);
        spec.quality = 97;
        char date[32];
        std::snprintf(date, sizeof date, "2024:01:%02d %02d:%02d:%02d", 1 + burst / 500,
                      (burst / 50) % 10 + 8, burst % 50, shot * 5);
        spec.exifDate = date;
        tandor::testing::writePhoto(folder + "/IMG_" + std::to_string(10'000 + index) + ".jpg",
                                    spec);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::string(argv[1]) == "write-photos") {
        writePhotos(argv[2], std::stoi(argv[3]), std::stoi(argv[4]), std::stoi(argv[5]));
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    tandor::ScanModel scan;
    // The real finders over the generated tree.
    DuplicatesModel real(scan);
    // 5,000 identical groups and 1,000 photo groups of 5, handed over at once.
    DuplicatesModel large(
        scan,
        {[](tandor::FileNode&, const tandor::HomePlaces&, const tandor::DuplicateFinder::Progress&,
            std::stop_token) { return manyGroups(5'000); },
         [](tandor::FileNode&, const tandor::HomePlaces&, const std::set<std::string>&,
            const tandor::SimilarPhotoFinder::Progress&,
            std::stop_token) { return manyPhotoGroups(1'000, 5); }});
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, scan);
    const bool thumbnailsOnly = argc > 1 && std::string(argv[1]) == "thumbnails";
    DuplicatesModel::prepare(engine, thumbnailsOnly ? &real : &large);
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
    if (window == nullptr) {
        fail("the window did not load");
    }
    window->setProperty("showSplash", false);
    if (!QTest::qWaitForWindowExposed(window)) {
        fail("the window was never shown");
    }
    scan.scanHome();
    waitFor([&] { return !scan.isScanning(); }, 600'000, "the scan");
    window->findChild<QObject*>(QStringLiteral("contentViewModel"))
        ->setProperty("tab", QStringLiteral("Duplicates"));
    QTest::qWait(300);

    if (thumbnailsOnly) {
        // The first screenful of thumbnails of 12 MP JPEGs, then all of them.
        real.run();
        waitFor([&] { return real.phaseName() == QLatin1String("ready"); }, 600'000,
                "the photo search");
        QElapsedTimer clock;
        clock.start();
        findItem(window->contentItem(), QStringLiteral("duplicatesView"))->setProperty("mode", 1);
        waitFor(
            [&] {
                QQuickItem* picture = findItem(window->contentItem(), QStringLiteral("photoImage"));
                return picture != nullptr && picture->property("status").toInt() == 1;
            },
            30'000, "the first thumbnail");
        QTest::qWait(0);
        const double first = milliseconds(clock);
        flick(*window, "similarPhotosList");
        QTest::qWait(3'000);
        std::printf("thumbnails: first_screenful_ms=%.0f peak_mb=%.0f\n", first, peakMegabytes());
        return 0;
    }

    // A real search: the main thread's longest stall, then Stop while the
    // largest files are hashed.
    StallMeter stalls;
    stalls.start();
    real.run();
    waitFor([&] { return real.phaseName() == QLatin1String("ready"); }, 600'000, "the search");
    std::printf("search: longest_stall_ms=%.1f groups=%zu photo_groups=%zu\n", stalls.stop(),
                real.search().groups().size(), real.search().photoGroups().size());
    real.run();
    waitFor([&] { return real.phaseText().startsWith(QStringLiteral("Comparing whole")); }, 600'000,
            "the hashing stage");
    QElapsedTimer stopClock;
    stopClock.start();
    real.cancel();
    waitFor([&] { return real.phaseName() != QLatin1String("working"); }, 60'000, "the stop");
    if (real.phaseName() != QLatin1String("idle")) {
        fail("the search ended before the stop reached it");
    }
    std::printf("stop: to_start_card_ms=%.0f\n", milliseconds(stopClock));

    // 5,000 groups: from their arrival to the first frame that shows them.
    QElapsedTimer arrival;
    double toFirstFrame = -1;
    QObject::connect(&large, &DuplicatesModel::resultsChanged, [&] { arrival.start(); });
    const auto shown = QObject::connect(window, &QQuickWindow::frameSwapped, [&] {
        if (arrival.isValid() && toFirstFrame < 0) {
            toFirstFrame = milliseconds(arrival);
        }
    });
    large.run();
    waitFor([&] { return toFirstFrame >= 0; }, 60'000, "the first frame of the results");
    QObject::disconnect(shown);
    std::printf("results: groups=5000 to_first_frame_ms=%.1f\n", toFirstFrame);

    // Open every tenth group, then flick the identical list.
    for (int row = 0; row < 5'000; row += 10) {
        large.identical()->setExpanded(row, true);
    }
    const auto [identical95, identicalMax] = flick(*window, "identicalFilesList");
    std::printf("flick: identical_p95_ms=%.1f identical_max_ms=%.1f\n", identical95, identicalMax);

    // 5,000 pile entries, then one tile click.
    scan.changePile([](tandor::ReviewPile& pile) {
        for (int g = 0; g < 2'500; ++g) {
            pile.add({"/bench/group-" + std::to_string(g) + "/b/report.pdf", 1, std::nullopt});
            pile.add({"/bench/elsewhere/" + std::to_string(g), 1, std::nullopt});
        }
    });
    findItem(window->contentItem(), QStringLiteral("duplicatesView"))->setProperty("mode", 1);
    QTest::qWait(500);
    const auto [similar95, similarMax] = flick(*window, "similarPhotosList");
    std::printf("flick: similar_p95_ms=%.1f similar_max_ms=%.1f\n", similar95, similarMax);
    QElapsedTimer clickClock;
    clickClock.start();
    static_cast<void>(large.similar()->toggle(0, 1));
    if (!waitForFrame(*window, 5'000)) {
        fail("no frame followed the click");
    }
    std::printf("click: pile_entries=%zu to_next_frame_ms=%.1f\n", scan.pile().count(),
                milliseconds(clickClock));

    std::set<std::string> moved;
    for (int g = 0; g < 1'000; ++g) {
        moved.insert("/bench/group-" + std::to_string(g * 5) + "/a/report.pdf");
    }
    QElapsedTimer forgetClock;
    forgetClock.start();
    large.forget(moved);
    std::printf("forget: moved=1000 groups=5000 ms=%.1f\n", milliseconds(forgetClock));
    return 0;
}
