#include "TandorShared/SoftCirclesPicture.hpp"

#include <QColor>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace tandor::ui {

SoftCirclesPicture::SoftCirclesPicture(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setOpaquePainting(true);
    setAntialiasing(true);
}

void SoftCirclesPicture::setCircles(const QVariantList& circles) {
    if (circles == circles_) {
        return;
    }
    circles_ = circles;
    emit circlesChanged();
    update();
}

void SoftCirclesPicture::setBlur(double blur) {
    if (blur == blur_) {
        return;
    }
    blur_ = blur;
    emit blurChanged();
    update();
}

void SoftCirclesPicture::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        update();
    }
}

void SoftCirclesPicture::paint(QPainter* painter) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    for (const QVariant& circle : std::as_const(circles_)) {
        paintCircle(*painter, circle.toMap());
    }
}

// Full colour up to `blur` inside the edge, half at the edge, none `blur`
// outside it.
void SoftCirclesPicture::paintCircle(QPainter& painter, const QVariantMap& circle) const {
    const QPointF center(circle.value(QStringLiteral("centerX")).toDouble(),
                         circle.value(QStringLiteral("centerY")).toDouble());
    const double radius = circle.value(QStringLiteral("diameter")).toDouble() / 2;
    const QColor color = circle.value(QStringLiteral("color")).value<QColor>();
    const double outer = radius + blur_;
    if (outer <= 0) {
        return;
    }
    QColor half = color;
    QColor clear = color;
    if (blur_ > 0) {
        half.setAlphaF(color.alphaF() / 2);
    }
    clear.setAlphaF(0);
    QRadialGradient fade(center, outer);
    fade.setStops({{0, color},
                   {std::max(0.0, (radius - blur_) / std::max(outer, 1.0)), color},
                   {radius / std::max(outer, 1.0), half},
                   {1, clear}});
    painter.setBrush(fade);
    painter.drawEllipse(center, outer, outer);
}

}  // namespace tandor::ui
