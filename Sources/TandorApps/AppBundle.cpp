#include "TandorApps/AppBundle.hpp"

#include <plist/plist.h>
#include <sys/stat.h>

#include <memory>

#include "TandorApps/AppImageFile.hpp"
#include "TandorCore/SmallFile.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

// Real property lists of applications are a few kilobytes; anything this large
// is not one and is not read into memory.
constexpr std::size_t maximumPropertyListSize = 8 * 1024 * 1024;

struct PlistDeleter {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPointer = std::unique_ptr<void, PlistDeleter>;

// The top-level dictionary of an XML or binary property list.
PlistPointer dictionary(const std::string& contents) {
    if (contents.empty()) {
        return nullptr;
    }
    plist_t root = nullptr;
    plist_from_memory(contents.data(), static_cast<std::uint32_t>(contents.size()), &root);
    PlistPointer owned(root);
    if (root == nullptr || plist_get_node_type(root) != PLIST_DICT) {
        return nullptr;
    }
    return owned;
}

std::optional<std::string> text(const PlistPointer& dictionary, const char* key) {
    const plist_t node = plist_dict_get_item(static_cast<plist_t>(dictionary.get()), key);
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING) {
        return std::nullopt;
    }
    std::uint64_t length = 0;
    const char* characters = plist_get_string_ptr(node, &length);
    if (characters == nullptr) {
        return std::string();
    }
    return std::string(characters, static_cast<std::size_t>(length));
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

std::optional<AppBundle> AppBundle::read(const std::string& path) {
    if (!path.ends_with(".app")) {
        return std::nullopt;
    }
    const auto contents =
        smallFile(paths::join(path, "Contents/Info.plist"), maximumPropertyListSize);
    if (!contents) {
        return std::nullopt;
    }
    const auto keys = dictionary(*contents);
    if (!keys) {
        return std::nullopt;
    }
    auto bundleID = text(keys, "CFBundleIdentifier");
    if (!bundleID || bundleID->empty()) {
        return std::nullopt;
    }
    auto name = text(keys, "CFBundleDisplayName");
    if (!name) {
        name = text(keys, "CFBundleName");
    }
    return AppBundle{
        .path = path,
        .bundleID = std::move(*bundleID),
        .name = name ? std::move(*name) : paths::nameWithoutExtension(path),
        .version = text(keys, "CFBundleShortVersionString"),
        .fromAppStore = exists(paths::join(path, "Contents/_MASReceipt/receipt")),
        .iconFile = text(keys, "CFBundleIconFile"),
        .kind = Kind::bundle,
        .desktopEntry = std::nullopt,
    };
}

bool AppBundle::isProtected() const {
    return bundleID.starts_with("com.apple.") || path.starts_with("/System/");
}

std::set<std::string> AppBundle::folderNames() const {
    std::set<std::string> names;
    const auto fileName = kind == Kind::bundle
                              ? paths::nameWithoutExtension(path)
                              : AppImageFile::nameFromFileName(paths::lastComponent(path));
    for (auto candidate : {name, fileName}) {
        if (unicode::graphemeCount(candidate) > 3) {
            names.insert(std::move(candidate));
        }
    }
    return names;
}

}  // namespace tandor

std::size_t std::hash<tandor::AppBundle>::operator()(const tandor::AppBundle& app) const noexcept {
    return tandor::HashCombiner()
        .add(app.path)
        .add(app.bundleID)
        .add(app.name)
        .add(app.version)
        .add(app.fromAppStore)
        .add(app.iconFile)
        .add(static_cast<int>(app.kind))
        .add(app.desktopEntry)
        .value();
}
