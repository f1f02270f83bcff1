#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QList>
#include <QQuickPaintedItem>
#include <QVariantList>

namespace tandor::ui {

// Several quantities side by side in one thin bar with rounded ends.
// `segments`: a list of { id, value, color }; only each value's share of the
// sum matters, and a sum below 1 leaves the rest of the bar empty. Drawn
// with QPainter so that it shows on every scene-graph backend.
class StackedBar : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList segments READ segments WRITE setSegments NOTIFY segmentsChanged)

  public:
    static constexpr double barHeight = 14;
    static constexpr double gap = 1;
    static constexpr double cornerRadius = 4;

    explicit StackedBar(QQuickItem* parent = nullptr);

    QVariantList segments() const { return segments_; }
    void setSegments(const QVariantList& segments);

    // The drawn width of each value in a bar `width` wide: its share of
    // max(1, sum) less the gap, never below 0.
    static QList<double> segmentWidths(const QList<double>& values, double width);

    void paint(QPainter* painter) override;

  signals:
    void segmentsChanged();

  private:
    QVariantList segments_;
};

}  // namespace tandor::ui
