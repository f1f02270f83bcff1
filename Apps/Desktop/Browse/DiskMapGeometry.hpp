#pragma once

#include <array>
#include <optional>
#include <vector>

#include "TandorCore/IcicleCell.hpp"

// The disk map's drawing rules as plain functions of the cells and the canvas
// size, so that the item only paints what these decide.
namespace tandor::diskmap {

struct Rgba {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 1.0;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

struct Rect {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr double maximumRowHeight = 40.0;
// Bars narrower than this are not painted (they still answer hit tests).
inline constexpr double minimumDrawnWidth = 1.5;
// A label needs a bar wider than this and a row at least labelRowHeight tall.
inline constexpr double labelBarWidth = 44.0;
inline constexpr double labelRowHeight = 16.0;
inline constexpr double cornerRadius = 3.0;

// The eight branch colours, opaque, in sRGB.
const std::array<Rgba, 8>& palette();

// The deepest depth among the cells plus one; 1 without cells.
int rows(const std::vector<IcicleCell>& cells);
// min(40, height / rows); rows below 1 count as 1.
double rowHeight(double height, int rows);
// The cell's bar on a canvas of the given width.
Rect cellRect(const IcicleCell& cell, double width, double rowHeight);
bool isDrawn(const Rect& bar);
bool hasLabel(const Rect& bar, double rowHeight);
// The painted shape: the bar inset by half a pixel on each side.
Rect shapeRect(const Rect& bar);
// Where the label is clipped: the bar inset by 4 across and 1 down.
Rect labelRect(const Rect& bar);
Rgba fill(const IcicleCell& cell);

// The cell under a point of a canvas of the given width and row height; none
// over empty space, above the map or when the canvas has no size.
std::optional<IcicleCell> hitCell(const std::vector<IcicleCell>& cells, double x, double y,
                                  double width, double rowHeight);

}  // namespace tandor::diskmap
