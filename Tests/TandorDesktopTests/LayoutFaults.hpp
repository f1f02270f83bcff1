#pragma once

#include <QByteArray>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRectF>
#include <QSet>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "QuickItems.hpp"

// What a person could not reach or read in a window as it is drawn now: an
// enabled control outside the window, under the pile panel or cut off by a
// clipping parent (one in a scrolling area counts wherever scrolling brings
// it), and a text that runs past its own width or its container instead of
// eliding or wrapping.
namespace tandor::testing {

namespace layout_faults {

// Layouts place on whole pixels, texts measure in fractions of one.
constexpr double tolerance = 1.0;

inline bool contains(const QRectF& outer, const QRectF& inner) {
    return inner.left() >= outer.left() - tolerance && inner.top() >= outer.top() - tolerance &&
           inner.right() <= outer.right() + tolerance &&
           inner.bottom() <= outer.bottom() + tolerance;
}

inline bool overlaps(const QRectF& a, const QRectF& b) {
    return a.adjusted(tolerance, tolerance, -tolerance, -tolerance).intersects(b);
}

inline bool isNamed(const QQuickItem* item, const char* className) {
    return QByteArray(item->metaObject()->className()).contains(className);
}

inline bool isText(const QQuickItem* item) {
    return QByteArray(item->metaObject()->className()).startsWith("QQuickText") &&
           !item->inherits("QQuickTextInput") && !item->inherits("QQuickTextEdit");
}

// A control a person acts on: buttons of every kind, fields, boxes, sliders.
inline bool isControl(const QQuickItem* item) {
    return item->inherits("QQuickAbstractButton") || item->inherits("QQuickComboBox") ||
           item->inherits("QQuickSlider") || item->inherits("QQuickSpinBox") ||
           (item->inherits("QQuickTextInput") && !item->property("readOnly").toBool());
}

inline double opacity(const QQuickItem* item) {
    double product = 1;
    for (; item != nullptr; item = item->parentItem()) {
        product *= item->opacity();
    }
    return product;
}

inline QString describe(const QQuickItem* item) {
    QString text = item->property("text").toString().left(60);
    if (text.isEmpty()) {
        text = item->property("title").toString().left(60);
    }
    return QStringLiteral("%1 \"%2\" %3")
        .arg(item->objectName().isEmpty() ? QString::fromLatin1(item->metaObject()->className())
                                          : item->objectName(),
             text)
        .arg(QStringLiteral("(%1,%2 %3×%4)")
                 .arg(item->mapToScene({0, 0}).x())
                 .arg(item->mapToScene({0, 0}).y())
                 .arg(item->width())
                 .arg(item->height()));
}

// The text as drawn: its content placed by its alignment in its box.
inline QRectF drawnText(const QQuickItem* text) {
    const double width = text->property("contentWidth").toDouble();
    const double height = text->property("contentHeight").toDouble();
    const int horizontal = text->property("effectiveHorizontalAlignment").toInt();
    const int vertical = text->property("verticalAlignment").toInt();
    const double x = (horizontal & Qt::AlignRight)     ? text->width() - width
                     : (horizontal & Qt::AlignHCenter) ? (text->width() - width) / 2
                                                       : 0;
    const double y = (vertical & Qt::AlignBottom)    ? text->height() - height
                     : (vertical & Qt::AlignVCenter) ? (text->height() - height) / 2
                                                     : 0;
    return text->mapRectToScene(QRectF(x, y, width, height));
}

// Where scrolling can bring the items of a flickable's content.
inline QRectF scrollableContent(const QQuickItem* flickable) {
    const auto* content = flickable->property("contentItem").value<QQuickItem*>();
    const QRectF extent(
        flickable->property("originX").toDouble(), flickable->property("originY").toDouble(),
        std::max(flickable->width(), flickable->property("contentWidth").toDouble()),
        std::max(flickable->height(), flickable->property("contentHeight").toDouble()));
    return content->mapRectToScene(extent);
}

class Walk {
  public:
    Walk(QQuickWindow* window, QQuickItem* pilePanel) : window_(window), pilePanel_(pilePanel) {}

    void visit(QQuickItem* item) {
        if (!item->isVisible() || item->opacity() <= 0 || isNamed(item, "ToolTip")) {
            return;
        }
        if (isControl(item) && item->isEnabled() && item->width() > 0 && item->height() > 0) {
            check(item, item->mapRectToScene(item->boundingRect()), QStringLiteral("control"));
        }
        if (isText(item) && !item->property("text").toString().trimmed().isEmpty() &&
            opacity(item) > 0) {
            const QRectF drawn = drawnText(item);
            if (item->property("contentWidth").toDouble() > item->width() + tolerance &&
                !item->clip()) {
                faults_.insert(QStringLiteral("text runs past its width: ") + describe(item));
            }
            check(item, drawn, QStringLiteral("text"));
        }
        for (auto* child : item->childItems()) {
            visit(child);
        }
    }

    QStringList faults() const {
        QStringList sorted = faults_.values();
        sorted.sort();
        return sorted;
    }

  private:
    // Follows the item's parents: each clipping one and each popup must hold
    // it, a scrolling area must hold it within its content and then stands
    // for it; the window must hold what is left and the pile panel must not
    // cover it.
    void check(const QQuickItem* item, QRectF rect, const QString& kind) {
        const QQuickItem* standing = item;
        bool inPopup = false;
        bool inPile = false;
        for (const QQuickItem* parent = item->parentItem(); parent != nullptr;
             parent = parent->parentItem()) {
            inPile = inPile || parent == pilePanel_;
            if (parent->inherits("QQuickFlickable")) {
                if (!contains(scrollableContent(parent), rect)) {
                    faults_.insert(kind + QStringLiteral(" past the scrolling content of ") +
                                   describe(parent) + QStringLiteral(": ") + describe(item));
                    return;
                }
                rect = parent->mapRectToScene(parent->boundingRect());
                standing = parent;
            } else if (isNamed(parent, "PopupItem")) {
                inPopup = true;
                if (!contains(parent->mapRectToScene(parent->boundingRect()), rect)) {
                    faults_.insert(kind + QStringLiteral(" past its sheet: ") + describe(item));
                    return;
                }
            } else if (parent->clip() &&
                       !contains(parent->mapRectToScene(parent->boundingRect()), rect)) {
                faults_.insert(kind + QStringLiteral(" cut off by ") + describe(parent) +
                               QStringLiteral(": ") + describe(item));
                return;
            }
        }
        if (!contains(QRectF(0, 0, window_->width(), window_->height()), rect)) {
            faults_.insert(kind + QStringLiteral(" outside the window: ") + describe(standing));
        } else if (!inPopup && !inPile && pilePanel_ != nullptr && pilePanel_->isVisible() &&
                   overlaps(rect, pilePanel_->mapRectToScene(pilePanel_->boundingRect()))) {
            faults_.insert(kind + QStringLiteral(" under the pile panel: ") + describe(standing));
        }
    }

    QQuickWindow* window_;
    QQuickItem* pilePanel_;
    QSet<QString> faults_;
};

}  // namespace layout_faults

// Every fault of reach or reading in the window, one line each, sorted.
inline QStringList layoutFaults(QQuickWindow* window) {
    QQuickItem* root = window->contentItem();
    while (root->parentItem() != nullptr) {
        root = root->parentItem();
    }
    QQuickItem* pilePanel = firstVisibleItem(root, QStringLiteral("pilePanel"));
    layout_faults::Walk walk(window, pilePanel);
    walk.visit(root);
    return walk.faults();
}

}  // namespace tandor::testing
