// Application icons: the bundle's own icon file, read only from inside the
// bundle, else the icon theme's.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QIcon>
#include <QImage>
#include <QImageWriter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "QuickItems.hpp"
#include "Smart/AppIcon.hpp"
#include "Smart/AppIconProvider.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

const QColor red(255, 0, 0);

bool canWriteIcns() {
    return QImageWriter::supportedImageFormats().contains("icns");
}

#define SKIP_WITHOUT_ICNS()                                                      \
    if (!canWriteIcns()) {                                                       \
        GTEST_SKIP() << "Qt's ICNS image plugin is missing (Debian package "     \
                        "qt6-image-formats-plugins; scripts/setup installs it)"; \
    }

// An ICNS file of one red square of side pixels.
std::string redIcns(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "icns");
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes.toStdString();
}

// A bundle whose Resources hold a good icon, damaged ones, links out of and
// within the bundle, a folder, a pipe and a file over the size limit.
class BundleIcons : public ::testing::Test {
  protected:
    void SetUp() override {
        SKIP_WITHOUT_ICNS();
        const std::string good = redIcns(64);
        testing::writeFile(resource("Editor.icns"), good);
        testing::writeFile(resource("Damaged.icns"), good.substr(0, good.size() / 2));
        testing::writeFile(resource("Garbage.icns"), "icns but not really");
        testing::writeFile(folder / "outside.icns", good);
        std::filesystem::create_symlink(folder / "outside.icns", resource("Outside.icns"));
        std::filesystem::create_symlink("../../Contents/Resources/Editor.icns",
                                        resource("Inside.icns"));
        std::filesystem::create_directories(resource("Folder.icns"));
        ASSERT_EQ(::mkfifo(resource("Pipe.icns").c_str(), 0600), 0);
        testing::writeFile(resource("Huge.icns"), good);
        std::filesystem::resize_file(resource("Huge.icns"), AppIcon::maximumFileSize + 1);
    }

    std::string resource(const std::string& name) const {
        return bundle + "/Contents/Resources/" + name;
    }

    const testing::TemporaryFolder folder;
    const std::string bundle = folder / "Editor.app";
};

TEST_F(BundleIcons, OnlyARegularIconFileInsideTheBundleIsRead) {
    struct Case {
        std::string iconFile;
        bool read;
    };
    const std::vector<Case> cases{
        {"Editor", true},        {"Editor.icns", true},
        {"Inside", true},        {"Damaged", false},
        {"Garbage.icns", false}, {"Missing", false},
        {"Outside", false},      {"../../../outside", false},
        {"Folder", false},       {"Pipe", false},
        {"Huge", false},         {"", false},
    };
    for (const auto& [iconFile, read] : cases) {
        const QImage icon = AppIcon::read(bundle, iconFile, {256, 256});
        EXPECT_EQ(!icon.isNull(), read) << iconFile;
        if (read && !icon.isNull()) {
            EXPECT_EQ(icon.size(), QSize(64, 64)) << iconFile << ": never enlarged";
            EXPECT_EQ(icon.pixelColor(32, 32), red) << iconFile;
        }
    }
    EXPECT_EQ(AppIcon::read(bundle, "Editor", {20, 20}).size(), QSize(20, 20));
}

// The size of the picture an Image shows for app's icon, 40 pixels asked.
QSize shownSize(QQmlEngine& engine, const AppBundle& app) {
    const QString source = AppIconProvider::sourceFor(app);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^image://appicon/[0-9]+$")).match(source).hasMatch())
        << source.toStdString();
    return testing::loadedImageSize(
        engine,
        "import QtQuick\nImage { cache: false; sourceSize.width: 40; sourceSize.height: 40 }",
        source);
}

// A square PNG of side pixels at path.
void writePng(const std::string& path, int side) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    QImage icon(side, side, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    EXPECT_TRUE(icon.save(QString::fromStdString(path)));
}

// While it lives, the icon theme is one of a 48-pixel application icon and
// a 24-pixel "org.example.editor" in folder, or none at all.
class FixtureTheme {
  public:
    FixtureTheme(const std::string& folder, bool withIcon)
        : searchPaths_(QIcon::themeSearchPaths()), name_(QIcon::themeName()) {
        if (withIcon) {
            testing::writeFile(folder + "/Fixture/index.theme",
                               "[Icon Theme]\nName=Fixture\nDirectories=48x48/apps,24x24/apps\n\n"
                               "[48x48/apps]\nSize=48\nType=Fixed\n\n"
                               "[24x24/apps]\nSize=24\nType=Fixed\n");
            writePng(folder + "/Fixture/48x48/apps/application-x-executable.png", 48);
            writePng(folder + "/Fixture/24x24/apps/org.example.editor.png", 24);
        }
        QIcon::setThemeSearchPaths({QString::fromStdString(folder)});
        QIcon::setThemeName(withIcon ? QStringLiteral("Fixture") : QString());
    }
    ~FixtureTheme() {
        QIcon::setThemeSearchPaths(searchPaths_);
        QIcon::setThemeName(name_);
    }

  private:
    QStringList searchPaths_;
    QString name_;
};

TEST_F(BundleIcons, WithoutItsOwnIconAnAppShowsTheThemesThenNothing) {
    const AppBundle own{bundle,   "org.example.editor",    "Editor",    std::nullopt, false,
                        "Editor", AppBundle::Kind::bundle, std::nullopt};
    const std::vector<std::optional<std::string>> without{"Damaged", "Outside", std::nullopt};
    for (const bool themeHasOne : {true, false}) {
        const FixtureTheme theme(folder / (themeHasOne ? "with" : "without"), themeHasOne);
        QQmlEngine engine;
        engine.addImageProvider(QLatin1String(AppIconProvider::name), new AppIconProvider);
        EXPECT_EQ(shownSize(engine, own), QSize(40, 40));
        for (const auto& iconFile : without) {
            AppBundle app = own;
            app.iconFile = iconFile;
            // The theme's icon as it comes, or the pixel that lets the view
            // draw its own.
            EXPECT_EQ(shownSize(engine, app), themeHasOne ? QSize(48, 48) : QSize(1, 1))
                << iconFile.value_or("(none)");
        }
    }
}

// An AppImage shows the image file or the theme's icon its desktop entry
// names, else the theme's application icon, else nothing.
TEST(AppImageIcons, TheEntrysIconElseTheThemesApplicationIconElseNothing) {
    const testing::TemporaryFolder folder;
    writePng(folder / "icons/editor.png", 20);
    struct Case {
        std::optional<std::string> icon;
        QSize withTheme;
    };
    const std::vector<Case> cases{
        {folder / "icons/editor.png", {20, 20}},
        {folder / "icons/missing.png", {48, 48}},
        {"org.example.editor", {24, 24}},
        {"org.example.unknown", {40, 40}},
        {std::nullopt, {40, 40}},
    };
    for (const bool themeHasOne : {true, false}) {
        const FixtureTheme theme(folder / (themeHasOne ? "with" : "without"), themeHasOne);
        QQmlEngine engine;
        engine.addImageProvider(QLatin1String(AppIconProvider::name), new AppIconProvider);
        engine.addImageProvider(QLatin1String(AppThemeIconProvider::name),
                                new AppThemeIconProvider);
        for (const auto& [icon, withTheme] : cases) {
            const AppBundle app{folder / "Editor.AppImage",
                                "org.example.Editor",
                                "Editor",
                                std::nullopt,
                                false,
                                icon,
                                AppBundle::Kind::appImage,
                                std::nullopt};
            const QSize shown = testing::loadedImageSize(
                engine,
                "import QtQuick\nImage { cache: false; sourceSize.width: 40; "
                "sourceSize.height: 40 }",
                AppIconProvider::sourceFor(app));
            const bool ownFile = icon && icon->ends_with("editor.png");
            EXPECT_EQ(shown, themeHasOne || ownFile ? withTheme : QSize(1, 1))
                << icon.value_or("(none)") << (themeHasOne ? " with" : " without") << " a theme";
        }
    }
}

}  // namespace
}  // namespace tandor
