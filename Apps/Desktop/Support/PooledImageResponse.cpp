#include "Support/PooledImageResponse.hpp"

#include <utility>

namespace tandor {

PooledImageResponse::PooledImageResponse(Missing missing, QImage fallback)
    : missing_(missing), image_(std::move(fallback)) {
    setAutoDelete(false);
}

void PooledImageResponse::run() {
    if (!cancelled_) {
        QImage drawn = draw();
        if (!drawn.isNull()) {
            image_ = std::move(drawn);
        }
    }
    emit finished();
}

void PooledImageResponse::cancel() {
    cancelled_ = true;
}

QQuickTextureFactory* PooledImageResponse::textureFactory() const {
    if (image_.isNull() && missing_ == Missing::transparentPixel) {
        QImage none(1, 1, QImage::Format_RGBA8888);
        none.fill(Qt::transparent);
        return QQuickTextureFactory::textureFactoryForImage(none);
    }
    return QQuickTextureFactory::textureFactoryForImage(image_);
}

}  // namespace tandor
