#include "TandorDuplicates/RawPhoto.hpp"

#include <libraw/libraw.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace tandor {
namespace {

using vips::Image;

// LibRaw prints read errors of damaged files to stderr by default; such a file
// is reported as unreadable instead.
void ignoreDataError(void*, const char*, const int) {
}

// LibRaw's turn codes: 3 upside down, 5 a quarter turn to the left, 6 to the
// right; anything else is upright.
Image upright(Image image, int flip) {
    const VipsAngle angle = flip == 3   ? VIPS_ANGLE_D180
                            : flip == 5 ? VIPS_ANGLE_D270
                            : flip == 6 ? VIPS_ANGLE_D90
                                        : VIPS_ANGLE_D0;
    if (angle == VIPS_ANGLE_D0) {
        return image;
    }
    VipsImage* turned = nullptr;
    if (vips_rot(image.get(), &turned, angle, nullptr) != 0) {
        return {};
    }
    return Image(turned);
}

// The decoded pixels, copied out of LibRaw's buffers.
Image inMemory(Image image) {
    if (!image) {
        return {};
    }
    return Image(vips_image_copy_memory(image.get()));
}

// The embedded JPEG preview, shrunk while it is decoded to no less than
// wantedSide on its longer side; nothing when there is none or it is smaller.
Image preview(LibRaw& raw, int wantedSide) {
    if (raw.unpack_thumb() != LIBRAW_SUCCESS) {
        return {};
    }
    const auto& thumbnail = raw.imgdata.thumbnail;
    if (thumbnail.tformat != LIBRAW_THUMBNAIL_JPEG || thumbnail.thumb == nullptr ||
        thumbnail.tlength == 0) {
        return {};
    }
    Image header(vips_image_new_from_buffer(thumbnail.thumb, thumbnail.tlength, "", nullptr));
    if (!header || std::max(vips_image_get_width(header.get()),
                            vips_image_get_height(header.get())) < wantedSide) {
        return {};
    }
    VipsImage* shrunk = nullptr;
    if (vips_thumbnail_buffer(thumbnail.thumb, thumbnail.tlength, &shrunk, wantedSide, "size",
                              VIPS_SIZE_DOWN, nullptr) != 0) {
        return {};
    }
    return inMemory(upright(Image(shrunk), raw.imgdata.sizes.flip));
}

struct ProcessedImageFree {
    void operator()(libraw_processed_image_t* image) const { LibRaw::dcraw_clear_mem(image); }
};

// The photo developed at half size (no demosaicing), upright, 8-bit RGB.
Image halfSizeDecode(LibRaw& raw) {
    raw.imgdata.params.half_size = 1;
    if (raw.unpack() != LIBRAW_SUCCESS || raw.dcraw_process() != LIBRAW_SUCCESS) {
        return {};
    }
    int status = LIBRAW_SUCCESS;
    const std::unique_ptr<libraw_processed_image_t, ProcessedImageFree> developed(
        raw.dcraw_make_mem_image(&status));
    if (!developed || status != LIBRAW_SUCCESS || developed->type != LIBRAW_IMAGE_BITMAP ||
        developed->colors != 3 || developed->bits != 8) {
        return {};
    }
    Image image(vips_image_new_from_memory_copy(developed->data, developed->data_size,
                                                developed->width, developed->height, 3,
                                                VIPS_FORMAT_UCHAR));
    if (image) {
        image->Type = VIPS_INTERPRETATION_sRGB;
    }
    return image;
}

std::optional<Date> captureDateOf(const LibRaw& raw) {
    const auto seconds = raw.imgdata.other.timestamp;
    if (seconds <= 0) {
        return std::nullopt;
    }
    return Date{std::chrono::seconds{seconds}};
}

}  // namespace

std::optional<RawPhoto> RawPhoto::read(std::span<const std::uint8_t> bytes, int wantedSide) {
    // LibRaw's state is large; it lives on the heap, one per photo.
    const auto raw = std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE);
    raw->set_dataerror_handler(ignoreDataError, nullptr);
    // LibRaw only reads the buffer, though its signature does not say so.
    if (raw->open_buffer(const_cast<std::uint8_t*>(bytes.data()), bytes.size()) != LIBRAW_SUCCESS) {
        return std::nullopt;
    }
    const auto& sizes = raw->imgdata.sizes;
    const std::int64_t pixels = std::int64_t{sizes.raw_width} * sizes.raw_height;
    if (sizes.width == 0 || sizes.height == 0 || pixels > vips::maxPixelCount) {
        return std::nullopt;
    }
    RawPhoto photo{sizes.width, sizes.height, captureDateOf(*raw), preview(*raw, wantedSide)};
    if (!photo.image) {
        photo.image = halfSizeDecode(*raw);
    }
    vips_error_clear();
    if (!photo.image) {
        return std::nullopt;
    }
    return photo;
}

}  // namespace tandor
