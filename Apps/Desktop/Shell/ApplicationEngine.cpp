#include "Shell/ApplicationEngine.hpp"

#include <QQmlEngine>

#include "Shell/ScanModel.hpp"
#include "Smart/AppIconProvider.hpp"
#include "Swipe/SwipeThumbnailProvider.hpp"

namespace tandor::ApplicationEngine {

void prepare(QQmlEngine& engine, ScanModel& model) {
    ScanModel::registerForQml(&model);
    // The module's resources lie under qrc:/Tandor/, outside the default
    // import paths.
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(QLatin1String(SwipeThumbnailProvider::name),
                            new SwipeThumbnailProvider);
    engine.addImageProvider(QLatin1String(SwipeIconProvider::name), new SwipeIconProvider);
    engine.addImageProvider(QLatin1String(AppIconProvider::name), new AppIconProvider);
    engine.addImageProvider(QLatin1String(AppThemeIconProvider::name), new AppThemeIconProvider);
}

}  // namespace tandor::ApplicationEngine
