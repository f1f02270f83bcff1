#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTest>
#include <QtEndian>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "QuickItems.hpp"
#include "Swipe/SwipeThumbnailProvider.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

std::string encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

std::uint32_t crc32(const std::string& bytes) {
    std::uint32_t crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// A small real PNG whose header claims side × side pixels.
std::string claimedPNG(const QImage& image, std::uint32_t side) {
    std::string png = encoded(image, "PNG");
    // Signature (8), length (4), then "IHDR" and its 13 bytes from offset 12.
    const std::uint32_t big = qToBigEndian(side);
    png.replace(16, 4, reinterpret_cast<const char*>(&big), 4);
    png.replace(20, 4, reinterpret_cast<const char*>(&big), 4);
    const std::uint32_t crc = qToBigEndian(crc32(png.substr(12, 17)));
    png.replace(29, 4, reinterpret_cast<const char*>(&crc), 4);
    return png;
}

// Loads path's card picture the way a card does and gives its size.
QSize pictureSize(QQmlEngine& engine, const std::string& path) {
    return testing::loadedImageSize(
        engine,
        "import QtQuick\nImage { asynchronous: true; sourceSize.width: 960; "
        "sourceSize.height: 600 }",
        QStringLiteral("image://swipethumbnail/") + SwipeThumbnailProvider::idFor(path));
}

TEST(SwipeThumbnailProvider, HostileFilesKeepTheIconAndBlockNothing) {
    const testing::TemporaryFolder folder;
    QImage photo(1200, 800, QImage::Format_RGB32);
    photo.fill(QColor(40, 120, 200));
    const std::string jpeg = encoded(photo, "JPEG");
    testing::writeFile(folder / "photo.jpg", jpeg);
    testing::writeFile(folder / "photo-\xff.jpg", jpeg);
    testing::writeFile(folder / "truncated.jpg", jpeg.substr(0, jpeg.size() / 3));
    testing::writeFile(folder / "huge.png",
                       claimedPNG(QImage(8, 8, QImage::Format_RGB32), 100'000));
    testing::writeFile(folder / "setup-\xfe\xff.dmg", "not a picture");
    ASSERT_EQ(::mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero.jpg");

    QQmlEngine engine;
    engine.addImageProvider(QLatin1String(SwipeThumbnailProvider::name),
                            new SwipeThumbnailProvider);
    struct Case {
        std::string name;
        QSize expected;
    };
    const QSize icon(1, 1);
    const std::vector<Case> cases{
        {"pipe.jpg", icon},           {"huge.png", icon},
        {"truncated.jpg", icon},      {"zero.jpg", icon},
        {"setup-\xfe\xff.dmg", icon}, {"missing.jpg", icon},
        {"photo.jpg", {900, 600}},    {"photo-\xff.jpg", {900, 600}},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(pictureSize(engine, folder / name), expected) << name;
    }
}

}  // namespace
}  // namespace tandor
