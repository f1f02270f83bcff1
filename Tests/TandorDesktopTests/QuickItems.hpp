#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QPointF>
#include <QQuickItem>
#include <QString>
#include <QTest>

// Finding and clicking the items of a real window, as a person would.
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

}  // namespace tandor::testing
