#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>

namespace tandor {

// The edge logic of the tab strip: which side hides buttons,
// where the edge fade runs and where the chevrons and a newly selected tab
// scroll the row. The row's frame in the strip's coordinates runs from
// minX = -contentX to maxX = contentWidth - contentX.
class ViewTabBarEdges : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(double contentX READ contentX WRITE setContentX NOTIFY edgesChanged)
    Q_PROPERTY(double contentWidth READ contentWidth WRITE setContentWidth NOTIFY edgesChanged)
    Q_PROPERTY(double viewportWidth READ viewportWidth WRITE setViewportWidth NOTIFY edgesChanged)
    // Buttons lie hidden beyond that edge (by more than the 2-point tolerance):
    // the chevron shows and the side fades.
    Q_PROPERTY(bool leadingHidden READ leadingHidden NOTIFY edgesChanged)
    Q_PROPERTY(bool trailingHidden READ trailingHidden NOTIFY edgesChanged)
    // The mask's inner stops: 0.08 / 0.92 while that side hides buttons, else 0 / 1.
    Q_PROPERTY(double leadingFadeEnd READ leadingFadeEnd NOTIFY edgesChanged)
    Q_PROPERTY(double trailingFadeStart READ trailingFadeStart NOTIFY edgesChanged)

  public:
    static constexpr double tolerance = 2;
    static constexpr double fadeShare = 0.08;

    explicit ViewTabBarEdges(QObject* parent = nullptr);

    double contentX() const { return contentX_; }
    void setContentX(double value);
    double contentWidth() const { return contentWidth_; }
    void setContentWidth(double value);
    double viewportWidth() const { return viewportWidth_; }
    void setViewportWidth(double value);

    static bool leadingHidden(double minX);
    static bool trailingHidden(double maxX, double viewportWidth);
    bool leadingHidden() const;
    bool trailingHidden() const;
    double leadingFadeEnd() const;
    double trailingFadeStart() const;

    // The contentX a chevron scrolls to: three quarters of the viewport
    // towards that side, within the row.
    static double chevronTarget(bool leading, double contentX, double contentWidth,
                                double viewportWidth);
    Q_INVOKABLE double chevronTarget(bool leading) const;
    // The nearest contentX that shows the button at [x, x + width) whole, with
    // margin to spare where the row allows; contentX itself when it shows.
    static double revealTarget(double x, double width, double margin, double contentX,
                               double contentWidth, double viewportWidth);
    Q_INVOKABLE double revealTarget(double x, double width) const;

  signals:
    void edgesChanged();

  private:
    double contentX_ = 0;
    double contentWidth_ = 0;
    double viewportWidth_ = 0;
};

}  // namespace tandor
