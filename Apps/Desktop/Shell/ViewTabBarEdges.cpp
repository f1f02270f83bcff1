#include "Shell/ViewTabBarEdges.hpp"

#include <algorithm>

namespace tandor {
namespace {

// The largest contentX: the row's end at the viewport's end (0 when it fits).
double maximumContentX(double contentWidth, double viewportWidth) {
    return std::max(0.0, contentWidth - viewportWidth);
}

}  // namespace

ViewTabBarEdges::ViewTabBarEdges(QObject* parent) : QObject(parent) {
}

void ViewTabBarEdges::setContentX(double value) {
    if (value != contentX_) {
        contentX_ = value;
        emit edgesChanged();
    }
}

void ViewTabBarEdges::setContentWidth(double value) {
    if (value != contentWidth_) {
        contentWidth_ = value;
        emit edgesChanged();
    }
}

void ViewTabBarEdges::setViewportWidth(double value) {
    if (value != viewportWidth_) {
        viewportWidth_ = value;
        emit edgesChanged();
    }
}

bool ViewTabBarEdges::leadingHidden(double minX) {
    return minX < -tolerance;
}

bool ViewTabBarEdges::trailingHidden(double maxX, double viewportWidth) {
    return maxX > viewportWidth + tolerance;
}

bool ViewTabBarEdges::leadingHidden() const {
    return leadingHidden(-contentX_);
}

bool ViewTabBarEdges::trailingHidden() const {
    return trailingHidden(contentWidth_ - contentX_, viewportWidth_);
}

double ViewTabBarEdges::leadingFadeEnd() const {
    return leadingHidden() ? fadeShare : 0;
}

double ViewTabBarEdges::trailingFadeStart() const {
    return trailingHidden() ? 1 - fadeShare : 1;
}

double ViewTabBarEdges::chevronTarget(bool leading, double contentX, double contentWidth,
                                      double viewportWidth) {
    const double step = viewportWidth * 0.75;
    const double target = leading ? contentX - step : contentX + step;
    return std::clamp(target, 0.0, maximumContentX(contentWidth, viewportWidth));
}

double ViewTabBarEdges::chevronTarget(bool leading) const {
    return chevronTarget(leading, contentX_, contentWidth_, viewportWidth_);
}

double ViewTabBarEdges::revealTarget(double x, double width, double margin, double contentX,
                                     double contentWidth, double viewportWidth) {
    double target = contentX;
    if (x < contentX) {
        target = x - margin;
    } else if (x + width > contentX + viewportWidth) {
        target = x + width + margin - viewportWidth;
    }
    return std::clamp(target, 0.0, maximumContentX(contentWidth, viewportWidth));
}

double ViewTabBarEdges::revealTarget(double x, double width) const {
    // The chevrons (26 points and padding) cover the edges: keep clear of them.
    return revealTarget(x, width, 40, contentX_, contentWidth_, viewportWidth_);
}

}  // namespace tandor
