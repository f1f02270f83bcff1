#include "Swipe/SwipeGesture.hpp"

#include <algorithm>
#include <cmath>

namespace tandor::SwipeGesture {
namespace {

constexpr double tiltDegrees = 12;

}  // namespace

std::optional<Stamp> stamp(double w, double h) {
    const double strength = std::min(1.0, std::max(std::abs(w), std::abs(h)) / threshold);
    QString key;
    if (h < 0 && -h > std::abs(w)) {
        key = QStringLiteral("MOVE");
    } else if (h > 0 && h > std::abs(w)) {
        key = QStringLiteral("LATER");
    } else if (w < 0) {
        key = QStringLiteral("PILE");
    } else if (w > 0) {
        key = QStringLiteral("KEEP");
    } else {
        return std::nullopt;
    }
    const double tilt = key == QStringLiteral("KEEP") ? -tiltDegrees : tiltDegrees;
    return Stamp{key, strength, tilt};
}

std::optional<SwipeDecision> release(double w, double h) {
    if (h > threshold && h > std::abs(w)) {
        return SwipeDecision::later;
    }
    if (h < -threshold && -h > std::abs(w)) {
        return SwipeDecision::move;
    }
    if (w < -threshold) {
        return SwipeDecision::toss;
    }
    if (w > threshold) {
        return SwipeDecision::keep;
    }
    return std::nullopt;
}

}  // namespace tandor::SwipeGesture
