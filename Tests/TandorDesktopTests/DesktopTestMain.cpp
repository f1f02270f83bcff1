#include <QtQml/qqmlextensionplugin.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QGuiApplication>

Q_IMPORT_QML_PLUGIN(TandorPlugin)
Q_IMPORT_QML_PLUGIN(Tandor_SharedPlugin)

// Qt 6.4's software scene graph, which the offscreen platform uses, never
// frees the texture of an image shown in a window, nor the decoded image it
// holds (every Image leaks, even a plain PNG). Qt's libraries are built
// without frame pointers, so the leaks' stacks end in the library that
// allocated: the suppressions name the libraries. Our own allocations keep
// our frames and are still reported. Read by LeakSanitizer at exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6Gui.so\n"
           "leak:libQt6Quick.so\n";
}

// The view models and views need a running Qt application; the tests run
// without a display, on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
