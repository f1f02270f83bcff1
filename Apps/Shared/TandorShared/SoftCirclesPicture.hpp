#pragma once

#include <QtQml/qqmlregistration.h>

#include <QQuickPaintedItem>
#include <QVariantList>

namespace tandor::ui {

// A canvas of `fillColor` with filled circles seen through a blur of `blur`
// pixels, each drawn as a radial fade that spills `blur` pixels beyond its
// diameter. `circles`: a list of { centerX, centerY, diameter, color }.
// Painted once into a picture of the item's size and drawn from it after,
// so that a frame in which only something in front moves does not paint the
// circles again: only a new size, blur or list of circles (a theme change)
// paints them anew.
class SoftCirclesPicture : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList circles READ circles WRITE setCircles NOTIFY circlesChanged)
    Q_PROPERTY(double blur READ blur WRITE setBlur NOTIFY blurChanged)

  public:
    explicit SoftCirclesPicture(QQuickItem* parent = nullptr);

    QVariantList circles() const { return circles_; }
    void setCircles(const QVariantList& circles);
    double blur() const { return blur_; }
    void setBlur(double blur);

    void paint(QPainter* painter) override;

  signals:
    void circlesChanged();
    void blurChanged();

  protected:
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;

  private:
    void paintCircle(QPainter& painter, const QVariantMap& circle) const;

    QVariantList circles_;
    double blur_ = 0;
};

}  // namespace tandor::ui
