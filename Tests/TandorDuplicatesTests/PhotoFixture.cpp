#include "PhotoFixture.hpp"

#include <tiffio.h>
#include <vips/vips.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <stdexcept>
#include <string_view>

#include "TandorDuplicates/VipsSupport.hpp"

namespace tandor::testing {
namespace {

struct Colour {
    double r = 0, g = 0, b = 0;
};

struct Shape {
    bool ellipse = true;
    double cx = 0, cy = 0, rx = 0, ry = 0;
    Colour colour;
    double stripes = 0;
};

struct Scene {
    Colour from, to;
    double gradientAngle = 0;
    double textureFrequency = 0, textureAmplitude = 0, texturePhase = 0;
    // The last shape is the subject, the one that moves between shots.
    std::vector<Shape> shapes;
};

struct ImageUnref {
    void operator()(VipsImage* image) const { g_object_unref(image); }
};
using ImagePtr = std::unique_ptr<VipsImage, ImageUnref>;

Colour randomColour(std::mt19937_64& random) {
    std::uniform_real_distribution<double> level(10, 245);
    return {level(random), level(random), level(random)};
}

Scene makeScene(std::uint64_t backgroundSeed, std::uint64_t sceneSeed) {
    Scene scene;
    std::mt19937_64 background(backgroundSeed * 0x9E3779B97F4A7C15ULL + 17);
    std::uniform_real_distribution<double> unit(0, 1);
    scene.from = randomColour(background);
    scene.to = randomColour(background);
    scene.gradientAngle = unit(background) * 2 * std::numbers::pi;
    scene.textureFrequency = 2 + unit(background) * 10;
    scene.textureAmplitude = 4 + unit(background) * 14;
    scene.texturePhase = unit(background) * 6;

    std::mt19937_64 random(sceneSeed * 0xC2B2AE3D27D4EB4FULL + 29);
    const int count = 3 + static_cast<int>(unit(random) * 4);
    for (int i = 0; i < count; ++i) {
        Shape shape;
        shape.ellipse = unit(random) < 0.5;
        shape.cx = 0.1 + unit(random) * 0.8;
        shape.cy = 0.1 + unit(random) * 0.8;
        shape.rx = 0.06 + unit(random) * 0.22;
        shape.ry = 0.06 + unit(random) * 0.22;
        shape.colour = randomColour(random);
        shape.stripes = unit(random) < 0.4 ? 4 + unit(random) * 20 : 0;
        scene.shapes.push_back(shape);
    }
    return scene;
}

bool inside(const Shape& shape, double x, double y) {
    const double dx = (x - shape.cx) / shape.rx;
    const double dy = (y - shape.cy) / shape.ry;
    return shape.ellipse ? dx * dx + dy * dy <= 1 : std::fabs(dx) <= 1 && std::fabs(dy) <= 1;
}

Colour sceneColour(const Scene& scene, double x, double y) {
    const double along = 0.5 + 0.5 * ((x - 0.5) * std::cos(scene.gradientAngle) +
                                      (y - 0.5) * std::sin(scene.gradientAngle));
    const double texture =
        scene.textureAmplitude *
        std::sin(2 * std::numbers::pi * scene.textureFrequency * x + scene.texturePhase) *
        std::sin(2 * std::numbers::pi * scene.textureFrequency * 0.7 * y);
    Colour colour{scene.from.r + (scene.to.r - scene.from.r) * along + texture,
                  scene.from.g + (scene.to.g - scene.from.g) * along + texture,
                  scene.from.b + (scene.to.b - scene.from.b) * along + texture};
    for (const auto& shape : scene.shapes) {
        if (inside(shape, x, y)) {
            const double shade =
                shape.stripes > 0 ? 0.8 + 0.2 * std::sin(2 * std::numbers::pi * shape.stripes * x)
                                  : 1;
            colour = {shape.colour.r * shade, shape.colour.g * shade, shape.colour.b * shade};
        }
    }
    return colour;
}

// A repeatable noise value in [-1, 1] for one pixel.
double pixelNoise(std::uint64_t seed, int x, int y) {
    constexpr std::uint64_t golden = 0x9E3779B97F4A7C15U;
    constexpr std::uint64_t mixA = 0xBF58476D1CE4E5B9U;
    constexpr std::uint64_t mixB = 0x94D049BB133111EBU;
    std::uint64_t z =
        seed + static_cast<std::uint64_t>(x) * golden + static_cast<std::uint64_t>(y) * mixA;
    z = (z ^ (z >> 30)) * mixA;
    z = (z ^ (z >> 27)) * mixB;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / static_cast<double>(1ULL << 52) - 1;
}

std::uint8_t toByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

std::vector<std::uint8_t> render(const PhotoSpec& spec) {
    auto scene = makeScene(spec.family != 0 ? spec.family : spec.scene + 1000003, spec.scene);
    const auto& v = spec.variation;
    scene.shapes.back().cx += v.subjectDX * (v.right - v.left);
    scene.shapes.back().cy += v.subjectDY * (v.bottom - v.top);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(spec.width) *
                                     static_cast<std::size_t>(spec.height) * 3);
    std::size_t at = 0;
    for (int row = 0; row < spec.height; ++row) {
        const double y = v.top + (v.bottom - v.top) * (row + 0.5) / spec.height;
        for (int column = 0; column < spec.width; ++column) {
            const double x = v.left + (v.right - v.left) * (column + 0.5) / spec.width;
            const auto colour = sceneColour(scene, x, y);
            const double noise = v.noise * pixelNoise(v.noiseSeed, column, row);
            pixels[at++] = toByte(colour.r * v.exposure + noise);
            pixels[at++] = toByte(colour.g * v.exposure + noise);
            pixels[at++] = toByte(colour.b * v.exposure + noise);
        }
    }
    return pixels;
}

void check(int result, const std::string& what) {
    if (result != 0) {
        const std::string message = what + ": " + vips_error_buffer();
        vips_error_clear();
        throw std::runtime_error(message);
    }
}

ImagePtr storedTurned(ImagePtr upright, int orientation) {
    if (orientation == 1) {
        return upright;
    }
    // The stored pixels are turned back against the turn the reader will apply.
    const VipsAngle angle = orientation == 6   ? VIPS_ANGLE_D270
                            : orientation == 8 ? VIPS_ANGLE_D90
                                               : VIPS_ANGLE_D180;
    VipsImage* turned = nullptr;
    check(vips_rot(upright.get(), &turned, angle, nullptr), "rot");
    ImagePtr result(turned);
    vips_image_set_int(result.get(), "orientation", orientation);
    return result;
}

void save(VipsImage* image, const std::string& path, const PhotoSpec& spec) {
    switch (spec.format) {
        case PhotoFormat::jpeg:
            check(vips_jpegsave(image, path.c_str(), "Q", spec.quality, nullptr), "jpegsave");
            return;
        case PhotoFormat::png:
            check(vips_pngsave(image, path.c_str(), nullptr), "pngsave");
            return;
        case PhotoFormat::webp:
            check(vips_webpsave(image, path.c_str(), "Q", spec.quality, nullptr), "webpsave");
            return;
        case PhotoFormat::heic:
            check(vips_heifsave(image, path.c_str(), "Q", spec.quality, "compression",
                                VIPS_FOREIGN_HEIF_COMPRESSION_HEVC, nullptr),
                  "heifsave");
            return;
    }
}

ShotVariation randomVariation(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    ShotVariation v;
    v.left = unit(random) * 0.05;
    v.top = unit(random) * 0.05;
    v.right = 1 - unit(random) * 0.05;
    v.bottom = 1 - unit(random) * 0.05;
    v.subjectDX = (unit(random) - 0.5) * 0.1;
    v.subjectDY = (unit(random) - 0.5) * 0.1;
    v.exposure = 0.9 + unit(random) * 0.2;
    v.noise = 1 + unit(random) * 4;
    v.noiseSeed = random();
    return v;
}

std::string bigEndian(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return ~crc;
}

std::string pngChunk(const std::string& type, const std::string& data) {
    const std::string typed = type + data;
    return bigEndian(static_cast<std::uint32_t>(data.size())) + typed + bigEndian(crc32(typed));
}

}  // namespace

void writePhoto(const std::string& path, const PhotoSpec& spec) {
    if (!vips::started()) {
        throw std::runtime_error("libvips did not start");
    }
    const auto pixels = render(spec);
    ImagePtr upright(vips_image_new_from_memory_copy(pixels.data(), pixels.size(), spec.width,
                                                     spec.height, 3, VIPS_FORMAT_UCHAR));
    if (!upright) {
        check(-1, "new_from_memory");
    }
    upright->Type = VIPS_INTERPRETATION_sRGB;
    auto stored = storedTurned(std::move(upright), spec.orientation);
    if (spec.exifDate) {
        vips_image_set_string(stored.get(), "exif-ifd2-DateTimeOriginal", spec.exifDate->c_str());
    }
    save(stored.get(), path, spec);
}

void writeGreyPhoto(const std::string& path, int width, int height,
                    const std::function<double(double x, double y)>& level) {
    if (!vips::started()) {
        throw std::runtime_error("libvips did not start");
    }
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            pixels.push_back(toByte(level((column + 0.5) / width, (row + 0.5) / height)));
        }
    }
    ImagePtr image(vips_image_new_from_memory_copy(pixels.data(), pixels.size(), width, height, 1,
                                                   VIPS_FORMAT_UCHAR));
    if (!image) {
        check(-1, "new_from_memory");
    }
    image->Type = VIPS_INTERPRETATION_B_W;
    check(vips_jpegsave(image.get(), path.c_str(), "Q", 90, nullptr), "jpegsave");
}

namespace {

struct TiffClose {
    void operator()(TIFF* file) const { TIFFClose(file); }
};

// The photo's pixels as 8-bit RGB, row by row.
std::vector<std::uint8_t> rgbPixels(VipsImage* photo) {
    VipsImage* converted = nullptr;
    check(vips_colourspace(photo, &converted, VIPS_INTERPRETATION_sRGB, nullptr), "colourspace");
    ImagePtr rgb(converted);
    std::size_t size = 0;
    std::unique_ptr<void, decltype(&g_free)> memory(vips_image_write_to_memory(rgb.get(), &size),
                                                    g_free);
    const auto* bytes = static_cast<const std::uint8_t*>(memory.get());
    return {bytes, bytes + size};
}

ImagePtr opened(const std::string& path) {
    ImagePtr photo(vips_image_new_from_file(path.c_str(), nullptr));
    if (!photo) {
        check(-1, "open " + path);
    }
    return photo;
}

std::string jpegBytes(VipsImage* photo) {
    void* buffer = nullptr;
    std::size_t length = 0;
    check(vips_jpegsave_buffer(photo, &buffer, &length, "Q", 90, "strip", TRUE, nullptr),
          "jpegsave_buffer");
    std::string bytes(static_cast<const char*>(buffer), length);
    g_free(buffer);
    return bytes;
}

// The DNG photometric interpretation of demosaiced sensor data; libtiff has
// no name for it.
constexpr std::uint16_t photometricLinearRaw = 34892;

void writeLinearImage(TIFF* file, int width, int height, const std::vector<std::uint8_t>& rgb,
                      const std::string& dateTime, bool withPreview) {
    static const std::uint8_t version[] = {1, 4, 0, 0};
    // From XYZ to linear sRGB: the sensor's values are the photo's own
    // colours, so that a raw converter renders them as the photo shows them.
    static const float xyzToLinearRGB[] = {3.2404542f,  -1.5371385f, -0.4985314f,
                                           -0.9692660f, 1.8760108f,  0.0415560f,
                                           0.0556434f,  -0.2040259f, 1.0572252f};
    static const float neutral[] = {1, 1, 1};
    TIFFSetField(file, TIFFTAG_SUBFILETYPE, 0);
    TIFFSetField(file, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(file, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(file, TIFFTAG_BITSPERSAMPLE, 16);
    TIFFSetField(file, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(file, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    TIFFSetField(file, TIFFTAG_PHOTOMETRIC, photometricLinearRaw);
    TIFFSetField(file, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(file, TIFFTAG_ROWSPERSTRIP, height);
    TIFFSetField(file, TIFFTAG_MAKE, "Tandor");
    TIFFSetField(file, TIFFTAG_MODEL, "Test Camera");
    TIFFSetField(file, TIFFTAG_DATETIME, dateTime.c_str());
    TIFFSetField(file, TIFFTAG_DNGVERSION, version);
    TIFFSetField(file, TIFFTAG_DNGBACKWARDVERSION, version);
    TIFFSetField(file, TIFFTAG_UNIQUECAMERAMODEL, "Tandor Test Camera");
    TIFFSetField(file, TIFFTAG_COLORMATRIX1, 9, xyzToLinearRGB);
    TIFFSetField(file, TIFFTAG_ASSHOTNEUTRAL, 3, neutral);
    if (withPreview) {
        static const toff_t placeholder[] = {0};
        TIFFSetField(file, TIFFTAG_SUBIFD, 1, placeholder);
    }
    // Linear light, as a sensor records it: the sRGB levels without their gamma.
    std::vector<std::uint16_t> linear(rgb.size());
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        linear[i] = static_cast<std::uint16_t>(std::lround(std::pow(rgb[i] / 255.0, 2.2) * 65535));
    }
    if (TIFFWriteEncodedStrip(file, 0, linear.data(),
                              static_cast<tmsize_t>(linear.size() * sizeof(std::uint16_t))) < 0 ||
        !TIFFWriteDirectory(file)) {
        throw std::runtime_error("cannot write the DNG's image");
    }
}

void writePreview(TIFF* file, VipsImage* photo) {
    const auto jpeg = jpegBytes(photo);
    ImagePtr header(vips_image_new_from_buffer(jpeg.data(), jpeg.size(), "", nullptr));
    if (!header) {
        check(-1, "preview header");
    }
    TIFFSetField(file, TIFFTAG_SUBFILETYPE, FILETYPE_REDUCEDIMAGE);
    TIFFSetField(file, TIFFTAG_IMAGEWIDTH, header->Xsize);
    TIFFSetField(file, TIFFTAG_IMAGELENGTH, header->Ysize);
    TIFFSetField(file, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(file, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(file, TIFFTAG_COMPRESSION, COMPRESSION_JPEG);
    TIFFSetField(file, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_YCBCR);
    TIFFSetField(file, TIFFTAG_ROWSPERSTRIP, header->Ysize);
    // The whole JPEG file as the one strip, written as it stands.
    if (TIFFWriteRawStrip(file, 0, const_cast<char*>(jpeg.data()),
                          static_cast<tmsize_t>(jpeg.size())) < 0 ||
        !TIFFWriteDirectory(file)) {
        throw std::runtime_error("cannot write the DNG's preview");
    }
}

}  // namespace

void writeDNG(const std::string& path, const std::string& image, const std::string& preview,
              const std::string& dateTime) {
    if (!vips::started()) {
        throw std::runtime_error("libvips did not start");
    }
    const auto photo = opened(image);
    const std::unique_ptr<TIFF, TiffClose> file(TIFFOpen(path.c_str(), "w"));
    if (!file) {
        throw std::runtime_error("cannot create " + path);
    }
    writeLinearImage(file.get(), photo->Xsize, photo->Ysize, rgbPixels(photo.get()), dateTime,
                     !preview.empty());
    if (!preview.empty()) {
        writePreview(file.get(), opened(preview).get());
    }
}

std::vector<LabelledPhoto> writeLabelledSet(const std::string& folder,
                                            const LabelledSetOptions& options) {
    std::mt19937_64 random(options.seed);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<LabelledPhoto> photos;
    for (int family = 1; family <= options.families; ++family) {
        for (int member = 0; member < options.scenesPerFamily; ++member) {
            const auto scene =
                options.seed * 1000 + static_cast<std::uint64_t>(family * 100 + member);
            for (int shot = 0; shot < options.shotsPerScene; ++shot) {
                PhotoSpec spec;
                spec.scene = scene;
                spec.family = options.seed * 1000 + static_cast<std::uint64_t>(family);
                spec.variation = randomVariation(random);
                const double scale = 0.6 + unit(random) * 0.4;
                const auto& v = spec.variation;
                spec.width =
                    std::max(16, static_cast<int>(options.width * scale * (v.right - v.left)));
                spec.height =
                    std::max(16, static_cast<int>(options.height * scale * (v.bottom - v.top)));
                spec.quality = 60 + static_cast<int>(unit(random) * 35);
                const double kind = unit(random);
                spec.format = kind < 0.7    ? PhotoFormat::jpeg
                              : kind < 0.85 ? PhotoFormat::png
                                            : PhotoFormat::webp;
                const char* extension = spec.format == PhotoFormat::jpeg  ? ".jpg"
                                        : spec.format == PhotoFormat::png ? ".png"
                                                                          : ".webp";
                LabelledPhoto photo{folder + "/scene" + std::to_string(scene) + "-shot" +
                                        std::to_string(shot) + extension,
                                    scene};
                writePhoto(photo.path, spec);
                photos.push_back(std::move(photo));
            }
        }
    }
    return photos;
}

PairScore scorePairs(
    const std::vector<LabelledPhoto>& photos, float threshold,
    const std::function<std::optional<float>(std::size_t, std::size_t)>& distance) {
    PairScore score;
    for (std::size_t i = 0; i < photos.size(); ++i) {
        for (std::size_t j = i + 1; j < photos.size(); ++j) {
            const auto measured = distance(i, j);
            const bool predicted = measured && *measured <= threshold;
            const bool alike = photos[i].scene == photos[j].scene;
            score.truePositives += predicted && alike ? 1 : 0;
            score.falsePositives += predicted && !alike ? 1 : 0;
            score.falseNegatives += !predicted && alike ? 1 : 0;
        }
    }
    const auto ratio = [](int part, int whole) {
        return whole == 0 ? 1.0 : static_cast<double>(part) / whole;
    };
    score.precision = ratio(score.truePositives, score.truePositives + score.falsePositives);
    score.recall = ratio(score.truePositives, score.truePositives + score.falseNegatives);
    return score;
}

std::string claimedPNG(std::uint32_t side) {
    const std::string interlacedRGB("\x08\x02\x00\x00\x01", 5);
    const std::string emptyStream("\x78\x9C\x03\x00\x00\x00\x00\x01", 8);
    return std::string("\x89PNG\r\n\x1A\n", 8) +
           pngChunk("IHDR", bigEndian(side) + bigEndian(side) + interlacedRGB) +
           pngChunk("IDAT", emptyStream) + pngChunk("IEND", "");
}

std::string claimedJPEG(std::string jpeg, std::uint16_t side) {
    const auto frame = jpeg.find("\xFF\xC0");
    if (frame == std::string::npos) {
        throw std::runtime_error("no start of frame");
    }
    for (const std::size_t offset : {std::size_t{5}, std::size_t{7}}) {
        jpeg[frame + offset] = static_cast<char>(side >> 8);
        jpeg[frame + offset + 1] = static_cast<char>(side & 0xFF);
    }
    return jpeg;
}

}  // namespace tandor::testing
