#include "TandorDuplicates/FeaturePrint.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace tandor {
namespace {

constexpr int coarseSide = 8;
constexpr int fineSide = 16;
constexpr int colourSide = 4;
constexpr std::size_t coarseCount = coarseSide * coarseSide;
constexpr std::size_t fineCount = fineSide * fineSide;
constexpr std::size_t colourCount = colourSide * colourSide * 2;
constexpr std::size_t printSize = coarseCount + fineCount + colourCount;

// Colour is measured against the mean brightness, but never against less than
// this, so that the noise of a nearly black image does not pass for colour.
constexpr double darkestReference = 32;

// Maps the sum of the brightness and colour terms onto the distance scale,
// calibrated on generated labelled shots: pairs of one scene end at most about
// 0.34 apart, and all but about one in ten thousand pairs of different scenes
// above 0.35.
constexpr double scale = 0.92;

constexpr std::size_t gridPixels = FeaturePrint::gridSide * FeaturePrint::gridSide;

struct Pixel {
    double r, g, b;
    double luma() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

std::array<Pixel, gridPixels> pixelsOf(std::span<const std::uint8_t> rgb) {
    std::array<Pixel, gridPixels> pixels{};
    for (std::size_t i = 0; i < gridPixels && i * 3 + 2 < rgb.size(); ++i) {
        pixels[i] = {static_cast<double>(rgb[i * 3]), static_cast<double>(rgb[i * 3 + 1]),
                     static_cast<double>(rgb[i * 3 + 2])};
    }
    return pixels;
}

std::size_t cellOf(std::size_t pixel, int side) {
    const auto perCell = static_cast<std::size_t>(FeaturePrint::gridSide / side);
    const auto row = pixel / FeaturePrint::gridSide;
    const auto column = pixel % FeaturePrint::gridSide;
    return (row / perCell) * static_cast<std::size_t>(side) + column / perCell;
}

// Mean brightness per cell, then without its mean and scaled to unit spread; a
// flat image gives zeros.
void appendBrightnessLayout(const std::array<Pixel, gridPixels>& pixels, int side,
                            std::vector<float>& print) {
    std::vector<double> cells(static_cast<std::size_t>(side * side), 0);
    for (std::size_t i = 0; i < gridPixels; ++i) {
        cells[cellOf(i, side)] += pixels[i].luma();
    }
    double mean = 0;
    for (const double cell : cells) {
        mean += cell;
    }
    mean /= static_cast<double>(cells.size());
    double spread = 0;
    for (double& cell : cells) {
        cell -= mean;
        spread += cell * cell;
    }
    spread = std::sqrt(spread / static_cast<double>(cells.size()));
    for (const double cell : cells) {
        print.push_back(spread > 1e-9 ? static_cast<float>(cell / spread) : 0.0f);
    }
}

// Two opponent colour channels per cell (red against green, yellow against
// blue) relative to the mean brightness, so that exposure changes cancel out.
void appendColourLayout(const std::array<Pixel, gridPixels>& pixels, std::vector<float>& print) {
    std::vector<double> cells(colourCount, 0);
    double brightness = 0;
    for (std::size_t i = 0; i < gridPixels; ++i) {
        const auto& p = pixels[i];
        const auto cell = cellOf(i, colourSide);
        cells[cell * 2] += p.r - p.g;
        cells[cell * 2 + 1] += (p.r + p.g) / 2 - p.b;
        brightness += p.luma();
    }
    const double perCell = static_cast<double>(gridPixels) / (colourSide * colourSide);
    const double reference =
        std::max(brightness / static_cast<double>(gridPixels), darkestReference);
    for (const double cell : cells) {
        print.push_back(static_cast<float>(cell / perCell / reference));
    }
}

// The correlation of two layouts, mapped onto [0, 1]: 0 for the same layout,
// 0.5 for unrelated ones. Two flat layouts are the same; a flat one and a
// textured one are unrelated.
double layoutDistance(std::span<const float> a, std::span<const float> b) {
    double dot = 0, normA = 0, normB = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        dot += static_cast<double>(a[i]) * b[i];
        normA += static_cast<double>(a[i]) * a[i];
        normB += static_cast<double>(b[i]) * b[i];
    }
    if (normA == 0 && normB == 0) {
        return 0;
    }
    if (normA == 0 || normB == 0) {
        return 0.5;
    }
    const double correlation = std::clamp(dot / std::sqrt(normA * normB), -1.0, 1.0);
    return (1 - correlation) / 2;
}

double colourDistance(std::span<const float> a, std::span<const float> b) {
    double total = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        total += std::fabs(static_cast<double>(a[i]) - b[i]);
    }
    return total / static_cast<double>(a.size());
}

}  // namespace

FeaturePrint FeaturePrint::fromGrid(std::span<const std::uint8_t> rgb) {
    const auto pixels = pixelsOf(rgb);
    std::vector<float> print;
    print.reserve(printSize);
    appendBrightnessLayout(pixels, coarseSide, print);
    appendBrightnessLayout(pixels, fineSide, print);
    appendColourLayout(pixels, print);
    return FeaturePrint(std::move(print));
}

std::optional<float> FeaturePrint::distance(const FeaturePrint& a, const FeaturePrint& b) {
    if (a.values_.size() != printSize || b.values_.size() != printSize) {
        return std::nullopt;
    }
    const std::span<const float> first(a.values_), second(b.values_);
    const double brightness =
        (layoutDistance(first.subspan(0, coarseCount), second.subspan(0, coarseCount)) +
         layoutDistance(first.subspan(coarseCount, fineCount),
                        second.subspan(coarseCount, fineCount))) /
        2;
    const double colour = colourDistance(first.subspan(coarseCount + fineCount),
                                         second.subspan(coarseCount + fineCount));
    const double scaled = scale * (brightness + colour);
    if (std::isnan(scaled)) {
        return std::nullopt;
    }
    return static_cast<float>(std::min(scaled, 1.0));
}

}  // namespace tandor
