#include "TandorApps/AppBundle.hpp"

#include <fcntl.h>
#include <plist/plist.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <memory>

#include "TandorCore/FileDescriptor.hpp"
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

// The whole regular file at path, or absent when it is missing, unreadable,
// not a regular file or larger than the maximum.
std::optional<std::string> smallFile(const std::string& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > maximumPropertyListSize) {
        return std::nullopt;
    }
    std::string contents;
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            return contents;
        }
        contents.append(buffer.data(), static_cast<std::size_t>(count));
        if (contents.size() > maximumPropertyListSize) {
            return std::nullopt;
        }
    }
}

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
    const auto contents = smallFile(paths::join(path, "Contents/Info.plist"));
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
    };
}

bool AppBundle::isProtected() const {
    return bundleID.starts_with("com.apple.") || path.starts_with("/System/");
}

std::set<std::string> AppBundle::folderNames() const {
    std::set<std::string> names;
    for (auto candidate : {name, paths::nameWithoutExtension(path)}) {
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
        .value();
}
