#include "Swipe/SwipeThumbnailProvider.hpp"

#include <sys/stat.h>

#include <QIcon>
#include <QImage>
#include <QMimeDatabase>
#include <list>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "Support/PooledImageResponse.hpp"
#include "TandorDuplicates/ImageThumbnail.hpp"
#include "TandorShared/DisplayText.hpp"

namespace tandor {

namespace {

// The paths the views asked about, numbered in the order they first came.
struct PathRegistry {
    std::mutex mutex;
    std::unordered_map<std::string, int> ids;
    std::vector<std::string> paths;

    static PathRegistry& shared() {
        static PathRegistry registry;
        return registry;
    }
};

struct CacheKey {
    std::string path;
    QSize size;
    std::int64_t modified = 0;
    std::int64_t bytes = 0;

    friend bool operator==(const CacheKey&, const CacheKey&) = default;
};

// The file's identity for the cache; nothing when it cannot be read.
std::optional<CacheKey> keyFor(const std::string& path, const QSize& size) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return CacheKey{path, size,
                    std::int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                    std::int64_t(info.st_size)};
}

QImage imageOf(const ImageThumbnail& thumbnail) {
    const QImage view(thumbnail.rgba.data(), thumbnail.width, thumbnail.height, thumbnail.width * 4,
                      QImage::Format_RGBA8888);
    return view.copy();
}

}  // namespace

// The last few pictures made; shared by the requests, any thread.
class ThumbnailCache {
  public:
    static constexpr std::size_t capacity = 12;

    std::optional<QImage> find(const CacheKey& key) {
        const std::lock_guard lock(mutex_);
        for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
            if (entry->first == key) {
                entries_.splice(entries_.begin(), entries_, entry);
                return entries_.front().second;
            }
        }
        return std::nullopt;
    }

    void insert(CacheKey key, QImage image) {
        const std::lock_guard lock(mutex_);
        entries_.emplace_front(std::move(key), std::move(image));
        if (entries_.size() > capacity) {
            entries_.pop_back();
        }
    }

  private:
    std::mutex mutex_;
    // Most recently used first.
    std::list<std::pair<CacheKey, QImage>> entries_;
};

namespace {

// A file without a picture gives the transparent pixel, and the card keeps
// its icon.
class ThumbnailResponse : public PooledImageResponse {
  public:
    ThumbnailResponse(std::optional<std::string> path, QSize size,
                      std::shared_ptr<ThumbnailCache> cache)
        : PooledImageResponse(Missing::transparentPixel),
          path_(std::move(path)),
          size_(size),
          cache_(std::move(cache)) {}

  private:
    QImage draw() override {
        if (!path_) {
            return {};
        }
        const auto key = keyFor(*path_, size_);
        if (!key) {
            return {};
        }
        if (auto cached = cache_->find(*key)) {
            return *cached;
        }
        const auto decoded = ImageThumbnail::decode(*path_, size_.width(), size_.height());
        if (!decoded || cancelled()) {
            return {};
        }
        QImage image = imageOf(*decoded);
        cache_->insert(*key, image);
        return image;
    }

    std::optional<std::string> path_;
    QSize size_;
    std::shared_ptr<ThumbnailCache> cache_;
};

}  // namespace

SwipeThumbnailProvider::SwipeThumbnailProvider() : cache_(std::make_shared<ThumbnailCache>()) {
    pool_.setMaxThreadCount(2);
}

SwipeThumbnailProvider::~SwipeThumbnailProvider() {
    pool_.waitForDone();
}

QString SwipeThumbnailProvider::idFor(const std::string& path) {
    auto& registry = PathRegistry::shared();
    const std::lock_guard lock(registry.mutex);
    const auto [found, added] = registry.ids.try_emplace(path, int(registry.paths.size()));
    if (added) {
        registry.paths.push_back(path);
    }
    return QString::number(found->second);
}

std::optional<std::string> SwipeThumbnailProvider::pathFor(const QString& id) {
    bool ok = false;
    const int number = id.toInt(&ok);
    auto& registry = PathRegistry::shared();
    const std::lock_guard lock(registry.mutex);
    if (!ok || number < 0 || std::size_t(number) >= registry.paths.size()) {
        return std::nullopt;
    }
    return registry.paths[std::size_t(number)];
}

QQuickImageResponse* SwipeThumbnailProvider::requestImageResponse(const QString& id,
                                                                  const QSize& requestedSize) {
    const QSize size(
        requestedSize.width() > 0 ? std::min(requestedSize.width(), maxWidth) : maxWidth,
        requestedSize.height() > 0 ? std::min(requestedSize.height(), maxHeight) : maxHeight);
    auto* response = new ThumbnailResponse(pathFor(id), size, cache_);
    pool_.start(response);
    return response;
}

SwipeIconProvider::SwipeIconProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {
}

QPixmap SwipeIconProvider::requestPixmap(const QString& id, QSize* size,
                                         const QSize& requestedSize) {
    const int side = requestedSize.width() > 0 ? requestedSize.width() : 128;
    QPixmap pixmap(1, 1);
    pixmap.fill(Qt::transparent);
    if (const auto path = SwipeThumbnailProvider::pathFor(id)) {
        const QMimeType type =
            QMimeDatabase().mimeTypeForFile(ui::displayPath(*path), QMimeDatabase::MatchExtension);
        const QIcon icon =
            QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
        if (!icon.isNull()) {
            pixmap = icon.pixmap(side, side);
        }
    }
    if (size != nullptr) {
        *size = pixmap.size();
    }
    return pixmap;
}

}  // namespace tandor
