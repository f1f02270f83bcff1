#pragma once

#include <QQuickAsyncImageProvider>
#include <QQuickImageProvider>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <optional>
#include <string>

namespace tandor {

class ThumbnailCache;

// The pictures of the swipe cards, as "image://swipethumbnail/<id>", where id
// is the number SwipeThumbnailProvider::idFor gave the card's path: QML never
// names a file by its text.
//
// Each request decodes the file on the provider's own thread pool through the
// duplicates engine's libvips set-up (links not followed, pipes and devices
// refused without blocking, pixels capped; no other program is started), at
// most 960 × 600 pixels. A file without a picture answers with a single
// transparent pixel, so that the card keeps its icon. A small cache keyed by path, size and
// modification time lets a card that comes forward keep its picture; a
// request the view no longer needs (the card's path changed) is dropped
// before it decodes.
class SwipeThumbnailProvider : public QQuickAsyncImageProvider {
  public:
    static constexpr auto name = "swipethumbnail";
    static constexpr int maxWidth = 960;
    static constexpr int maxHeight = 600;

    SwipeThumbnailProvider();
    ~SwipeThumbnailProvider() override;

    // The stable id of path for this run; any thread.
    static QString idFor(const std::string& path);
    // The path an id names, if any; any thread.
    static std::optional<std::string> pathFor(const QString& id);

    QQuickImageResponse* requestImageResponse(const QString& id,
                                              const QSize& requestedSize) override;

  private:
    std::shared_ptr<ThumbnailCache> cache_;
    QThreadPool pool_;
};

// The icon of a card's file from its MIME type (by name only: the file is not
// opened) and the icon theme, as "image://swipeicon/<id>"; a single
// transparent pixel when the theme has none, and the card draws its own
// outline. Main thread, so the
// icon is there in the card's first frame.
class SwipeIconProvider : public QQuickImageProvider {
  public:
    static constexpr auto name = "swipeicon";

    SwipeIconProvider();

    QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;
};

}  // namespace tandor
