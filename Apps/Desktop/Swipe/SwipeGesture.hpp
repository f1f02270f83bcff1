#pragma once

#include <QString>
#include <optional>

#include "TandorReview/SwipeDecision.hpp"

namespace tandor::SwipeGesture {

// How far a card must travel, strictly beyond, before its release decides it.
inline constexpr double threshold = 120;

// The word drawn on a dragged card: "KEEP", "PILE", "LATER" or "MOVE" (the
// key; the view localizes it), as opaque as the drag is far towards the
// threshold, tilted counterclockwise for KEEP and clockwise for the others.
struct Stamp {
    QString key;
    double opacity = 0;
    double tilt = 0;

    friend bool operator==(const Stamp&, const Stamp&) = default;
};

// The stamp for a drag of width w and height h (up is negative); none
// without a drag.
std::optional<Stamp> stamp(double w, double h);

// What releasing the card at (w, h) decides; nothing when it springs back.
// A vertical decision needs the height to dominate strictly.
std::optional<SwipeDecision> release(double w, double h);

}  // namespace tandor::SwipeGesture
