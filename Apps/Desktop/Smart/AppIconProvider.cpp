#include "Smart/AppIconProvider.hpp"

#include <QIcon>
#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Shell/PooledImageResponse.hpp"
#include "Smart/AppIcon.hpp"

namespace tandor {
namespace {

// Where an application's icon lies: its bundle and the name its Info.plist
// gives the icon.
struct IconPlace {
    std::string bundlePath;
    std::string iconFile;

    friend auto operator<=>(const IconPlace&, const IconPlace&) = default;
};

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
        return place_ ? AppIcon::read(place_->bundlePath, place_->iconFile, box_) : QImage();
    }

    std::optional<IconPlace> place_;
    QSize box_;
};

QImage drawnThemeIcon() {
    const QIcon icon = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    return icon.isNull() ? QImage() : icon.pixmap(AppIconProvider::largestSide / 2).toImage();
}

}  // namespace

AppIconProvider::AppIconProvider() : themeIcon_(drawnThemeIcon()) {
    pool_.setMaxThreadCount(2);
}

AppIconProvider::~AppIconProvider() {
    pool_.waitForDone();
}

QString AppIconProvider::sourceFor(const AppBundle& app) {
    const int id = PlaceRegistry::shared().idFor({app.path, app.iconFile.value_or("")});
    return QStringLiteral("image://%1/%2").arg(QLatin1String(name)).arg(id);
}

QQuickImageResponse* AppIconProvider::requestImageResponse(const QString& id,
                                                           const QSize& requestedSize) {
    const auto side = [](int value) {
        return value > 0 ? std::min(value, largestSide) : largestSide;
    };
    auto* response =
        new IconResponse(PlaceRegistry::shared().placeOf(id),
                         {side(requestedSize.width()), side(requestedSize.height())}, themeIcon_);
    pool_.start(response);
    return response;
}

}  // namespace tandor
