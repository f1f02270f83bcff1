#include <QtQml/qqmlextensionplugin.h>

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <string_view>

#include "TandorAssistant/AssistantLaunch.hpp"

Q_IMPORT_QML_PLUGIN(TandorPlugin)

int main(int argc, char** argv) {
    // The assistant mode is chosen before any Qt object exists: it needs no
    // display and must run on a headless machine.
    for (int index = 1; index < argc; ++index) {
        if (std::string_view(argv[index]) == "--mcp") {
            tandor::AssistantLaunch::run();
        }
    }

    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName("Tandor");
    QGuiApplication::setOrganizationName("Tandor");
    QGuiApplication::setApplicationVersion(TANDOR_VERSION);

    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        return 1;
    }
    return QGuiApplication::exec();
}
