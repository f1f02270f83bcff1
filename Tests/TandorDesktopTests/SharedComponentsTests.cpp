#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>

#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "TandorShared/SoftCirclesPicture.hpp"
#include "TandorShared/StackedBar.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::click;
using testing::itemWithText;

// Builds `source` (a QML document importing Tandor.Shared) and fails on any
// warning Qt reports while building it and letting it run for a moment.
std::unique_ptr<QObject> build(QQmlEngine& engine, const QByteArray& source) {
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport Tandor.Shared\n" + source,
                      QUrl(QStringLiteral("qrc:/SharedComponentsTests.qml")));
    std::unique_ptr<QObject> object(component.create());
    EXPECT_NE(object, nullptr) << component.errorString().toStdString();
    return object;
}

TEST(SharedComponents, EachLoadsWithoutAWarning) {
    const testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    QQmlEngine engine;
    const QList<QByteArray> documents{
        "Glass { width: 200; height: 100; cornerRadius: 14; Text { text: \"x\" } }",
        "Glass { width: 200; height: 100; cornerRadius: 0 }",
        "Column { SafetyBadge { level: \"regenerable\" } SafetyBadge { level: \"existsElsewhere\" }"
        " SafetyBadge { level: \"needsReview\" } }",
        "StackedBar { width: 101; segments: [{ id: \"a\", value: 3, color: \"red\" }] }",
        "StackedBar { width: 50 }",
        "HeadlineNumber { value: \"\"; caption: \"You could free\" }",
        "BrandBackdrop { width: 900; height: 300 }",
        "BrandBackdrop { width: 300; height: 300; dark: true }",
        "BrandGradientRect { width: 100; height: 20; radius: 10 }",
        "BalloonImage { width: 130; height: 150 }",
        "BalloonClimb { width: 240; height: 150; time: 3.5 }",
        "BalloonClimb { width: 240; height: 150; progress: 1; time: 0 }",
        "Column { BrandProgressBar { width: 320; height: 8; fraction: 0 }"
        " BrandProgressBar { width: 320; height: 8; fraction: 1.4 }"
        " BrandProgressBar { width: 320; height: 8; animate: false } }",
        "ScanProgressView { width: 600; height: 500; filesSeen: 12345; bytesSeen: 1e9;"
        " folder: \"Library/Caches\"; fraction: 0.4 }",
        "ScanProgressView { width: 600; height: 500; reduceMotion: true }",
        "SplashView { width: 600; height: 400 }",
        "InfoLine { text: \"files\"; detail: \"measured\" }",
        "PlainToolTip { text: \"/home/u/a b\"; visible: true }",
        "SymbolLabel { symbol: \"tray.full\"; text: \"Pile\" }",
        "Row { ActionButton { text: \"Clean\"; primary: true }"
        " ActionButton { text: \"Add to pile\" } ActionButton { primary: true; enabled: false } }",
        "SegmentedPicker { model: [\"Automations\", \"Apps\"]; currentIndex: 1 }",
        "DisclosureRow { width: 300; title: \"Where\"; expanded: true; Text { text: \"a\" } }",
        "Rectangle { color: Theme.categoryColor(\"virtualMachines\");"
        " border.color: Theme.safetyColor(\"needsReview\") }",
    };
    for (const QByteArray& document : documents) {
        const auto object = build(engine, document);
        QTest::qWait(30);
        EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty())
            << document.toStdString() << "\n"
            << testing::allWarnings().toStdString();
        testing::QmlWarnings::messages().clear();
    }
}

// A name from the disk is shown as written: its tags are not applied.
TEST(SharedComponents, APlainToolTipShowsMarkupAsWritten) {
    QQmlEngine engine;
    const auto object = build(engine,
                              "Item { property alias tip: tip; property alias rich: rich\n"
                              " PlainToolTip { id: tip; text: \"a<b>bold</b>c\" }\n"
                              " Text { id: rich; text: tip.text; textFormat: Text.RichText } }");
    ASSERT_NE(object, nullptr);
    const auto* shown =
        object->property("tip").value<QObject*>()->property("contentItem").value<QQuickItem*>();
    const auto* rich = object->property("rich").value<QQuickItem*>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->property("text").toString(), QStringLiteral("a<b>bold</b>c"));
    EXPECT_GT(shown->implicitWidth(), rich->implicitWidth() * 1.5);
}

TEST(SharedComponents, StackedBarWidthsAreSharesLessTheGap) {
    struct Case {
        QList<double> values;
        double width;
        QList<double> expected;
    };
    const std::vector<Case> cases{
        {{3, 1}, 101, {74.75, 24.25}},
        {{0.25, 0.25}, 101, {24.25, 24.25}},  // divided by 1, the rest stays empty
        {{100, 1}, 101, {99, 0}},             // a share of 1 point or less draws nothing
        {{0, 5}, 50, {0, 49}},
        {{}, 80, {}},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(ui::StackedBar::segmentWidths(item.values, item.width), item.expected);
    }
}

// Counts the times it is painted.
class CountedPicture : public ui::SoftCirclesPicture {
  public:
    int paints = 0;
    void paint(QPainter* painter) override {
        ++paints;
        ui::SoftCirclesPicture::paint(painter);
    }
};

// Frames in which only something in front moves draw the backdrop from its
// picture; a new size or new circles paint it again.
TEST(SharedComponents, SoftCirclesArePaintedOnlyForANewSizeOrNewCircles) {
    QQuickWindow window;
    window.resize(300, 200);
    CountedPicture picture;
    picture.setParentItem(window.contentItem());
    picture.setSize(QSizeF(300, 200));
    picture.setFillColor(QColor(250, 245, 240));
    picture.setBlur(20);
    const QVariantMap circle{{QStringLiteral("centerX"), 60},
                             {QStringLiteral("centerY"), 50},
                             {QStringLiteral("diameter"), 80},
                             {QStringLiteral("color"), QColor(140, 20, 60)}};
    picture.setCircles({circle});
    CountedPicture mover;
    mover.setParentItem(window.contentItem());
    mover.setSize(QSizeF(20, 20));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QImage first = window.grabWindow();
    EXPECT_EQ(first.pixelColor(60, 50), QColor(140, 20, 60));
    EXPECT_EQ(first.pixelColor(290, 190), QColor(250, 245, 240));
    const int painted = picture.paints;
    EXPECT_GE(painted, 1);
    for (const double x : {40.0, 90.0, 140.0}) {
        mover.setX(x);
        window.grabWindow();
    }
    picture.setCircles({circle});
    window.grabWindow();
    EXPECT_EQ(picture.paints, painted);

    picture.setSize(QSizeF(280, 200));
    window.grabWindow();
    EXPECT_EQ(picture.paints, painted + 1);
    QVariantMap darker = circle;
    darker[QStringLiteral("color")] = QColor(90, 10, 40);
    picture.setCircles({darker});
    EXPECT_EQ(window.grabWindow().pixelColor(60, 50), QColor(90, 10, 40));
    EXPECT_EQ(picture.paints, painted + 2);
}

TEST(SharedComponents, EveryCategoryAndSafetyLevelHasItsOwnColour) {
    const testing::QmlWarnings warnings;
    QQmlEngine engine;
    const auto object = build(engine,
                              "QtObject { property var colours: ['developer', 'caches', "
                              "'downloads', 'aiModels', 'largeFiles', 'media', 'apps', "
                              "'messaging', 'games', 'backups', 'virtualMachines', 'other']"
                              ".map(c => String(Theme.categoryColor(c)))\n"
                              "property var safety: ['regenerable', 'existsElsewhere', "
                              "'needsReview'].map(l => String(Theme.safetyColor(l))) }");
    ASSERT_NE(object, nullptr);
    const QStringList colours = object->property("colours").toStringList();
    EXPECT_EQ(QSet<QString>(colours.begin(), colours.end()).size(), 12);
    const QStringList safety = object->property("safety").toStringList();
    EXPECT_EQ(QSet<QString>(safety.begin(), safety.end()).size(), 3);
    EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << testing::allWarnings().toStdString();
}

// A large icon is drawn at its own size, not as a 24-pixel picture blown up.
TEST(SharedComponents, ASymbolIconIsDrawnAtTheSizeItIsShown) {
    QQmlEngine engine;
    for (const int size : {14, 24, 48, 64}) {
        const auto icon = build(
            engine, "SymbolIcon { name: \"lock.shield\"; size: " + QByteArray::number(size) + " }");
        ASSERT_NE(icon, nullptr);
        auto* shape = qobject_cast<QQuickItem*>(icon.get())->childItems().value(0);
        ASSERT_NE(shape, nullptr);
        const auto* layer = shape->property("layer").value<QObject*>();
        ASSERT_NE(layer, nullptr);
        const QSize texture = layer->property("textureSize").toSize();
        EXPECT_EQ(texture, QSize(std::max(24, size), std::max(24, size))) << size;
    }
}

TEST(SharedComponents, SplashFinishesOnceHoweverOftenItIsTapped) {
    QQmlEngine engine;
    for (const bool reduceMotion : {false, true}) {
        const auto splash = build(engine, QByteArray("SplashView { width: 300; height: 300; "
                                                     "reduceMotion: ") +
                                              (reduceMotion ? "true" : "false") + " }");
        ASSERT_NE(splash, nullptr);
        QSignalSpy finished(splash.get(), SIGNAL(finished()));
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(finished.wait(3000));
        // Untouched: about 1.7 s, or 0.95 s with reduce motion.
        EXPECT_GE(clock.elapsed(), reduceMotion ? 900 : 1600);
        QMetaObject::invokeMethod(splash.get(), "finish");
        QTest::qWait(500);
        EXPECT_EQ(finished.count(), 1);
    }

    const auto tapped = build(engine, "SplashView { width: 300; height: 300 }");
    QSignalSpy finished(tapped.get(), SIGNAL(finished()));
    QMetaObject::invokeMethod(tapped.get(), "finish");
    QMetaObject::invokeMethod(tapped.get(), "finish");
    ASSERT_TRUE(finished.wait(1000));
    QTest::qWait(1800);  // the timed sequence runs on but finishes nothing more
    EXPECT_EQ(finished.count(), 1);
}

}  // namespace
}  // namespace tandor

namespace tandor {
namespace {

class SharedControls : public ::testing::Test {
  protected:
    QQuickItem* show(const QByteArray& source) {
        object_ = build(engine_, source);
        auto* item = qobject_cast<QQuickItem*>(object_.get());
        item->setParentItem(window_.contentItem());
        window_.resize(400, 300);
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
        return item;
    }

    QQmlEngine engine_;
    QQuickWindow window_;
    std::unique_ptr<QObject> object_;
};

TEST_F(SharedControls, ASegmentClickChoosesItOnceAndTheChosenOneStaysQuiet) {
    auto* picker = show("SegmentedPicker { model: [\"One\", \"Two\", \"Three\"] }");
    QSignalSpy activated(picker, SIGNAL(activated(int)));
    click(itemWithText(picker, QStringLiteral("Three")));
    click(itemWithText(picker, QStringLiteral("Three")));
    click(itemWithText(picker, QStringLiteral("One")));
    ASSERT_EQ(activated.size(), 2);
    EXPECT_EQ(activated[0][0].toInt(), 2);
    EXPECT_EQ(activated[1][0].toInt(), 0);
    EXPECT_EQ(picker->property("currentIndex").toInt(), 0);
}

TEST_F(SharedControls, AClickAnywhereOnTheRowOpensAndClosesTheGroup) {
    auto* group = show(
        "DisclosureRow { width: 300; title: \"Where\";"
        " Text { text: \"inside\" } }");
    EXPECT_EQ(itemWithText(group, QStringLiteral("inside")), nullptr);
    auto* title = itemWithText(group, QStringLiteral("Where"));
    ASSERT_NE(title, nullptr);
    // The row's far end, away from the title and the chevron.
    const QPointF end = title->parentItem()->mapToScene(QPointF(0, 0)) + QPointF(290, 4);
    QTest::mouseClick(&window_, Qt::LeftButton, {}, end.toPoint());
    QTest::qWait(300);
    EXPECT_TRUE(group->property("expanded").toBool());
    EXPECT_NE(itemWithText(group, QStringLiteral("inside")), nullptr);
    click(title);
    QTest::qWait(300);
    EXPECT_FALSE(group->property("expanded").toBool());
    EXPECT_EQ(itemWithText(group, QStringLiteral("inside")), nullptr);
}

}  // namespace
}  // namespace tandor
