#include "TandorDuplicates/FeaturePrint.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tandor {
namespace {

constexpr int side = FeaturePrint::gridSide;
constexpr std::size_t gridPixels = static_cast<std::size_t>(side * side);

// Layouts are read from the luminance reduced to this side, blurred so that a
// repeating texture (brick, tiles) averages out instead of aliasing into a
// pattern that moves with the slightest pan.
constexpr int layoutGrid = 64;
constexpr int coarseSide = 8;
constexpr int fineSide = 16;
// Gradient orientations, weighted by strength, in 4 × 4 cells of the full grid.
constexpr int structureSide = 4;
constexpr int orientations = 8;
constexpr int colourSide = 4;
// Mean gradient strength at these sides of the grid, as shares of their sum:
// how fine or coarse the detail is, which tells textures apart that share
// their orientations (grass and gravel) and survives any pan.
constexpr std::array<int, 4> detailSides{side, side / 2, side / 4, side / 8};

constexpr std::size_t coarseCount = coarseSide * coarseSide;
constexpr std::size_t fineCount = fineSide * fineSide;
constexpr std::size_t structureCount = structureSide * structureSide * orientations;
constexpr std::size_t colourCount = colourSide * colourSide * 2;
constexpr std::size_t detailCount = detailSides.size();
constexpr std::size_t coarseStart = 0;
constexpr std::size_t fineStart = coarseStart + coarseCount;
constexpr std::size_t structureStart = fineStart + fineCount;
constexpr std::size_t detailStart = structureStart + structureCount;
constexpr std::size_t colourStart = detailStart + detailCount;
constexpr std::size_t colourfulnessIndex = colourStart + colourCount;
// The shape of the brightness histogram (quantiles of the brightness without
// its mean and spread) and the histogram of colours (two opponent channels
// against the brightness, in chromaSide × chromaSide bins): neither moves with
// a pan, crop or turn, and both tell apart scenes of one kind whose layouts
// agree (a mountain at sunset and one at noon, a grey pier and a lake).
constexpr int brightnessQuantiles = 10;
constexpr int chromaSide = 6;
constexpr double chromaReach = 0.6;
constexpr std::size_t chromaCount = chromaSide * chromaSide;
constexpr std::size_t shapeStart = colourfulnessIndex + 1;
constexpr std::size_t chromaStart = shapeStart + brightnessQuantiles;
constexpr std::size_t printSize = chromaStart + chromaCount;

// Colour is measured against the mean brightness, but never against less than
// this, so that the noise of a nearly black image does not pass for colour.
constexpr double darkestReference = 32;

// The colourfulness (mean opponent-colour strength against the brightness) from
// which the colour term counts in full; below it, it counts in proportion, so
// that grey and sepia photos are told apart by their structure alone.
constexpr double fullColour = 0.3;
// Below this colourfulness two photos are equally grey: their difference in
// colourfulness is measured against it.
constexpr double leastColourfulness = 0.05;
// Gains bring each term's typical differences onto the layout's range.
constexpr double detailGain = 10;
constexpr double colourGain = 4;

// The weights of the terms in one weighted mean, and the scale that maps the
// mean onto the distance scale.
struct Weights {
    double layout, structure, detail, shape, colour, colourfulness, chroma, scale;
};

// How the scene is arranged: the layout is the surest sign of one scene; the
// structure and the scale of detail tell apart scenes of like layout, the
// colour layout those of like structure. Calibrated on real photographs and on
// generated shots: shots of one scene (re-encoded, halved, cropped, brighter,
// turned, panned, its subject moved) end at most about 0.27 apart, different
// scenes, grey ones and textures included, at least about 0.45, except
// landscapes of one kind.
constexpr Weights arrangement{4, 1.5, 0.5, 0, 0.3, 0, 0, 1.84};
// The arrangement and the histograms together, which also part landscapes of
// one kind (a mountain at sunset and one at noon, a grey pier and a lake):
// there shots of one scene end at most about 0.24 apart, different scenes at
// least about 0.5.
constexpr Weights whole{4, 2, 0.5, 2, 0.3, 2, 2, 2.19};

// One channel of the grid, row by row. Single precision keeps a plane small
// enough to come from the heap's free lists rather than from fresh pages for
// every photo.
using Plane = std::vector<float>;

struct Channels {
    Plane r, g, b, luma;
};

Channels channelsOf(std::span<const std::uint8_t> rgb) {
    Channels channels;
    for (auto* channel : {&channels.r, &channels.g, &channels.b, &channels.luma}) {
        channel->assign(gridPixels, 0);
    }
    for (std::size_t i = 0; i < gridPixels && i * 3 + 2 < rgb.size(); ++i) {
        channels.r[i] = rgb[i * 3];
        channels.g[i] = rgb[i * 3 + 1];
        channels.b[i] = rgb[i * 3 + 2];
        channels.luma[i] = 0.299f * channels.r[i] + 0.587f * channels.g[i] + 0.114f * channels.b[i];
    }
    return channels;
}

Plane reduced(const Plane& luma, int to) {
    const int factor = side / to;
    Plane out(static_cast<std::size_t>(to * to), 0);
    const auto share = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            out[static_cast<std::size_t>((y / factor) * to + x / factor)] +=
                luma[static_cast<std::size_t>(y * side + x)] * share;
        }
    }
    return out;
}

// One pass of a Gaussian blur along rows (step 1) or columns (step n), the
// edges extended.
Plane blurredAlong(const Plane& image, int n, bool rows, const std::vector<double>& kernel) {
    const int radius = static_cast<int>(kernel.size() / 2);
    Plane out(image.size(), 0);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            double sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int xx = rows ? std::clamp(x + k, 0, n - 1) : x;
                const int yy = rows ? y : std::clamp(y + k, 0, n - 1);
                sum += kernel[static_cast<std::size_t>(k + radius)] *
                       image[static_cast<std::size_t>(yy * n + xx)];
            }
            out[static_cast<std::size_t>(y * n + x)] = static_cast<float>(sum);
        }
    }
    return out;
}

Plane blurred(const Plane& image, int n, double sigma) {
    const int radius = static_cast<int>(std::ceil(2.5 * sigma));
    std::vector<double> kernel;
    double total = 0;
    for (int k = -radius; k <= radius; ++k) {
        kernel.push_back(std::exp(-k * k / (2 * sigma * sigma)));
        total += kernel.back();
    }
    for (double& weight : kernel) {
        weight /= total;
    }
    return blurredAlong(blurredAlong(image, n, true, kernel), n, false, kernel);
}

// The blurred brightness at the centre of each cell, without its mean and
// scaled to unit spread; a flat image gives zeros.
void appendBrightnessLayout(const Plane& small, int cells, std::vector<float>& print) {
    const int perCell = layoutGrid / cells;
    const auto smooth = blurred(small, layoutGrid, perCell / 2.0);
    std::vector<double> values;
    for (int cy = 0; cy < cells; ++cy) {
        for (int cx = 0; cx < cells; ++cx) {
            values.push_back(smooth[static_cast<std::size_t>(
                (cy * perCell + perCell / 2) * layoutGrid + cx * perCell + perCell / 2)]);
        }
    }
    double mean = 0;
    for (const double value : values) {
        mean += value;
    }
    mean /= static_cast<double>(values.size());
    double spread = 0;
    for (double& value : values) {
        value -= mean;
        spread += value * value;
    }
    spread = std::sqrt(spread / static_cast<double>(values.size()));
    for (const double value : values) {
        print.push_back(spread > 1e-9 ? static_cast<float>(value / spread) : 0.0f);
    }
}

// Histograms of gradient orientation (without sign), weighted by gradient
// strength, per cell; square-rooted and scaled to unit length, so that a change
// of exposure or contrast cancels out and a few strong edges do not drown the
// rest. A flat image gives zeros.
void appendStructure(const Plane& luma, std::vector<float>& print) {
    std::vector<double> histograms(structureCount, 0);
    const int perCell = side / structureSide;
    for (int y = 1; y < side - 1; ++y) {
        for (int x = 1; x < side - 1; ++x) {
            const auto at = [&](int px, int py) {
                return luma[static_cast<std::size_t>(py * side + px)];
            };
            const double dx = at(x + 1, y) - at(x - 1, y);
            const double dy = at(x, y + 1) - at(x, y - 1);
            const double strength = std::sqrt(dx * dx + dy * dy);
            if (strength == 0) {
                continue;
            }
            double angle = std::atan2(dy, dx);
            if (angle < 0) {
                angle += std::numbers::pi;
            }
            const double position = angle / std::numbers::pi * orientations - 0.5;
            const double lower = std::floor(position);
            const double upperShare = position - lower;
            const auto bin = [](double index) {
                return static_cast<std::size_t>((static_cast<int>(index) + orientations) %
                                                orientations);
            };
            const auto cell =
                static_cast<std::size_t>((y / perCell) * structureSide + x / perCell) *
                orientations;
            histograms[cell + bin(lower)] += strength * (1 - upperShare);
            histograms[cell + bin(lower + 1)] += strength * upperShare;
        }
    }
    double length = 0;
    for (double& value : histograms) {
        value = std::sqrt(value);
        length += value * value;
    }
    length = std::sqrt(length);
    for (const double value : histograms) {
        print.push_back(length > 0 ? static_cast<float>(value / length) : 0.0f);
    }
}

double meanGradient(const Plane& image, int n) {
    double total = 0;
    for (int y = 1; y < n - 1; ++y) {
        for (int x = 1; x < n - 1; ++x) {
            const auto at = [&](int px, int py) {
                return static_cast<double>(image[static_cast<std::size_t>(py * n + px)]);
            };
            const double dx = at(x + 1, y) - at(x - 1, y);
            const double dy = at(x, y + 1) - at(x, y - 1);
            total += std::sqrt(dx * dx + dy * dy);
        }
    }
    return total / ((n - 2) * (n - 2));
}

void appendDetail(const Plane& luma, std::vector<float>& print) {
    std::array<double, detailCount> strengths{};
    double total = 0;
    for (std::size_t i = 0; i < detailCount; ++i) {
        const int n = detailSides[i];
        strengths[i] = meanGradient(n == side ? luma : reduced(luma, n), n);
        total += strengths[i];
    }
    for (const double strength : strengths) {
        print.push_back(total > 0 ? static_cast<float>(strength / total) : 0.0f);
    }
}

// Two opponent colour channels per cell (red against green, yellow against
// blue) relative to the mean brightness, so that exposure changes cancel out,
// then the photo's colourfulness on the same scale.
void appendColour(const Channels& channels, std::vector<float>& print) {
    std::vector<double> cells(colourCount, 0);
    double brightness = 0;
    double colourfulness = 0;
    const int perCell = side / colourSide;
    for (std::size_t i = 0; i < gridPixels; ++i) {
        const double redGreen = channels.r[i] - channels.g[i];
        const double yellowBlue = (channels.r[i] + channels.g[i]) / 2 - channels.b[i];
        const auto y = static_cast<int>(i) / side;
        const auto x = static_cast<int>(i) % side;
        const auto cell = static_cast<std::size_t>((y / perCell) * colourSide + x / perCell);
        cells[cell * 2] += redGreen;
        cells[cell * 2 + 1] += yellowBlue;
        brightness += channels.luma[i];
        colourfulness += std::fabs(redGreen) + std::fabs(yellowBlue);
    }
    const double reference =
        std::max(brightness / static_cast<double>(gridPixels), darkestReference);
    const double pixelsPerCell = static_cast<double>(perCell * perCell);
    for (const double cell : cells) {
        print.push_back(static_cast<float>(cell / pixelsPerCell / reference));
    }
    print.push_back(
        static_cast<float>(colourfulness / static_cast<double>(gridPixels) / reference));
}

// Quantiles of the brightness after its mean is taken out and its spread
// scaled to one, so that a change of exposure or contrast cancels out; a flat
// image gives zeros.
void appendBrightnessShape(const Plane& luma, std::vector<float>& print) {
    double mean = 0;
    for (const float value : luma) {
        mean += value;
    }
    mean /= static_cast<double>(luma.size());
    double spread = 0;
    for (const float value : luma) {
        spread += (value - mean) * (value - mean);
    }
    spread = std::max(std::sqrt(spread / static_cast<double>(luma.size())), 1e-6);
    auto sorted = luma;
    std::sort(sorted.begin(), sorted.end());
    const auto last = static_cast<double>(sorted.size() - 1);
    for (int q = 0; q < brightnessQuantiles; ++q) {
        const double position = (0.05 + 0.1 * q) * last;
        const auto lower = static_cast<std::size_t>(position);
        const auto upper = std::min(lower + 1, sorted.size() - 1);
        const double share = position - static_cast<double>(lower);
        const double value = sorted[lower] * (1 - share) + sorted[upper] * share;
        print.push_back(static_cast<float>((value - mean) / spread));
    }
}

// The share of pixels in each bin of the two opponent colour channels against
// the mean brightness (as in appendColour), each channel from -chromaReach to
// chromaReach, stronger colours counted in the outer bins.
void appendChroma(const Channels& channels, std::vector<float>& print) {
    double brightness = 0;
    for (const float value : channels.luma) {
        brightness += value;
    }
    const double reference =
        std::max(brightness / static_cast<double>(gridPixels), darkestReference);
    const auto bin = [](double value) {
        const auto index =
            static_cast<int>(std::floor((value + chromaReach) / (2 * chromaReach) * chromaSide));
        return static_cast<std::size_t>(std::clamp(index, 0, chromaSide - 1));
    };
    std::vector<double> bins(chromaCount, 0);
    for (std::size_t i = 0; i < gridPixels; ++i) {
        const double redGreen = (channels.r[i] - channels.g[i]) / reference;
        const double yellowBlue = ((channels.r[i] + channels.g[i]) / 2 - channels.b[i]) / reference;
        bins[bin(redGreen) * chromaSide + bin(yellowBlue)] += 1;
    }
    for (const double count : bins) {
        print.push_back(static_cast<float>(count / static_cast<double>(gridPixels)));
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

// The distance of two unit-length histograms on [0, 1]: 0 for the same
// structure, 1 for histograms with no bin in common.
double structureDistance(std::span<const float> a, std::span<const float> b) {
    double total = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double difference = static_cast<double>(a[i]) - b[i];
        total += difference * difference;
    }
    return std::sqrt(total / 2);
}

double meanDifference(std::span<const float> a, std::span<const float> b) {
    double total = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        total += std::fabs(static_cast<double>(a[i]) - b[i]);
    }
    return total / static_cast<double>(a.size());
}

// The differences of two prints, term by term, each on about [0, 1].
struct Differences {
    double layout, structure, detail, shape, colour, colourfulness, chroma;
    // How much the colour terms count: in full when either photo is
    // colourful, not at all when neither has colour.
    double colourShare;
};

Differences differencesOf(std::span<const float> first, std::span<const float> second) {
    const auto part = [](std::span<const float> print, std::size_t start, std::size_t count) {
        return print.subspan(start, count);
    };
    Differences d{};
    d.layout =
        (layoutDistance(part(first, coarseStart, coarseCount),
                        part(second, coarseStart, coarseCount)) +
         layoutDistance(part(first, fineStart, fineCount), part(second, fineStart, fineCount))) /
        2;
    d.structure = structureDistance(part(first, structureStart, structureCount),
                                    part(second, structureStart, structureCount));
    d.detail = detailGain * meanDifference(part(first, detailStart, detailCount),
                                           part(second, detailStart, detailCount));
    d.shape = meanDifference(part(first, shapeStart, brightnessQuantiles),
                             part(second, shapeStart, brightnessQuantiles));
    d.colour = colourGain * meanDifference(part(first, colourStart, colourCount),
                                           part(second, colourStart, colourCount));
    const double colourfulness = std::max(first[colourfulnessIndex], second[colourfulnessIndex]);
    d.colourfulness = std::fabs(first[colourfulnessIndex] - second[colourfulnessIndex]) /
                      std::max(colourfulness, leastColourfulness);
    d.chroma = meanDifference(part(first, chromaStart, chromaCount),
                              part(second, chromaStart, chromaCount)) *
               static_cast<double>(chromaCount) / 2;
    d.colourShare = std::clamp(colourfulness / fullColour, 0.0, 1.0);
    return d;
}

double weightedMean(const Differences& d, const Weights& w) {
    const double colourTerms =
        w.colour * d.colour + w.colourfulness * d.colourfulness + w.chroma * d.chroma;
    const double colourWeights = w.colour + w.colourfulness + w.chroma;
    return w.scale *
           (w.layout * d.layout + w.structure * d.structure + w.detail * d.detail +
            w.shape * d.shape + d.colourShare * colourTerms) /
           (w.layout + w.structure + w.detail + w.shape + d.colourShare * colourWeights);
}

}  // namespace

FeaturePrint FeaturePrint::fromGrid(std::span<const std::uint8_t> rgb) {
    const auto channels = channelsOf(rgb);
    const auto small = reduced(channels.luma, layoutGrid);
    std::vector<float> print;
    print.reserve(printSize);
    appendBrightnessLayout(small, coarseSide, print);
    appendBrightnessLayout(small, fineSide, print);
    appendStructure(channels.luma, print);
    appendDetail(channels.luma, print);
    appendColour(channels, print);
    appendBrightnessShape(channels.luma, print);
    appendChroma(channels, print);
    return FeaturePrint(std::move(print));
}

// The larger of two weighted means of the differences: photos are alike only
// when they are arranged alike and, taking their histograms in, alike as a
// whole, so that neither matching histograms nor a matching layout alone makes
// two scenes one.
std::optional<float> FeaturePrint::distance(const FeaturePrint& a, const FeaturePrint& b) {
    if (a.values_.size() != printSize || b.values_.size() != printSize) {
        return std::nullopt;
    }
    const auto differences = differencesOf(a.values_, b.values_);
    const double scaled =
        std::max(weightedMean(differences, arrangement), weightedMean(differences, whole));
    if (std::isnan(scaled)) {
        return std::nullopt;
    }
    return static_cast<float>(std::min(scaled, 1.0));
}

}  // namespace tandor
