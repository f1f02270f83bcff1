#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSize>
#include <QString>
#include <QTest>
#include <QVariant>
#include <memory>

// Finding and clicking the items of a real window, as a person would, and
// loading pictures as an Image does.
namespace tandor::testing {

// The visible items of this object name anywhere in the visual tree.
inline QList<QQuickItem*> visibleItems(QQuickItem* root, const QString& name) {
    QList<QQuickItem*> found;
    if (root == nullptr || !root->isVisible()) {
        return found;
    }
    if (root->objectName() == name) {
        found.append(root);
    }
    for (auto* child : root->childItems()) {
        found.append(visibleItems(child, name));
    }
    return found;
}

// The first visible item of this object name, or null.
inline QQuickItem* firstVisibleItem(QQuickItem* root, const QString& name) {
    const auto found = visibleItems(root, name);
    return found.isEmpty() ? nullptr : found.front();
}

// The first visible item whose property `key` is value, or null.
inline QQuickItem* firstVisibleItemWith(QQuickItem* root, const char* key, const QVariant& value) {
    if (root == nullptr || !root->isVisible()) {
        return nullptr;
    }
    if (root->property(key) == value) {
        return root;
    }
    for (auto* child : root->childItems()) {
        if (auto* found = firstVisibleItemWith(child, key, value)) {
            return found;
        }
    }
    return nullptr;
}

// The visible menu entry of this object name, once its menu has opened; null
// when none shows within two seconds.
inline QQuickItem* openedMenuEntry(QQuickItem* root, const QString& name) {
    QQuickItem* found = nullptr;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            found = firstVisibleItem(root, name);
            return found != nullptr;
        },
        2000));
    QTest::qWait(200);  // the menu's opening transition
    return found;
}

// The first visible item whose "text" property is this text.
inline QQuickItem* itemWithText(QQuickItem* root, const QString& text) {
    if (root == nullptr || !root->isVisible()) {
        return nullptr;
    }
    if (root->property("text").toString() == text) {
        return root;
    }
    for (auto* child : root->childItems()) {
        if (auto* found = itemWithText(child, text)) {
            return found;
        }
    }
    return nullptr;
}

// A click at the item's centre, through its window.
inline void click(QQuickItem* target, Qt::MouseButton button = Qt::LeftButton) {
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(target->isVisible());
    const QPointF center = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(target->window(), button, {}, center.toPoint());
}

// A click, then a moment for the view to follow it.
inline void clickAndSettle(QQuickItem* target) {
    click(target);
    QTest::qWait(50);
}

// Shows source in a new Image described by imageQml, waits for it to load, and
// gives the size of the picture it got.
inline QSize loadedImageSize(QQmlEngine& engine, const QByteArray& imageQml,
                             const QString& source) {
    QQmlComponent component(&engine);
    component.setData(imageQml, {});
    std::unique_ptr<QObject> image(component.create());
    if (!image) {
        ADD_FAILURE() << component.errorString().toStdString();
        return {};
    }
    image->setProperty("source", source);
    const bool loaded = QTest::qWaitFor(
        [&] {
            return image->property("status").toInt() != 2; /* Image.Loading */
        },
        10'000);
    EXPECT_TRUE(loaded) << source.toStdString();
    EXPECT_EQ(image->property("status").toInt(), 1) << source.toStdString();  // Image.Ready
    return {image->property("implicitWidth").toInt(), image->property("implicitHeight").toInt()};
}

}  // namespace tandor::testing
