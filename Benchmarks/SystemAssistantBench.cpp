#include <QtQml/qqmlextensionplugin.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Assistant/AssistantProposalFilter.hpp"
#include "Assistant/AssistantSheetModel.hpp"
#include "Review/BenchSupport.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "SystemData/SystemDataModel.hpp"
#include "TandorAssistant/AssistantProposalStore.hpp"
#include "TandorAssistant/AssistantSettings.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorSystem/LiveSystemProbe.hpp"
#include "TandorSystem/SystemDataInspector.hpp"

Q_IMPORT_QML_PLUGIN(TandorPlugin)
Q_IMPORT_QML_PLUGIN(Tandor_SharedPlugin)

// The System Data tab and the assistant sheet, timed on the offscreen
// platform in a home folder of its own:
//
//   system-assistant-bench <scan tree> [runs]
//
// System Data: selecting the tab to its first frame, after a real scan of the
// scanner benchmark's tree (made by make-scan-tree) as the home folder; the
// inspection with that scan tree reused; and how many inspections run at once
// when ten tab views come and go quickly (each showing of the tab is a new
// model whose inspection runs to its end).
// Assistant: the main thread's share of one refresh with 10,000 stored
// proposals (the read itself runs on a worker, also reported) in a home
// folder of 10,000 proposed files, and opening
// the sheet to its first frame. Every figure is the median of the runs.
namespace {

using tandor::bench::millisecondsSince;
using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "system-assistant-bench: %s\n", what);
    std::exit(1);
}

double median(std::vector<double> values) {
    return tandor::bench::percentile(std::move(values), 0.5);
}

QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (root == nullptr) {
        return nullptr;
    }
    if (root->objectName() == name) {
        return root;
    }
    for (auto* child : root->childItems()) {
        if (auto* found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}

// Milliseconds from the call of act until the window has swapped a frame in
// which ready() holds.
double toFirstFrame(QQuickWindow& window, const std::function<void()>& act,
                    const std::function<bool()>& ready) {
    // Timed in the handler: qWaitFor's 10 ms polling sleeps are not the frame's.
    std::optional<double> elapsed;
    const auto start = Clock::now();
    const auto connection = QObject::connect(&window, &QQuickWindow::frameSwapped, [&] {
        if (!elapsed && ready()) {
            elapsed = millisecondsSince(start);
        }
    });
    act();
    if (!QTest::qWaitFor([&] { return elapsed.has_value(); }, 10'000)) {
        fail("no frame came");
    }
    QObject::disconnect(connection);
    return *elapsed;
}

void benchSystemData(QQuickWindow& window, tandor::ScanModel& model, int runs) {
    auto* state = window.findChild<QObject*>(QStringLiteral("contentViewModel"));
    std::vector<double> tab;
    for (int run = 0; run < runs; ++run) {
        state->setProperty("tab", QStringLiteral("Suggestions"));
        QTest::qWait(100);
        tab.push_back(toFirstFrame(
            window, [&] { state->setProperty("tab", QStringLiteral("System Data")); },
            [&] { return findItem(window.contentItem(), QStringLiteral("systemDataView")); }));
        QTest::qWait(100);
    }
    std::printf("system data: tab selected to first frame: median %.1f ms\n", median(tab));

    const tandor::SystemDataInspector inspector(std::make_shared<tandor::LiveSystemProbe>(),
                                                model.homePlaces(), QDir::tempPath().toStdString());
    std::vector<double> inspections;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        static_cast<void>(inspector.inspect(model.root()));
        inspections.push_back(millisecondsSince(start));
    }
    std::printf("system data: inspection with the scan tree reused: median %.1f ms\n",
                median(inspections));

    // Ten showings of the tab in quick succession, as the tab makes them: a
    // new model that starts its inspection, gone at the next switch.
    std::atomic<int> running = 0;
    std::atomic<int> most = 0;
    const auto counted = [&](const tandor::FileNodePtr& tree, const tandor::HomePlaces& places) {
        const int now = ++running;
        int seen = most.load();
        while (now > seen && !most.compare_exchange_weak(seen, now)) {
        }
        auto report = tandor::SystemDataModel::Services::standard().inspect(tree, places);
        --running;
        return report;
    };
    for (int view = 0; view < 10; ++view) {
        tandor::SystemDataModel systemData({counted, nullptr});
        systemData.load(model.root(), model.homePlaces());
        QTest::qWait(30);
    }
    if (!QTest::qWaitFor([&] { return running == 0; }, 60'000)) {
        fail("the inspections did not end");
    }
    std::printf("system data: inspections at once after ten quick tab switches: %d\n", most.load());
}

// 10,000 proposals of existing files in the home folder, stored through the
// store as the server stores them.
void storeProposals(const std::string& home, const std::string& path) {
    std::vector<tandor::AssistantProposal> proposals;
    for (int index = 0; index < 10'000; ++index) {
        const std::string folder = home + "/proposed/" + std::to_string(index % 100);
        std::filesystem::create_directories(folder);
        const std::string file = folder + "/file-" + std::to_string(index);
        std::ofstream(file) << index;
        proposals.push_back({file, index, "An old file.", std::chrono::system_clock::now()});
    }
    tandor::AssistantProposalStore(path).add(proposals);
}

void benchAssistant(QQuickWindow& window, const std::string& home, int runs) {
    // From here on the home folder is the benchmark's own, where the proposed
    // files are made.
    ::setenv("HOME", home.c_str(), 1);
    const std::string proposalsPath =
        tandor::paths::join(tandor::AssistantSettings::folder(), "assistant-proposals.json");
    storeProposals(home, proposalsPath);
    tandor::AssistantSettings{true, std::chrono::system_clock::now()}.save(
        tandor::AssistantSettings::defaultPath());

    tandor::AssistantSheetModel sheet;
    const auto refreshes = [&](tandor::AssistantSheetModel& target) {
        std::vector<double> mainThread;
        std::vector<double> whole;
        for (int run = 0; run < runs; ++run) {
            // A changed file each time, so that the list is rebuilt as well.
            tandor::AssistantProposalStore(proposalsPath)
                .add({{home + "/proposed/0/file-0", 100'000 + run, "Again.",
                       std::chrono::system_clock::now()}});
            const auto start = Clock::now();
            auto slice = Clock::now();
            target.reload();
            double busy = millisecondsSince(slice);
            // The main thread waits for nothing here; only the events it
            // handles count.
            while (target.isReading()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                slice = Clock::now();
                QCoreApplication::processEvents();
                busy += millisecondsSince(slice);
            }
            whole.push_back(millisecondsSince(start));
            mainThread.push_back(busy);
        }
        return std::pair(median(mainThread), median(whole));
    };
    const auto [alone, read] = refreshes(sheet);
    std::printf(
        "assistant: one refresh of 10,000 proposals: main thread median %.1f ms, "
        "read on the worker median %.1f ms (%d shown)\n",
        alone, read, sheet.proposalCount());

    std::vector<double> synchronous;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        static_cast<void>(tandor::AssistantProposalFilter::offered(
            tandor::AssistantProposalStore(proposalsPath).load(), home));
        synchronous.push_back(millisecondsSince(start));
    }
    std::printf("assistant: the same read done on the main thread would take median %.1f ms\n",
                median(synchronous));

    // The toolbar's button makes the sheet at its first opening; the figure
    // is for the openings after that.
    QMetaObject::invokeMethod(window.findChild<QObject*>(QStringLiteral("assistantButton")),
                              "clicked");
    auto* popup = window.findChild<QObject*>(QStringLiteral("assistantSheet"));
    if (popup == nullptr) {
        fail("no assistant sheet");
    }
    QMetaObject::invokeMethod(popup, "close");
    if (!QTest::qWaitFor([&] { return !popup->property("visible").toBool(); }, 5000)) {
        fail("the sheet did not close");
    }
    std::vector<double> opening;
    for (int run = 0; run < runs; ++run) {
        opening.push_back(toFirstFrame(
            window, [&] { QMetaObject::invokeMethod(popup, "open"); },
            [&] { return popup->property("opened").toBool(); }));
        QMetaObject::invokeMethod(popup, "close");
        if (!QTest::qWaitFor([&] { return !popup->property("visible").toBool(); }, 5000)) {
            fail("the sheet did not close");
        }
    }
    std::printf("assistant: opening the sheet to its first frame: median %.1f ms\n",
                median(opening));

    // The sheet open on its own timer, the file changed before each tick:
    // the longest stretch the main thread was busy at once (the timer's
    // tick, or the new list reaching the rows).
    QMetaObject::invokeMethod(popup, "open");
    double longest = 0;
    const auto until = Clock::now() + std::chrono::seconds(4 * runs);
    int change = 0;
    while (Clock::now() < until) {
        if (++change % 500 == 0) {
            tandor::AssistantProposalStore(proposalsPath)
                .add({{home + "/proposed/1/file-1", 200'000 + change, "Again.",
                       std::chrono::system_clock::now()}});
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const auto slice = Clock::now();
        QCoreApplication::processEvents();
        longest = std::max(longest, millisecondsSince(slice));
    }
    std::printf(
        "assistant: the sheet open, refreshing every 3 s: longest main-thread stretch "
        "%.1f ms\n",
        longest);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: system-assistant-bench <scan tree> [runs]\n");
        return 2;
    }
    const std::string tree = std::filesystem::absolute(argv[1]).string();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The stores and settings in a folder of their own; the scanned home is
    // the generated tree.
    const tandor::bench::TemporaryHome support;
    ::setenv("HOME", tree.c_str(), 1);

    QGuiApplication application(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    tandor::ScanModel model;
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, model);
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        fail("the main window did not load");
    }
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    window->setProperty("showSplash", false);
    if (!QTest::qWaitForWindowExposed(window)) {
        fail("the window did not show");
    }
    model.scanHome();
    if (!QTest::qWaitFor([&] { return model.phase() == tandor::ScanModel::Phase::ready; },
                         600'000)) {
        fail("the scan did not end");
    }
    benchSystemData(*window, model, runs);
    benchAssistant(*window, support.path(), runs);
    return 0;
}
