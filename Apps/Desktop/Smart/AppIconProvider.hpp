#pragma once

#include <QImage>
#include <QPixmap>
#include <QQuickAsyncImageProvider>
#include <QQuickImageProvider>
#include <QString>
#include <QThreadPool>

#include "TandorApps/AppBundle.hpp"

namespace tandor {

// The icons of the Apps pane, as "image://appicon/<id>", where id is the
// number sourceFor gave the application: QML never names a file by its text.
//
// Each request reads the bundle's own icon (AppIcon::read), or the image file
// an AppImage's desktop entry names (AppIcon::readFile), on the provider's
// thread pool, at most 256 pixels a side. Without one it answers with the
// icon theme's application icon, and without that with a single transparent
// pixel, so that the view draws its own outline. An AppImage whose icon is an
// icon-theme name gets a source of AppThemeIconProvider instead.
class AppIconProvider : public QQuickAsyncImageProvider {
  public:
    static constexpr auto name = "appicon";
    static constexpr int largestSide = 256;

    // Main thread: the theme's icon is drawn here, once.
    AppIconProvider();
    ~AppIconProvider() override;

    // The image source of app's icon for this run, from this provider or
    // from AppThemeIconProvider; any thread.
    static QString sourceFor(const AppBundle& app);

    QQuickImageResponse* requestImageResponse(const QString& id,
                                              const QSize& requestedSize) override;

  private:
    QImage themeIcon_;
    QThreadPool pool_;
};

// The icons that AppImages' desktop entries name from the icon theme, as
// "image://appthemeicon/<id>" from AppIconProvider::sourceFor. The theme is
// read on the main thread, where Qt's icon loader lives: a pixmap provider is
// always asked there. Without the named icon it answers as AppIconProvider
// does: the theme's application icon, else a single transparent pixel.
class AppThemeIconProvider : public QQuickImageProvider {
  public:
    static constexpr auto name = "appthemeicon";

    AppThemeIconProvider();

    QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;
};

}  // namespace tandor
