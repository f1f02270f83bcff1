#include "Smart/AppIcon.hpp"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <optional>

#include "TandorCore/FileDescriptor.hpp"

namespace tandor::AppIcon {
namespace {

// Opens the icon below the bundle's folder; the kernel refuses every path,
// link or ".." that would lead out of it, and a pipe or device never blocks.
FileDescriptor openInside(const std::string& bundlePath, const std::string& relativePath) {
    const FileDescriptor bundle(::open(bundlePath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (bundle.get() < 0) {
        return {};
    }
    open_how how{};
    how.flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    long fd = -1;
    do {
        fd = ::syscall(SYS_openat2, bundle.get(), relativePath.c_str(), &how, sizeof how);
    } while (fd < 0 && errno == EINTR);
    return FileDescriptor(static_cast<int>(fd));
}

// The whole regular file, or nothing when it is another kind of file, too
// large or cannot be read.
std::optional<QByteArray> contents(const FileDescriptor& file) {
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > maximumFileSize) {
        return std::nullopt;
    }
    QByteArray bytes(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count =
            ::read(file.get(), bytes.data() + done, static_cast<std::size_t>(bytes.size() - done));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return std::nullopt;
        }
        done += count;
    }
    return bytes;
}

// The largest of the pictures an icon file holds.
QImage largestPicture(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage largest;
    const int count = std::max(reader.imageCount(), 1);
    for (int index = 0; index < count; ++index) {
        if (index > 0 && !reader.jumpToImage(index)) {
            break;
        }
        const QImage picture = reader.read();
        if (picture.width() * qint64(picture.height()) >
            largest.width() * qint64(largest.height())) {
            largest = picture;
        }
    }
    return largest;
}

// The picture of the icon file's bytes, its largest scaled down to fit box.
QImage fitted(const std::optional<QByteArray>& bytes, QSize box) {
    if (!bytes) {
        return {};
    }
    const QImage picture = largestPicture(*bytes);
    if (picture.isNull() || box.isEmpty() ||
        (picture.width() <= box.width() && picture.height() <= box.height())) {
        return picture;
    }
    return picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

std::string resourceName(const std::string& iconFile) {
    return iconFile.ends_with(".icns") ? iconFile : iconFile + ".icns";
}

QImage read(const std::string& bundlePath, const std::string& iconFile, QSize box) {
    if (iconFile.empty()) {
        return {};
    }
    return fitted(contents(openInside(bundlePath, "Contents/Resources/" + resourceName(iconFile))),
                  box);
}

QImage readFile(const std::string& path, QSize box) {
    if (!path.starts_with('/')) {
        return {};
    }
    return fitted(contents(FileDescriptor(
                      ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY))),
                  box);
}

}  // namespace tandor::AppIcon
