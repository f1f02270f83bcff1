#include "TandorShared/StackedBar.hpp"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tandor::ui {

StackedBar::StackedBar(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setImplicitHeight(barHeight);
    setAntialiasing(true);
}

void StackedBar::setSegments(const QVariantList& segments) {
    segments_ = segments;
    emit segmentsChanged();
    update();
}

QList<double> StackedBar::segmentWidths(const QList<double>& values, double width) {
    double sum = 0;
    for (const double value : values) {
        sum += std::isfinite(value) ? value : 0;
    }
    const double total = std::max(1.0, sum);
    QList<double> widths;
    widths.reserve(values.size());
    for (const double value : values) {
        const double share = std::isfinite(value) ? width * value / total - gap : 0;
        widths.append(share > 0 ? share : 0);
    }
    return widths;
}

void StackedBar::paint(QPainter* painter) {
    QList<double> values;
    QList<QColor> colors;
    for (const QVariant& item : std::as_const(segments_)) {
        const QVariantMap segment = item.toMap();
        values.append(segment.value(QStringLiteral("value")).toDouble());
        colors.append(segment.value(QStringLiteral("color")).value<QColor>());
    }
    const QList<double> widths = segmentWidths(values, width());
    const double top = (height() - barHeight) / 2;
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, top, width(), barHeight), cornerRadius, cornerRadius);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipPath(clip);
    double x = 0;
    for (qsizetype index = 0; index < widths.size(); ++index) {
        painter->fillRect(QRectF(x, top, widths[index], barHeight), colors[index]);
        x += widths[index] + gap;
    }
}

}  // namespace tandor::ui
