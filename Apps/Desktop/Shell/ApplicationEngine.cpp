#include "Shell/ApplicationEngine.hpp"

#include <QQmlEngine>

#include "Shell/ScanModel.hpp"

namespace tandor::ApplicationEngine {

void prepare(QQmlEngine& engine, ScanModel& model) {
    ScanModel::registerForQml(&model);
    // The module's resources lie under qrc:/Tandor/, outside the default
    // import paths.
    engine.addImportPath(QStringLiteral("qrc:/"));
}

}  // namespace tandor::ApplicationEngine
