#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tandor {

// A picture of an image file to show on screen: oriented upright, scaled down
// to fit a box, as 8-bit RGBA rows with straight alpha.
struct ImageThumbnail {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    // Decodes the image at path to fit within maxWidth × maxHeight (never
    // scaled up), or nothing when it is not a regular file that libvips reads
    // safely: links are not followed, pipes and devices are refused without
    // blocking, damaged and oversized images are refused. Safe to call from
    // several threads at once; it never starts another program.
    static std::optional<ImageThumbnail> decode(const std::string& path, int maxWidth,
                                                int maxHeight);
};

}  // namespace tandor
