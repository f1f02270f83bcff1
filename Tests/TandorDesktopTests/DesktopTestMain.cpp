#include <QtQml/qqmlextensionplugin.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QGuiApplication>

Q_IMPORT_QML_PLUGIN(TandorPlugin)

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
