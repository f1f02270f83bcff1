#include <QtQml/qqmlextensionplugin.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"

Q_IMPORT_QML_PLUGIN(TandorPlugin)
Q_IMPORT_QML_PLUGIN(Tandor_SharedPlugin)

// The time from launch to the first frame of the main window, the median of
// several launches: startup-bench [launches]. Each launch is a new process
// (this program again) that starts the application as main.cpp does, on the
// offscreen platform, in an empty home folder of its own, and writes the
// monotonic clock when the window's first frame is swapped. The time counts
// from just before the fork, so it includes loading the executable.
namespace {

constexpr auto childArgument = "--first-frame";

std::int64_t monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

int runApplication(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName("Tandor");
    QGuiApplication::setOrganizationName("Tandor");
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    tandor::ScanModel model;
    model.recoverInterruptedCommit();
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, model);
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, [](QObject* root) {
        auto* window = qobject_cast<QQuickWindow*>(root);
        if (window == nullptr) {
            std::exit(1);
        }
        QObject::connect(window, &QQuickWindow::frameSwapped, [] {
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

// One launch: milliseconds to the first frame, or a negative number.
double launch(const char* program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return -1;
    }
    const std::int64_t start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        // Qt's notes about the offscreen platform, once per launch.
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(program, program, childArgument, static_cast<char*>(nullptr));
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
        return -1;
    }
    const std::int64_t frame = std::strtoll(output.c_str(), nullptr, 10);
    return static_cast<double>(frame - start) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], childArgument) == 0) {
        return runApplication(argc, argv);
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
    return 0;
}
