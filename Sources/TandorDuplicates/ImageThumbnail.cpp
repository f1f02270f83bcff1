#include "TandorDuplicates/ImageThumbnail.hpp"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>

#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/OpenWithoutAccessTime.hpp"
#include "TandorDuplicates/VipsSupport.hpp"

namespace tandor {
namespace {

using vips::Image;
using vips::Source;

FileDescriptor openRegularFile(const std::string& path) {
    FileDescriptor file(
        openWithoutAccessTime(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW));
    struct stat facts {};
    // libvips aborts the process on an empty source, so an empty file never
    // reaches it.
    if (file.get() < 0 || ::fstat(file.get(), &facts) != 0 || !S_ISREG(facts.st_mode) ||
        facts.st_size == 0) {
        return FileDescriptor();
    }
    return file;
}

Image chained(Image image, int (*operation)(VipsImage*, VipsImage**, ...)) {
    VipsImage* out = nullptr;
    if (!image || operation(image.get(), &out, nullptr) != 0) {
        return Image();
    }
    return Image(out);
}

Image inSRGB(Image image) {
    VipsImage* out = nullptr;
    if (!image || vips_colourspace(image.get(), &out, VIPS_INTERPRETATION_sRGB, nullptr) != 0) {
        return Image();
    }
    return Image(out);
}

// Four bands: the colour and its alpha, opaque where the image has none.
Image withAlpha(Image image) {
    if (!image || vips_image_hasalpha(image.get())) {
        return image;
    }
    VipsImage* out = nullptr;
    if (vips_bandjoin_const1(image.get(), &out, 255.0, nullptr) != 0) {
        return Image();
    }
    return Image(out);
}

Image scaledToFit(VipsSource* source, int maxWidth, int maxHeight) {
    VipsImage* scaled = nullptr;
    if (vips_thumbnail_source(source, &scaled, maxWidth, "height", maxHeight, "size",
                              VIPS_SIZE_DOWN, "option_string", "fail_on=truncated", nullptr) != 0) {
        return Image();
    }
    return Image(scaled);
}

std::optional<ImageThumbnail> pixelsOf(const Image& image) {
    if (!image || vips_image_get_bands(image.get()) != 4) {
        return std::nullopt;
    }
    ImageThumbnail thumbnail;
    thumbnail.width = vips_image_get_width(image.get());
    thumbnail.height = vips_image_get_height(image.get());
    std::size_t size = 0;
    const std::unique_ptr<void, decltype(&g_free)> pixels(
        vips_image_write_to_memory(image.get(), &size), g_free);
    if (!pixels || size != static_cast<std::size_t>(thumbnail.width) *
                               static_cast<std::size_t>(thumbnail.height) * 4) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(pixels.get());
    thumbnail.rgba.assign(bytes, bytes + size);
    return thumbnail;
}

}  // namespace

std::optional<ImageThumbnail> ImageThumbnail::decode(const std::string& path, int maxWidth,
                                                     int maxHeight) {
    if (maxWidth <= 0 || maxHeight <= 0 || !vips::started()) {
        return std::nullopt;
    }
    const auto file = openRegularFile(path);
    if (file.get() < 0) {
        return std::nullopt;
    }
    const Source source(vips_source_new_from_descriptor(file.get()));
    // The header first, so that a forged size is refused before any decoding.
    const Image header(source ? vips_image_new_from_source(source.get(), "", nullptr) : nullptr);
    if (!header || vips::claimsTooManyPixels(header.get())) {
        vips_error_clear();
        return std::nullopt;
    }
    auto thumbnail = pixelsOf(chained(
        withAlpha(inSRGB(scaledToFit(source.get(), maxWidth, maxHeight))), vips_cast_uchar));
    vips_error_clear();
    return thumbnail;
}

}  // namespace tandor
