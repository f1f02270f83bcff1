#pragma once

#include <QImage>
#include <QQuickImageResponse>
#include <QRunnable>
#include <atomic>

namespace tandor {

// One picture of an asynchronous image provider, drawn on the thread pool the
// provider starts it on. The view owns the response (it is not deleted when it
// has run); a request the view cancels before it runs draws nothing.
class PooledImageResponse : public QQuickImageResponse, public QRunnable {
  public:
    // What the view gets when there is no picture.
    enum class Missing {
        // One transparent pixel rather than an error, which the view would
        // report as a warning for every such picture; the view draws its own
        // icon or outline.
        transparentPixel,
        // An empty image: the view keeps its placeholder.
        emptyImage,
    };

    void run() final;
    void cancel() final;
    QQuickTextureFactory* textureFactory() const final;

  protected:
    // fallback stands when draw() gives no picture or does not run.
    explicit PooledImageResponse(Missing missing, QImage fallback = {});

    // The picture, on the pool, once; a null image when there is none.
    virtual QImage draw() = 0;
    // Whether the view no longer needs the picture; any thread.
    bool cancelled() const { return cancelled_; }

  private:
    Missing missing_;
    QImage image_;
    std::atomic<bool> cancelled_ = false;
};

}  // namespace tandor
