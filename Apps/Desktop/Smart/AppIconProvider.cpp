#include "Smart/AppIconProvider.hpp"

#include <QIcon>
#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Support/PooledImageResponse.hpp"
#include "Smart/AppIcon.hpp"

namespace tandor {
namespace {

// Where an application's icon lies: its bundle and the name its Info.plist
// gives the icon, an image file, or a name in the icon theme.
struct IconPlace {
    enum class Source { bundle, imageFile, themeName };

    Source source;
    std::string bundlePath;
    // The bundle's icon name, the image file's absolute path or the theme's
    // icon name.
    std::string icon;

    friend auto operator<=>(const IconPlace&, const IconPlace&) = default;
};

IconPlace placeOf(const AppBundle& app) {
    auto icon = app.iconFile.value_or("");
    if (app.kind == AppBundle::Kind::bundle) {
        return {IconPlace::Source::bundle, app.path, std::move(icon)};
    }
    const auto source =
        icon.starts_with('/') ? IconPlace::Source::imageFile : IconPlace::Source::themeName;
    return {source, {}, std::move(icon)};
}

// The places the views asked about, numbered in the order they first came.
struct PlaceRegistry {
    std::mutex mutex;
    std::map<IconPlace, int> ids;
    std::vector<IconPlace> places;

    static PlaceRegistry& shared() {
        static PlaceRegistry registry;
        return registry;
    }

    int idFor(IconPlace place) {
        const std::lock_guard lock(mutex);
        const auto [found, added] = ids.try_emplace(place, int(places.size()));
        if (added) {
            places.push_back(std::move(place));
        }
        return found->second;
    }

    std::optional<IconPlace> placeOf(const QString& id) {
        bool ok = false;
        const int number = id.toInt(&ok);
        const std::lock_guard lock(mutex);
        if (!ok || number < 0 || std::size_t(number) >= places.size()) {
            return std::nullopt;
        }
        return places[std::size_t(number)];
    }
};

// The bundle's own icon, else the theme's, else the transparent pixel.
class IconResponse : public PooledImageResponse {
  public:
    IconResponse(std::optional<IconPlace> place, QSize box, QImage themeIcon)
        : PooledImageResponse(Missing::transparentPixel, std::move(themeIcon)),
          place_(std::move(place)),
          box_(box) {}

  private:
    QImage draw() override {
        if (!place_) {
            return {};
        }
        switch (place_->source) {
            case IconPlace::Source::bundle:
                return AppIcon::read(place_->bundlePath, place_->icon, box_);
            case IconPlace::Source::imageFile:
                return AppIcon::readFile(place_->icon, box_);
            case IconPlace::Source::themeName:
                break;
        }
        return {};
    }

    std::optional<IconPlace> place_;
    QSize box_;
};

const QString applicationIconName = QStringLiteral("application-x-executable");

QImage drawnThemeIcon() {
    const QIcon icon = QIcon::fromTheme(applicationIconName);
    return icon.isNull() ? QImage() : icon.pixmap(AppIconProvider::largestSide / 2).toImage();
}

int sideOf(int requested) {
    return requested > 0 ? std::min(requested, AppIconProvider::largestSide)
                         : AppIconProvider::largestSide;
}

}  // namespace

AppIconProvider::AppIconProvider() : themeIcon_(drawnThemeIcon()) {
    pool_.setMaxThreadCount(2);
}

AppIconProvider::~AppIconProvider() {
    pool_.waitForDone();
}

QString AppIconProvider::sourceFor(const AppBundle& app) {
    auto place = placeOf(app);
    const auto* provider =
        place.source == IconPlace::Source::themeName ? AppThemeIconProvider::name : name;
    const int id = PlaceRegistry::shared().idFor(std::move(place));
    return QStringLiteral("image://%1/%2").arg(QLatin1String(provider)).arg(id);
}

QQuickImageResponse* AppIconProvider::requestImageResponse(const QString& id,
                                                           const QSize& requestedSize) {
    auto* response = new IconResponse(
        PlaceRegistry::shared().placeOf(id),
        {sideOf(requestedSize.width()), sideOf(requestedSize.height())}, themeIcon_);
    pool_.start(response);
    return response;
}

AppThemeIconProvider::AppThemeIconProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {
}

QPixmap AppThemeIconProvider::requestPixmap(const QString& id, QSize* size,
                                            const QSize& requestedSize) {
    const auto place = PlaceRegistry::shared().placeOf(id);
    QIcon icon;
    if (place && place->source == IconPlace::Source::themeName && !place->icon.empty()) {
        icon = QIcon::fromTheme(QString::fromStdString(place->icon));
    }
    if (icon.isNull()) {
        icon = QIcon::fromTheme(applicationIconName);
    }
    QPixmap pixmap =
        icon.isNull()
            ? QPixmap()
            : icon.pixmap(QSize(sideOf(requestedSize.width()), sideOf(requestedSize.height())));
    if (pixmap.isNull()) {
        pixmap = QPixmap(1, 1);
        pixmap.fill(Qt::transparent);
    }
    if (size != nullptr) {
        *size = pixmap.size();
    }
    return pixmap;
}

}  // namespace tandor
