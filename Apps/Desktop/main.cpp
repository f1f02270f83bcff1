#include <QtQml/qqmlextensionplugin.h>

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <string_view>

#include "Duplicates/DuplicatesModel.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorAssistant/AssistantLaunch.hpp"

Q_IMPORT_QML_PLUGIN(TandorPlugin)
Q_IMPORT_QML_PLUGIN(Tandor_SharedPlugin)

int main(int argc, char** argv) {
    // The assistant mode is chosen before any Qt object exists: it needs no
    // display and must run on a headless machine. Only the exact argument
    // counts, at any position (the program path included).
    for (int index = 0; index < argc; ++index) {
        if (std::string_view(argv[index]) == "--mcp") {
            tandor::AssistantLaunch::run();
        }
    }

    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName("Tandor");
    QGuiApplication::setOrganizationName("Tandor");
    QGuiApplication::setApplicationVersion(TANDOR_VERSION);
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE")) {
        // A desktop style that follows the system palette, light or dark.
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
    }

    // The one scan model, for the whole run. Declared before the engine, so
    // that it outlives every view; its destructor stops a scan still running
    // (quitting never waits for a scan to finish).
    tandor::ScanModel model;
    model.recoverInterruptedCommit();
    // The one duplicates model beside it, stopping its search when it goes.
    tandor::DuplicatesModel duplicates(model);
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, model);
    tandor::DuplicatesModel::prepare(engine, &duplicates);
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        return 1;
    }
    return QGuiApplication::exec();
}
