#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Generated photos for the similar-photo tests and benchmark: synthetic scenes
// (a graded, textured background with shapes on it) written through libvips in
// a temporary folder, so that no image is ever stored in the repository.
namespace tandor::testing {

enum class PhotoFormat { jpeg, png, webp, heic };

// How one shot of a scene differs from the scene itself: what a second press of
// the shutter moments later, or a later edit, would change.
struct ShotVariation {
    // The part of the scene in the frame, as fractions of its width and height.
    double left = 0, top = 0, right = 1, bottom = 1;
    // How far the scene's subject moved, as fractions of the frame.
    double subjectDX = 0, subjectDY = 0;
    // Multiplies every channel (0.9 is 10 % darker).
    double exposure = 1;
    // Strength of the per-pixel noise, in 8-bit levels.
    double noise = 2;
    std::uint64_t noiseSeed = 1;
};

struct PhotoSpec {
    std::uint64_t scene = 1;
    // Scenes of one family share their background and differ in what stands on
    // it: the hardest different scenes to tell apart.
    std::uint64_t family = 0;
    int width = 640;
    int height = 480;
    ShotVariation variation;
    PhotoFormat format = PhotoFormat::jpeg;
    int quality = 90;
    // Written as EXIF DateTimeOriginal ("yyyy:MM:dd HH:mm:ss") when present.
    std::optional<std::string> exifDate;
    // EXIF orientation; the pixels are stored turned so that the oriented
    // image shows the scene upright.
    int orientation = 1;
};

// Renders the photo and writes it to path. Throws on failure.
void writePhoto(const std::string& path, const PhotoSpec& spec);

// Writes a one-band grey JPEG (quality 90) whose level at (x, y), both
// fractions of the frame from its top left corner, is level(x, y) on 0–255.
// Throws on failure.
void writeGreyPhoto(const std::string& path, int width, int height,
                    const std::function<double(double x, double y)>& level);

// A camera raw file as a DNG: the photo at path `image` (any format libvips
// reads) stored as 16-bit linear RGB, its capture time as the DNG's DateTime
// ("yyyy:MM:dd HH:mm:ss"), and unless `preview` is empty, the photo at that
// path embedded as a full-size JPEG preview. Throws on failure.
void writeDNG(const std::string& path, const std::string& image, const std::string& preview,
              const std::string& dateTime);

struct LabelledPhoto {
    std::string path;
    std::uint64_t scene = 0;
};

struct LabelledSetOptions {
    int families = 6;
    int scenesPerFamily = 2;
    int shotsPerScene = 3;
    int width = 480;
    int height = 360;
    std::uint64_t seed = 7;
};

// Writes families × scenesPerFamily scenes with shotsPerScene shots each into
// folder: random crops and shifts, moved subjects, exposure within ±10 %, sizes
// from 60 to 100 %, JPEG qualities from 60 to 95 and a few PNG and WebP copies.
std::vector<LabelledPhoto> writeLabelledSet(const std::string& folder,
                                            const LabelledSetOptions& options);

struct PairScore {
    double precision = 0;
    double recall = 0;
    int truePositives = 0;
    int falsePositives = 0;
    int falseNegatives = 0;
};

// Pairwise precision and recall: a pair is predicted alike when its distance
// is at most threshold (an absent distance predicts "different") and is truly
// alike when both photos show the same scene.
PairScore scorePairs(const std::vector<LabelledPhoto>& photos, float threshold,
                     const std::function<std::optional<float>(std::size_t, std::size_t)>& distance);

// Hostile files: a PNG whose header claims side × side 8-bit RGB pixels,
// interlaced (which libvips decodes into memory whole), followed by an empty
// image stream; and the given JPEG's bytes with its start-of-frame header
// claiming side × side pixels.
std::string claimedPNG(std::uint32_t side);
std::string claimedJPEG(std::string jpeg, std::uint16_t side);

}  // namespace tandor::testing
