#pragma once

#include <QImage>
#include <QQuickAsyncImageProvider>
#include <QString>
#include <QThreadPool>

#include "TandorApps/AppBundle.hpp"

namespace tandor {

// The icons of the Apps pane, as "image://appicon/<id>", where id is the
// number sourceFor gave the application: QML never names a file by its text.
//
// Each request reads the bundle's own icon (AppIcon::read) on the provider's
// thread pool, at most 256 pixels a side. Without one it answers with the
// icon theme's application icon, and without that with a single transparent
// pixel, so that the view draws its own outline.
class AppIconProvider : public QQuickAsyncImageProvider {
  public:
    static constexpr auto name = "appicon";
    static constexpr int largestSide = 256;

    // Main thread: the theme's icon is drawn here, once.
    AppIconProvider();
    ~AppIconProvider() override;

    // The image source of app's icon for this run; any thread.
    static QString sourceFor(const AppBundle& app);

    QQuickImageResponse* requestImageResponse(const QString& id,
                                              const QSize& requestedSize) override;

  private:
    QImage themeIcon_;
    QThreadPool pool_;
};

}  // namespace tandor
