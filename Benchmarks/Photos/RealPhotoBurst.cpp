#include "RealPhotoBurst.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <vips/vips.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <random>
#include <stdexcept>

namespace tandor::benchmarks {
namespace {

struct ImageUnref {
    void operator()(VipsImage* image) const { g_object_unref(image); }
};
using Image = std::unique_ptr<VipsImage, ImageUnref>;

// The longer side of each scene before its shots are made: a common size for
// a phone's photo once the sources are brought to one scale.
constexpr int masterSide = 1600;

// 2024-05-01 10:00 UTC, the start of the burst; it lasts 20 minutes.
constexpr time_t burstStart = 1'714'557'600;
constexpr double burstSeconds = 1200;

void check(bool succeeded, const std::string& what) {
    if (!succeeded) {
        const std::string message = vips_error_buffer();
        vips_error_clear();
        throw std::runtime_error(what + ": " + message);
    }
}

Image checked(VipsImage* image, int status, const std::string& what) {
    check(status == 0 && image != nullptr, what);
    return Image(image);
}

Image load(const std::string& path) {
    Image image(vips_image_new_from_file(path.c_str(), nullptr));
    check(image != nullptr, "cannot read " + path + " (is its package installed?)");
    if (vips_image_hasalpha(image.get())) {
        VipsImage* flat = nullptr;
        image = checked(flat, vips_flatten(image.get(), &flat, nullptr), "flatten");
    }
    const int longer = std::max(image->Xsize, image->Ysize);
    VipsImage* resized = nullptr;
    const int status =
        vips_resize(image.get(), &resized, static_cast<double>(masterSide) / longer, nullptr);
    return checked(resized, status, "resize");
}

Image area(const Image& image, double left, double top, double width, double height) {
    VipsImage* out = nullptr;
    const int status =
        vips_extract_area(image.get(), &out, static_cast<int>(std::lround(left * image->Xsize)),
                          static_cast<int>(std::lround(top * image->Ysize)),
                          static_cast<int>(std::lround(width * image->Xsize)),
                          static_cast<int>(std::lround(height * image->Ysize)), nullptr);
    return checked(out, status, "extract_area");
}

Image scaled(const Image& image, double factor) {
    VipsImage* out = nullptr;
    return checked(out, vips_resize(image.get(), &out, factor, nullptr), "resize");
}

Image brighter(const Image& image, double factor) {
    VipsImage* linear = nullptr;
    const auto lit =
        checked(linear, vips_linear1(image.get(), &linear, factor, 0.0, nullptr), "linear");
    VipsImage* out = nullptr;
    return checked(out, vips_cast_uchar(lit.get(), &out, nullptr), "cast");
}

// Turned about its centre, then cropped to 94 % so that no corner of the
// turned frame shows.
Image turned(const Image& image, double degrees) {
    VipsImage* rotated = nullptr;
    const auto whole =
        checked(rotated, vips_rotate(image.get(), &rotated, degrees, nullptr), "rotate");
    const double width = 0.94 * image->Xsize / whole->Xsize;
    const double height = 0.94 * image->Ysize / whole->Ysize;
    return area(whole, (1 - width) / 2, (1 - height) / 2, width, height);
}

void saveJPEG(const Image& image, const std::string& path, int quality) {
    check(vips_jpegsave(image.get(), path.c_str(), "Q", quality, "strip", TRUE, nullptr) == 0,
          "jpegsave " + path);
}

void setModificationTime(const std::string& path, time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) {
        throw std::runtime_error("cannot date " + path);
    }
}

// The seven shots of one scene, its frame 97 % of the source's width so that
// the panned shot can show the 3 % beside it.
void writeShots(const std::string& source, const std::string& stem) {
    const auto whole = load(source);
    const auto shot = area(whole, 0, 0, 0.97, 1);
    saveJPEG(shot, stem + "-0.jpg", 90);
    saveJPEG(shot, stem + "-1.jpg", 60);
    saveJPEG(scaled(shot, 0.5), stem + "-2.jpg", 90);
    saveJPEG(area(shot, 0.02, 0.02, 0.96, 0.96), stem + "-3.jpg", 90);
    saveJPEG(brighter(shot, 1.08), stem + "-4.jpg", 90);
    saveJPEG(turned(shot, 1.5), stem + "-5.jpg", 90);
    saveJPEG(area(whole, 0.03, 0, 0.97, 1), stem + "-6.jpg", 90);
}

// Different scenes of one kind, which a looser print or a chaining grouper
// takes for one: mountains, forests and woods, coasts and still water, in
// colour and in grey.
void appendLookAlikeScenes(std::vector<RealScene>& scenes) {
    const std::string backgrounds = "/usr/share/backgrounds/";
    const std::string wallpapers = "/usr/share/wallpapers/";
    for (const char* name :
         {"aitzgorri_by_Aitzol_Berasategi.jpg", "picosdeeuropa_by_Aitzol_Berasategi.jpg",
          "sunset_by_Aitzol_Berasategi.jpg", "life_by_Aitzol_Berasategi.jpg",
          "Kleiber_by_Lukas_Baubkus.jpg", "Dragonfly_by_Bolly.jpg",
          "Bridge_by_Sander_Klootwijk.jpg", "seeding_by_Clements_Engelhardt.jpg"}) {
        scenes.push_back({backgrounds + name, false});
    }
    for (const char* name :
         {"EveningGlow/contents/images/2560x1600.jpg", "Path/contents/images/2560x1600.jpg",
          "OneStandsOut/contents/images/2560x1600.jpg", "BytheWater/contents/images/2560x1600.jpg",
          "DarkestHour/contents/images/2560x1600.jpg", "Volna/contents/images/5120x2880.jpg",
          "FallenLeaf/contents/images/2560x1600.jpg"}) {
        scenes.push_back({wallpapers + name, false});
    }
    for (const char* name :
         {"ColdRipple/contents/images/2560x1600.jpg", "Grey/contents/images/2560x1600.jpg"}) {
        scenes.push_back({wallpapers + name, true});
    }
}

}  // namespace

std::vector<RealScene> realScenes() {
    const std::string library = "/usr/lib/python3/dist-packages/skimage/data/";
    const std::string mate = "/usr/share/backgrounds/mate/";
    const std::string gnome = "/usr/share/backgrounds/gnome/";
    std::vector<RealScene> scenes;
    for (const char* name : {"brick.png", "camera.png", "cell.png", "clock_motion.png", "coins.png",
                             "grass.png", "gravel.png", "moon.png", "page.png", "text.png"}) {
        scenes.push_back({library + name, true});
    }
    scenes.push_back({mate + "nature/Wood.jpg", true});
    for (const char* name : {"astronaut.png", "chelsea.png", "coffee.png", "hubble_deep_field.jpg",
                             "ihc.png", "motorcycle_left.png", "retina.jpg", "rocket.jpg"}) {
        scenes.push_back({library + name, false});
    }
    for (const char* name :
         {"nature/Aqua.jpg", "nature/Blinds.jpg", "nature/Dune.jpg", "nature/FreshFlower.jpg",
          "nature/Garden.jpg", "nature/GreenMeadow.jpg", "nature/LadyBird.jpg",
          "nature/RainDrops.jpg", "nature/Storm.jpg", "nature/TwoWings.jpg",
          "nature/YellowFlower.jpg", "desktop/GreenTraditional.jpg",
          "desktop/Ubuntu-Mate-Warm-no-logo.png"}) {
        scenes.push_back({mate + name, false});
    }
    for (const char* name : {"wood-l.webp", "grid-l.webp"}) {
        scenes.push_back({gnome + name, false});
    }
    appendLookAlikeScenes(scenes);
    return scenes;
}

std::vector<RealPhoto> writeRealBurst(const std::string& folder,
                                      const std::vector<RealScene>& scenes) {
    constexpr int shots = 7;
    std::vector<RealPhoto> photos;
    for (std::size_t scene = 0; scene < scenes.size(); ++scene) {
        const auto stem = folder + "/scene" + std::to_string(scene);
        writeShots(scenes[scene].source, stem);
        for (int shot = 0; shot < shots; ++shot) {
            photos.push_back({{stem + "-" + std::to_string(shot) + ".jpg", scene + 1},
                              scenes[scene].colourless});
        }
    }
    std::vector<std::size_t> order(photos.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937_64(11));
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const double offset = burstSeconds * static_cast<double>(rank) /
                              static_cast<double>(std::max<std::size_t>(order.size() - 1, 1));
        setModificationTime(photos[order[rank]].labelled.path,
                            burstStart + static_cast<time_t>(offset));
    }
    return photos;
}

}  // namespace tandor::benchmarks
