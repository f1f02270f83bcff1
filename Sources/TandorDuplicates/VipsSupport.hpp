#pragma once

// libvips as this module uses it: started once for the process, with owning
// pointers for its objects. Only this module's sources include it.

#include <vips/vips.h>

#include <cstdint>
#include <memory>

namespace tandor::vips {

struct ObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};
using Image = std::unique_ptr<VipsImage, ObjectUnref>;
using Source = std::unique_ptr<VipsSource, ObjectUnref>;

// The largest camera sensors make about 150 megapixels. A larger claim is a
// stitched panorama or a forged header, and decoding time (and for some
// formats memory) grows with the pixel count, so such an image is not read.
constexpr std::int64_t maxPixelCount = 200'000'000;

// Starts libvips once for the process; false when it cannot start.
bool started();

bool claimsTooManyPixels(VipsImage* header);

}  // namespace tandor::vips
