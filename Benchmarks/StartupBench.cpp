#include <QtQml/qqmlextensionplugin.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "Shell/ShellSettings.hpp"

Q_IMPORT_QML_PLUGIN(TandorPlugin)
Q_IMPORT_QML_PLUGIN(Tandor_SharedPlugin)

// The time from launch to the first frame of the main window, the median of
// several launches: startup-bench [launches]. Each launch is a new process
// (this program again) that starts the application as main.cpp does, on the
// offscreen platform, in an empty home folder of its own (so the first frame
// is the first launch's onboarding tour), and writes the monotonic clock when
// the window's first frame is swapped. The time counts from just before the
// fork, so it includes loading the executable.
//
// Then one more process pages through that tour with the arrow keys and
// reports the frames drawn while pages slide: how long each took from the
// start of its synchronisation to its swap, in wall time and in the drawing
// thread's CPU time (median and 95th percentile).
//
// Last, one more process, with the software renderer that machines without a
// GPU get, on the display the benchmark was given (xcb when DISPLAY is set),
// shows the pre-scan welcome with its balloon moving, then scans its empty
// home and stays on the result, and reports the CPU time the whole process
// spends per second of wall time on each: the welcome, where only the balloon
// moves, and the result, where nothing does. CPU time per wall second is what
// a shared, loaded machine does not distort.
namespace {

constexpr auto childArgument = "--first-frame";
constexpr auto tourArgument = "--tour-frames";
constexpr auto idleArgument = "--idle-cpu";

std::int64_t monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The item of this name in the visual tree under root, or null.
QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (root->objectName() == name) {
        return root;
    }
    for (QQuickItem* child : root->childItems()) {
        if (QQuickItem* found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}

void prepareApplication() {
    QGuiApplication::setApplicationName("Tandor");
    QGuiApplication::setOrganizationName("Tandor");
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
}

int runApplication(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    prepareApplication();
    tandor::ScanModel model;
    model.recoverInterruptedCommit();
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, model);
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, [](QObject* root) {
        auto* window = qobject_cast<QQuickWindow*>(root);
        if (window == nullptr) {
            std::exit(1);
        }
        QObject::connect(window, &QQuickWindow::frameSwapped, [window] {
            // The figure is the onboarding's: fail if the window shows anything else.
            if (findItem(window->contentItem(), QStringLiteral("onboardingTour")) == nullptr) {
                std::_Exit(1);
            }
            std::printf("%lld\n", static_cast<long long>(monotonicNanoseconds()));
            std::fflush(stdout);
            // Tearing down is not part of the figure.
            std::_Exit(0);
        });
    });
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        return 1;
    }
    return QGuiApplication::exec();
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

std::int64_t threadCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The frames drawn while pages slide: wall time, and the drawing thread's CPU
// time, which a busy machine does not inflate.
struct SlideFrames {
    std::vector<double> wall;
    std::vector<double> cpu;
    std::int64_t wallStart = -1;
    std::int64_t cpuStart = 0;
    bool sliding = false;

    void begin() {
        wallStart = monotonicNanoseconds();
        cpuStart = threadCpuNanoseconds();
    }
    void end() {
        if (sliding && wallStart >= 0) {
            wall.push_back(static_cast<double>(monotonicNanoseconds() - wallStart) / 1e6);
            cpu.push_back(static_cast<double>(threadCpuNanoseconds() - cpuStart) / 1e6);
        }
    }
};

// Pages through the tour forward and back (the slide is 0.45 s; a key every
// 0.6 s) and prints the frames' count, then the median and 95th percentile
// in ms of their wall time and of their CPU time. Fails when a key did not
// turn the page.
int runTour(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    prepareApplication();
    tandor::ScanModel model;
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, model);
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    auto* window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (window == nullptr) {
        return 1;
    }
    window->setProperty("showSplash", false);

    SlideFrames frames;
    QObject::connect(
        window, &QQuickWindow::beforeSynchronizing, window, [&] { frames.begin(); },
        Qt::DirectConnection);
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window, [&] { frames.end(); }, Qt::DirectConnection);

    constexpr int rounds = 4;
    const std::vector<int> keys = {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                                   Qt::Key_Left,  Qt::Key_Left,  Qt::Key_Left};
    int pressed = 0;
    bool stuck = false;
    QTimer pager;
    pager.setInterval(600);
    QObject::connect(&pager, &QTimer::timeout, [&] {
        QQuickItem* tour = findItem(window->contentItem(), QStringLiteral("onboardingTour"));
        if (tour == nullptr || pressed == rounds * static_cast<int>(keys.size())) {
            stuck = stuck || tour == nullptr;
            application.quit();
            return;
        }
        const int key = keys[static_cast<std::size_t>(pressed % static_cast<int>(keys.size()))];
        const int page = tour->property("page").toInt();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QGuiApplication::sendEvent(window, &press);
        QGuiApplication::sendEvent(window, &release);
        stuck = stuck || tour->property("page").toInt() == page;
        ++pressed;
        frames.sliding = true;
        QTimer::singleShot(470, [&] { frames.sliding = false; });
    });
    // A second for the window to show and settle before the first key.
    QTimer::singleShot(1000, [&] { pager.start(); });
    QGuiApplication::exec();
    if (stuck || frames.wall.empty()) {
        return 1;
    }
    std::printf("%zu %.2f %.2f %.2f %.2f\n", frames.wall.size(), percentile(frames.wall, 0.5),
                percentile(frames.wall, 0.95), percentile(frames.cpu, 0.5),
                percentile(frames.cpu, 0.95));
    std::fflush(stdout);
    // As after the first frame: tearing down is not part of the figure.
    std::_Exit(0);
}

std::int64_t processCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// Counts the process's CPU time over a span of wall time.
class CpuShare {
  public:
    void start() {
        wallStart_ = monotonicNanoseconds();
        cpuStart_ = processCpuNanoseconds();
    }
    // The process's CPU time per second of wall time since start().
    double share() const {
        return static_cast<double>(processCpuNanoseconds() - cpuStart_) /
               static_cast<double>(monotonicNanoseconds() - wallStart_);
    }

  private:
    std::int64_t wallStart_ = 0;
    std::int64_t cpuStart_ = 0;
};

// Shows the pre-scan welcome (onboarding finished, no splash), then the
// result of a scan of the empty home, each still for a while, and prints the
// window's size and the CPU share of each, or fails when a screen did not show.
int runIdle(int argc, char** argv) {
    constexpr int settleMilliseconds = 2000;
    constexpr int measureMilliseconds = 10'000;
    QGuiApplication application(argc, argv);
    prepareApplication();
    QSettings().setValue(tandor::ShellSettings::didFinishOnboardingKey, true);
    tandor::ScanModel model;
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, model);
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    auto* window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (window == nullptr) {
        return 1;
    }
    window->setProperty("showSplash", false);

    CpuShare span;
    double emptyState = -1;
    double afterScan = -1;
    bool scanEnded = false;
    QTimer::singleShot(settleMilliseconds, [&] {
        if (findItem(window->contentItem(), QStringLiteral("scanHomeButton")) == nullptr) {
            application.exit(1);
            return;
        }
        span.start();
        QTimer::singleShot(measureMilliseconds, [&] {
            emptyState = span.share();
            if (!model.scanHome()) {
                application.exit(1);
            }
        });
    });
    QObject::connect(&model, &tandor::ScanModel::phaseChanged, [&] {
        if (emptyState < 0 || model.isScanning() || scanEnded) {
            return;
        }
        scanEnded = true;
        QTimer::singleShot(settleMilliseconds, [&] {
            span.start();
            QTimer::singleShot(measureMilliseconds, [&] {
                afterScan = span.share();
                application.quit();
            });
        });
    });
    if (QGuiApplication::exec() != 0 || emptyState < 0 || afterScan < 0) {
        return 1;
    }
    std::printf("%s %d %d %.4f %.4f\n", qPrintable(QGuiApplication::platformName()),
                window->width(), window->height(), emptyState, afterScan);
    std::fflush(stdout);
    std::_Exit(0);
}

// Runs this program with one argument; its standard output, or none when it
// failed.
std::optional<std::string> runChild(const char* program, const char* argument,
                                    std::int64_t& start) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        // Qt's notes about the offscreen platform, once per launch.
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(program, program, argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[64];
    ssize_t count = 0;
    while ((count = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(count));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty()) {
        return std::nullopt;
    }
    return output;
}

// One launch: milliseconds to the first frame, or a negative number.
double launch(const char* program) {
    std::int64_t start = 0;
    const auto output = runChild(program, childArgument, start);
    if (!output) {
        return -1;
    }
    const std::int64_t frame = std::strtoll(output->c_str(), nullptr, 10);
    return static_cast<double>(frame - start) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], childArgument) == 0) {
        return runApplication(argc, argv);
    }
    if (argc == 2 && std::strcmp(argv[1], tourArgument) == 0) {
        return runTour(argc, argv);
    }
    if (argc == 2 && std::strcmp(argv[1], idleArgument) == 0) {
        return runIdle(argc, argv);
    }
    const int launches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;

    // An empty home and settings folder: no settings, no previous scan.
    const QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    const QByteArray homePath = home.path().toLocal8Bit();
    setenv("HOME", homePath.constData(), 1);
    setenv("XDG_CONFIG_HOME", (homePath + "/.config").constData(), 1);
    setenv("XDG_DATA_HOME", (homePath + "/.local/share").constData(), 1);
    setenv("XDG_CACHE_HOME", (homePath + "/.cache").constData(), 1);
    const char* display = std::getenv("DISPLAY");
    const bool onDisplay = display != nullptr && *display != '\0';
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<double> times;
    for (int run = 0; run < launches; ++run) {
        const double milliseconds = launch("/proc/self/exe");
        if (milliseconds < 0) {
            std::fprintf(stderr,
                         "startup-bench: launch %d failed; run \"startup-bench %s\" to see why\n",
                         run + 1, childArgument);
            return 1;
        }
        times.push_back(milliseconds);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "launch to first frame, offscreen, %d launches: median %.1f ms (min %.1f, max %.1f)\n",
        launches, times[times.size() / 2], times.front(), times.back());

    std::int64_t start = 0;
    const auto tour = runChild("/proc/self/exe", tourArgument, start);
    std::size_t count = 0;
    double median = 0;
    double p95 = 0;
    double cpuMedian = 0;
    double cpuP95 = 0;
    if (!tour || std::sscanf(tour->c_str(), "%zu %lf %lf %lf %lf", &count, &median, &p95,
                             &cpuMedian, &cpuP95) != 5) {
        std::fprintf(stderr, "startup-bench: paging the tour failed; run \"startup-bench %s\"\n",
                     tourArgument);
        return 1;
    }
    std::printf(
        "tour pages sliding, offscreen, %zu frames: median %.2f ms, 95th percentile %.2f ms "
        "(CPU time: median %.2f ms, 95th percentile %.2f ms)\n",
        count, median, p95, cpuMedian, cpuP95);

    setenv("QT_QPA_PLATFORM", onDisplay ? "xcb" : "offscreen", 1);
    setenv("QT_QUICK_BACKEND", "software", 1);
    const auto idle = runChild("/proc/self/exe", idleArgument, start);
    char platform[32] = {};
    int width = 0;
    int height = 0;
    double emptyState = 0;
    double afterScan = 0;
    if (!idle || std::sscanf(idle->c_str(), "%31s %d %d %lf %lf", platform, &width, &height,
                             &emptyState, &afterScan) != 5) {
        std::fprintf(stderr, "startup-bench: the idle screens failed; run \"startup-bench %s\"\n",
                     idleArgument);
        return 1;
    }
    std::printf(
        "idle, software renderer, %s, %d × %d: CPU time per wall second %.1f %% on the pre-scan "
        "welcome, %.1f %% after a scan\n",
        platform, width, height, emptyState * 100, afterScan * 100);
    return 0;
}
