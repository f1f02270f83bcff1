#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tandor {

// The perceptual descriptor that the similar-photo search compares: the
// brightness layout of an image at two coarse scales, each with its mean and
// contrast taken out, and the shape of its brightness histogram; its local
// structure (gradient orientations in a grid); its colour layout and colour
// histogram relative to its brightness, and how colourful it is. All survive
// re-encoding, resizing, a small crop, turn or shift and a change of exposure;
// together they differ between different scenes, with or without colour, and
// between scenes of one kind (two mountains, two lakes).
class FeaturePrint {
  public:
    // The print is made from an image scaled to gridSide × gridSide pixels.
    static constexpr int gridSide = 128;

    // rgb holds gridSide × gridSide pixels of three bytes each, row by row.
    static FeaturePrint fromGrid(std::span<const std::uint8_t> rgb);

    explicit FeaturePrint(std::vector<float> values) : values_(std::move(values)) {}

    const std::vector<float>& values() const { return values_; }

    // A distance in [0, 1]; smaller is more alike. Scaled so that 0.35 parts
    // shots of one scene taken moments apart from different scenes. Nothing
    // when the two prints are not of the same layout or hold values that do not
    // compare.
    static std::optional<float> distance(const FeaturePrint& a, const FeaturePrint& b);

  private:
    std::vector<float> values_;
};

}  // namespace tandor
