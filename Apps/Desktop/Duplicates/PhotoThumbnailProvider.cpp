#include "Duplicates/PhotoThumbnailProvider.hpp"

#include <QImage>
#include <algorithm>
#include <optional>
#include <string>

#include "Support/BackgroundPool.hpp"
#include "Support/PooledImageResponse.hpp"
#include "TandorDuplicates/ImageThumbnail.hpp"

namespace tandor {

namespace {

QImage decoded(const std::optional<std::string>& path, QSize box) {
    if (!path) {
        return {};
    }
    const auto thumbnail = ImageThumbnail::decode(*path, box.width(), box.height());
    if (!thumbnail || thumbnail->width <= 0 || thumbnail->height <= 0) {
        return {};
    }
    // The decoder's rows are tightly packed RGBA; the copy owns its pixels.
    return QImage(thumbnail->rgba.data(), thumbnail->width, thumbnail->height, thumbnail->width * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

// One thumbnail, decoded on the shared thread pool; without one the view
// keeps its placeholder.
class ThumbnailResponse : public PooledImageResponse {
  public:
    ThumbnailResponse(std::optional<std::string> path, QSize box)
        : PooledImageResponse(Missing::emptyImage), path_(std::move(path)), box_(box) {}

  private:
    QImage draw() override { return decoded(path_, box_); }

    std::optional<std::string> path_;
    QSize box_;
};

QSize boxFor(const QSize& requested) {
    const auto side = [](int value) {
        return value > 0 ? std::min(value, PhotoThumbnailProvider::largestSide)
                         : PhotoThumbnailProvider::largestSide;
    };
    return {side(requested.width()), side(requested.height())};
}

}  // namespace

PhotoThumbnailProvider::PhotoThumbnailProvider(std::shared_ptr<PhotoIDs> ids)
    : ids_(std::move(ids)) {
}

QQuickImageResponse* PhotoThumbnailProvider::requestImageResponse(const QString& id,
                                                                  const QSize& requestedSize) {
    bool isNumber = false;
    const int number = id.toInt(&isNumber);
    auto* response = new ThumbnailResponse(isNumber ? ids_->pathOf(number) : std::nullopt,
                                           boxFor(requestedSize));
    BackgroundPool::shared()->start(response);
    return response;
}

}  // namespace tandor
