#include "Browse/DiskMapGeometry.hpp"

#include <algorithm>
#include <cmath>

#include "TandorCore/IcicleLayout.hpp"

namespace tandor::diskmap {
namespace {

// The system's neutral gray, used for the focus row and the smaller items.
constexpr Rgba gray(double alpha) {
    return {0.557, 0.557, 0.576, alpha};
}

}  // namespace

const std::array<Rgba, 8>& palette() {
    static const std::array<Rgba, 8> colours{{
        {0.482, 0.118, 0.227, 1.0},
        {0.69, 0.227, 0.345, 1.0},
        {0.886, 0.659, 0.322, 1.0},
        {0.851, 0.376, 0.498, 1.0},
        {0.369, 0.165, 0.29, 1.0},
        {0.761, 0.376, 0.247, 1.0},
        {0.91, 0.604, 0.682, 1.0},
        {0.659, 0.478, 0.18, 1.0},
    }};
    return colours;
}

int rows(const std::vector<IcicleCell>& cells) {
    int deepest = -1;
    for (const auto& cell : cells) {
        deepest = std::max(deepest, cell.depth);
    }
    return cells.empty() ? 1 : deepest + 1;
}

double rowHeight(double height, int rows) {
    return std::min(maximumRowHeight, height / std::max(rows, 1));
}

Rect cellRect(const IcicleCell& cell, double width, double rowHeight) {
    return {cell.start * width, cell.depth * rowHeight, cell.length * width, rowHeight};
}

bool isDrawn(const Rect& bar) {
    return bar.width >= minimumDrawnWidth;
}

bool hasLabel(const Rect& bar, double rowHeight) {
    return bar.width > labelBarWidth && rowHeight >= labelRowHeight;
}

Rect shapeRect(const Rect& bar) {
    return {bar.x + 0.5, bar.y + 0.5, bar.width - 1.0, bar.height - 1.0};
}

Rect labelRect(const Rect& bar) {
    return {bar.x + 4.0, bar.y + 1.0, bar.width - 8.0, bar.height - 2.0};
}

Rgba fill(const IcicleCell& cell) {
    if (cell.kind.isSmallerItems) {
        return gray(0.25);
    }
    if (cell.branch < 0) {
        return gray(0.35);
    }
    Rgba colour = palette()[static_cast<std::size_t>(cell.branch) % palette().size()];
    colour.alpha = std::max(0.4, 0.85 - 0.12 * (cell.depth - 1));
    if (!cell.isDirectory) {
        colour.alpha *= 0.6;
    }
    return colour;
}

std::optional<IcicleCell> hitCell(const std::vector<IcicleCell>& cells, double x, double y,
                                  double width, double rowHeight) {
    if (!(width > 0.0) || !(rowHeight > 0.0) || !(y >= 0.0)) {
        return std::nullopt;
    }
    const double row = std::trunc(y / rowHeight);
    // Far below every row: no depth to look up (and no int overflow).
    if (row > static_cast<double>(rows(cells))) {
        return std::nullopt;
    }
    return IcicleLayout::hit(cells, x / width, static_cast<int>(row));
}

}  // namespace tandor::diskmap
