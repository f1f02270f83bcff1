// Times a swipe card's picture from request to decoded image, through a
// card's image element and the provider's worker: a 12-megapixel JPEG, a 4000 × 3000
// PNG and a file with no picture (which keeps its icon). Each timed request
// goes to a fresh engine and provider, so that nothing comes from a cache;
// then one request again on a warm provider, as when a card comes forward.
//
//   swipe-thumbnail [runs]
//
// Prints, per file, the median and maximum of the runs (default 15) and the
// warm request, in milliseconds, and the size of the picture made.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.hpp"
#include "Swipe/SwipeThumbnailProvider.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using tandor::bench::millisecondsSince;
using tandor::bench::percentile;

// A picture with enough detail that it does not compress to nothing.
QImage detailedImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> channel(0, 255);
    QPainter painter(&image);
    image.fill(Qt::white);
    for (int i = 0; i < 4000; ++i) {
        painter.fillRect(channel(random) * width / 256, channel(random) * height / 256,
                         channel(random) + 8, channel(random) + 8,
                         QColor(channel(random), channel(random), channel(random)));
    }
    return image;
}

struct Timed {
    double milliseconds = 0;
    QSize size;
};

// One request through a card's image element, from setting its source to the
// picture being ready; engine holds the provider under test.
Timed request(QQmlEngine& engine, const std::string& path) {
    QQmlComponent component(&engine);
    component.setData(
        "import QtQuick\nImage { asynchronous: true; cache: false; "
        "sourceSize.width: 960; sourceSize.height: 600 }",
        {});
    std::unique_ptr<QObject> image(component.create());
    const auto start = Clock::now();
    image->setProperty("source", QStringLiteral("image://swipethumbnail/") +
                                     tandor::SwipeThumbnailProvider::idFor(path));
    while (image->property("status").toInt() == 2) {  // Image.Loading
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return {millisecondsSince(start),
            {image->property("implicitWidth").toInt(), image->property("implicitHeight").toInt()}};
}

// An engine with a fresh provider: nothing cached.
std::unique_ptr<QQmlEngine> freshEngine() {
    auto engine = std::make_unique<QQmlEngine>();
    engine->addImageProvider(QLatin1String(tandor::SwipeThumbnailProvider::name),
                             new tandor::SwipeThumbnailProvider);
    return engine;
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const tandor::bench::TemporaryHome home;

    const std::string jpeg = home / "photo-12mp.jpg";
    const std::string png = home / "scan-4000x3000.png";
    const std::string none = home / "archive.zip";
    detailedImage(4000, 3000).save(QString::fromStdString(jpeg), "JPEG", 90);
    detailedImage(4000, 3000).save(QString::fromStdString(png), "PNG");
    {
        QFile file(QString::fromStdString(none));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(1'000'000, 'z'));
    }

    for (const auto& path : {jpeg, png, none}) {
        std::vector<double> timings;
        QSize size;
        for (int run = 0; run < runs; ++run) {
            const auto engine = freshEngine();
            const Timed timed = request(*engine, path);
            timings.push_back(timed.milliseconds);
            size = timed.size;
        }
        const auto warm = freshEngine();
        request(*warm, path);
        const double again = request(*warm, path).milliseconds;
        std::printf("%-20s median=%.1f ms max=%.1f ms warm=%.2f ms picture=%dx%d\n",
                    path.substr(path.rfind('/') + 1).c_str(), percentile(timings, 0.5),
                    percentile(timings, 1.0), again, size.width(), size.height());
    }
    return 0;
}
