// The analysis of one photo file, done with libvips.

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <unordered_set>

#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/OpenWithoutAccessTime.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"
#include "TandorDuplicates/ExifDate.hpp"
#include "TandorDuplicates/RawPhoto.hpp"
#include "TandorDuplicates/SimilarPhotoFinder.hpp"
#include "TandorDuplicates/VipsSupport.hpp"

namespace tandor {
namespace {

using Code = SimilarPhotoFinder::PhotoError::Code;

constexpr int thumbnailSide = 512;

using vips::Image;
using vips::Source;

[[noreturn]] void fail(Code code) {
    vips_error_clear();
    throw SimilarPhotoFinder::PhotoError(code);
}

// Camera raw files: libvips here has no raw decoder, and what its TIFF loader
// would show of most of them is the small preview embedded by the camera, not
// the photo; LibRaw reads them instead.
bool isCameraRaw(const std::string& path) {
    static const std::unordered_set<std::string> raw{"dng", "cr2", "cr3", "nef",
                                                     "arw", "raf", "orf", "rw2"};
    return raw.contains(unicode::lowercased(paths::extension(path)));
}

Source sourceFor(int descriptor) {
    Source source(vips_source_new_from_descriptor(descriptor));
    if (!source) {
        fail(Code::unreadable);
    }
    return source;
}

// The photo's header, read without decoding any pixel.
Image headerOf(VipsSource* source) {
    Image header(vips_image_new_from_source(source, "", "access", VIPS_ACCESS_SEQUENTIAL, "fail_on",
                                            VIPS_FAIL_ON_TRUNCATED, nullptr));
    if (!header || vips::claimsTooManyPixels(header.get())) {
        fail(Code::unreadable);
    }
    return header;
}

// The image to scale down. A JPEG is decoded at the smallest of 1/1, 1/2, 1/4
// or 1/8 of its size that still keeps half the thumbnail's side: the reduced
// decode reads the whole image, never its embedded preview, and costs a third
// less than one that keeps the full side. Other formats are decoded at full
// size (libvips would take the preview a HEIF file carries).
Image decodable(const Image& header, VipsSource* source) {
    const char* loader = nullptr;
    if (vips_image_get_string(header.get(), "vips-loader", &loader) != 0 ||
        std::string_view(loader) != "jpegload_source") {
        vips_error_clear();
        return Image(static_cast<VipsImage*>(g_object_ref(header.get())));
    }
    const int longer =
        std::max(vips_image_get_width(header.get()), vips_image_get_height(header.get()));
    int shrink = 1;
    while (shrink < 8 && longer / (shrink * 2) >= thumbnailSide / 2) {
        shrink *= 2;
    }
    VipsImage* image = nullptr;
    if (vips_jpegload_source(source, &image, "shrink", shrink, "access", VIPS_ACCESS_SEQUENTIAL,
                             "fail_on", VIPS_FAIL_ON_TRUNCATED, nullptr) != 0) {
        fail(Code::unreadable);
    }
    return Image(image);
}

// Decodes the oriented thumbnail, at most thumbnailSide on its longer side,
// into memory at once.
Image thumbnailOf(const Image& image) {
    VipsImage* scaled = nullptr;
    if (vips_thumbnail_image(image.get(), &scaled, thumbnailSide, "size", VIPS_SIZE_DOWN,
                             nullptr) != 0) {
        fail(Code::unreadable);
    }
    const Image lazy(scaled);
    Image decoded(vips_image_copy_memory(lazy.get()));
    if (!decoded) {
        fail(Code::unreadable);
    }
    return decoded;
}

Image apply(Image image, int (*operation)(VipsImage*, VipsImage**, ...)) {
    VipsImage* out = nullptr;
    if (operation(image.get(), &out, nullptr) != 0) {
        fail(Code::noFeaturePrint);
    }
    return Image(out);
}

// The thumbnail as three 8-bit sRGB bands, without transparency.
Image plainRGB(Image thumbnail) {
    VipsImage* converted = nullptr;
    if (vips_colourspace(thumbnail.get(), &converted, VIPS_INTERPRETATION_sRGB, nullptr) != 0) {
        fail(Code::noFeaturePrint);
    }
    Image image(converted);
    if (vips_image_hasalpha(image.get())) {
        image = apply(std::move(image), vips_flatten);
    }
    VipsImage* bands = nullptr;
    if (vips_extract_band(image.get(), &bands, 0, "n", 3, nullptr) != 0) {
        fail(Code::noFeaturePrint);
    }
    return apply(Image(bands), vips_cast_uchar);
}

FeaturePrint featurePrintOf(Image thumbnail) {
    const auto rgb = plainRGB(std::move(thumbnail));
    VipsImage* scaled = nullptr;
    if (vips_thumbnail_image(rgb.get(), &scaled, FeaturePrint::gridSide, "height",
                             FeaturePrint::gridSide, "size", VIPS_SIZE_FORCE, "no_rotate", TRUE,
                             nullptr) != 0) {
        fail(Code::noFeaturePrint);
    }
    const Image grid(scaled);
    std::size_t size = 0;
    std::unique_ptr<void, decltype(&g_free)> pixels(vips_image_write_to_memory(grid.get(), &size),
                                                    g_free);
    constexpr auto expected =
        static_cast<std::size_t>(FeaturePrint::gridSide * FeaturePrint::gridSide * 3);
    if (!pixels || size != expected || vips_image_get_bands(grid.get()) != 3) {
        fail(Code::noFeaturePrint);
    }
    return FeaturePrint::fromGrid({static_cast<const std::uint8_t*>(pixels.get()), size});
}

std::optional<Date> exifDateOf(VipsImage* header) {
    const char* text = nullptr;
    if (vips_image_get_typeof(header, "exif-ifd2-DateTimeOriginal") == 0 ||
        vips_image_get_string(header, "exif-ifd2-DateTimeOriginal", &text) != 0) {
        vips_error_clear();
        return std::nullopt;
    }
    return parseExifDate(text);
}

std::optional<Date> dateOf(const timespec& time) {
    using std::chrono::duration_cast;
    using std::chrono::seconds;
    constexpr auto latest = duration_cast<seconds>(Date::duration::max()).count() - 1;
    if (time.tv_sec < -latest || time.tv_sec > latest) {
        return std::nullopt;
    }
    return Date{duration_cast<Date::duration>(seconds{time.tv_sec}) +
                duration_cast<Date::duration>(std::chrono::nanoseconds{time.tv_nsec})};
}

// Raw files are read whole into memory for LibRaw; larger ones are not
// photos a camera writes.
constexpr off_t largestRawFile = 1'000'000'000;

std::vector<std::uint8_t> contentsOf(int descriptor, off_t size) {
    if (size > largestRawFile) {
        fail(Code::unreadable);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const auto count = ::read(descriptor, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            fail(Code::unreadable);
        }
        filled += static_cast<std::size_t>(count);
    }
    return bytes;
}

std::int64_t allocatedBytes(const struct stat& facts) {
    constexpr std::int64_t blockSize = 512;
    const auto blocks = static_cast<std::int64_t>(facts.st_blocks);
    if (blocks < 0) {
        return 0;
    }
    return blocks > std::numeric_limits<std::int64_t>::max() / blockSize
               ? std::numeric_limits<std::int64_t>::max()
               : blocks * blockSize;
}

}  // namespace

SimilarPhotoFinder::PhotoError::PhotoError(Code code)
    : std::runtime_error(code == Code::unreadable ? "The photo cannot be read"
                                                  : "The photo yields no feature print"),
      code_(code) {
}

namespace {

// The record and print of a photo whose thumbnail is decoded; the capture date
// falls back on the modification date.
SimilarPhotoFinder::Analyzed analyzed(const std::string& path, const struct stat& facts,
                                      Image thumbnail, std::optional<Date> captureDate, int width,
                                      int height) {
    auto print = std::make_shared<const FeaturePrint>(featurePrintOf(std::move(thumbnail)));
    if (!captureDate) {
        captureDate = dateOf(facts.st_mtim);
    }
    SimilarPhoto photo{
        path,   allocatedBytes(facts), captureDate.value_or(SimilarPhoto::distantPast), width,
        height, std::nullopt};
    return {std::move(photo), std::move(print)};
}

SimilarPhotoFinder::Analyzed analyzedRaw(const std::string& path, int descriptor,
                                         const struct stat& facts) {
    const auto bytes = contentsOf(descriptor, facts.st_size);
    auto raw = RawPhoto::read(bytes, thumbnailSide);
    if (!raw) {
        fail(Code::unreadable);
    }
    return analyzed(path, facts, thumbnailOf(raw->image), raw->captureDate, raw->width,
                    raw->height);
}

}  // namespace

SimilarPhotoFinder::Analyzed SimilarPhotoFinder::analyze(const std::string& path) {
    if (!vips::started()) {
        fail(Code::unreadable);
    }
    // Non-blocking, so that a pipe with a photo's name cannot stall the search.
    const FileDescriptor file(
        openWithoutAccessTime(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat facts {};
    // libvips aborts the process on an empty source, so an empty file never
    // reaches it.
    if (file.get() < 0 || ::fstat(file.get(), &facts) != 0 || !S_ISREG(facts.st_mode) ||
        facts.st_size == 0) {
        fail(Code::unreadable);
    }
    if (isCameraRaw(path)) {
        return analyzedRaw(path, file.get(), facts);
    }
    // One source serves both loads, as libvips rewinds it for the second.
    const auto source = sourceFor(file.get());
    const auto header = headerOf(source.get());
    return analyzed(path, facts, thumbnailOf(decodable(header, source.get())),
                    exifDateOf(header.get()), vips_image_get_width(header.get()),
                    vips_image_get_height(header.get()));
}

std::optional<float> SimilarPhotoFinder::distance(const FeaturePrint& a, const FeaturePrint& b) {
    return FeaturePrint::distance(a, b);
}

float SimilarPhotoFinder::distanceBetween(const std::string& a, const std::string& b) {
    const auto first = analyze(a);
    const auto second = analyze(b);
    const auto measured = distance(*first.print, *second.print);
    if (!measured) {
        throw PhotoError(Code::noFeaturePrint);
    }
    return *measured;
}

}  // namespace tandor
