#pragma once

// Camera raw files, read with LibRaw: libvips here has no raw loader. Only this
// module's sources include it.

#include <cstdint>
#include <optional>
#include <span>

#include "TandorCore/Date.hpp"
#include "TandorDuplicates/VipsSupport.hpp"

namespace tandor {

struct RawPhoto {
    // The size of the camera's image, as stored (before any turn).
    int width = 0;
    int height = 0;
    // The capture time the camera recorded, read as local time.
    std::optional<Date> captureDate;
    // The photo upright, in memory: the preview the camera embedded when its
    // longer side has at least the wanted pixels, else a half-size decode.
    vips::Image image;

    // Reads the raw file held in bytes. Nothing when LibRaw cannot read it,
    // when it claims more than vips::maxPixelCount pixels, or when neither a
    // preview nor a decode comes out of it.
    static std::optional<RawPhoto> read(std::span<const std::uint8_t> bytes, int wantedSide);
};

}  // namespace tandor
