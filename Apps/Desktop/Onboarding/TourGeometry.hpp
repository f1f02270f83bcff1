#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QVariantMap>

// The sizes and poses of the tour's pages, as plain functions so that they
// are tested as tables, and as the QML singleton TourGeometry for the views.
namespace tandor {
namespace TourLayout {

// Every piece of art is designed for a square of this side.
inline constexpr double designSide = 280.0;

// The side of a page's art for an offered height: what is left after the
// texts and `bottomRoom`, kept between 110 and 280.
double artSide(double height, double bottomRoom);

// One pose of the swipe demonstration's card and its two targets.
struct SwipePose {
    double offset = 0.0;    // horizontal, points
    double rotation = 0.0;  // degrees, clockwise
    double opacity = 1.0;
    double trashScale = 1.0;
    double heartScale = 1.0;

    friend bool operator==(const SwipePose&, const SwipePose&) = default;
};

// The pose after `step` moves: middle, left onto the trash, middle, right onto
// the heart, and round again.
SwipePose swipePose(int step);

}  // namespace TourLayout

class TourGeometry : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

  public:
    explicit TourGeometry(QObject* parent = nullptr);

    Q_INVOKABLE static double artSide(double height, double bottomRoom);
    // {offset, rotation, opacity, trashScale, heartScale}
    Q_INVOKABLE static QVariantMap swipePose(int step);
};

}  // namespace tandor
