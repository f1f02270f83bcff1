#pragma once

#include <QQuickAsyncImageProvider>
#include <memory>

#include "Duplicates/PhotoIDs.hpp"

namespace tandor {

// Thumbnails of the photos the Duplicates tab shows ("image://photo/<id>",
// the id from PhotoIDs), decoded off the main thread by the engine's libvips
// set-up, which refuses links, pipes, damaged and oversized images. A
// thumbnail fits the requested size, at most 512 pixels a side; an id
// without a photo or an image that cannot be read gives an empty image, and
// the view keeps its placeholder.
class PhotoThumbnailProvider : public QQuickAsyncImageProvider {
  public:
    static constexpr int largestSide = 512;

    explicit PhotoThumbnailProvider(std::shared_ptr<PhotoIDs> ids);

    QQuickImageResponse* requestImageResponse(const QString& id,
                                              const QSize& requestedSize) override;

  private:
    std::shared_ptr<PhotoIDs> ids_;
};

}  // namespace tandor
