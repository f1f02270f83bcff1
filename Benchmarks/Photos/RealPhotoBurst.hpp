#pragma once

#include <string>
#include <vector>

#include "PhotoFixture.hpp"

// A labelled burst of real photographs for the similar-photo benchmark: each
// scene is a photograph shipped by a Debian package (installed by
// Benchmarks/photos), written as seven shots that a person would call the same
// one (the shot itself, re-encoded at quality 60, half size, cropped by 4 %,
// 8 % brighter, turned by 1.5°, panned by 3 %), all dated within one 20-minute
// burst so that the finder compares every scene with every other.
namespace tandor::benchmarks {

struct RealScene {
    std::string source;
    // Black-and-white, grey or nearly colourless.
    bool colourless = false;
};

// The scenes the benchmark uses; at least a quarter without colour, and a few
// repeating textures (brick, gravel, grass, wood, mosaic).
std::vector<RealScene> realScenes();

struct RealPhoto {
    testing::LabelledPhoto labelled;
    bool colourless = false;
};

// Writes the shots of every scene into folder, the modification dates spread
// over 20 minutes in an order that interleaves the scenes. Throws when a
// source cannot be read (its package is not installed).
std::vector<RealPhoto> writeRealBurst(const std::string& folder,
                                      const std::vector<RealScene>& scenes);

}  // namespace tandor::benchmarks
