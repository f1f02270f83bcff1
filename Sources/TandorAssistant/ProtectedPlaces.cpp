#include "TandorAssistant/ProtectedPlaces.hpp"

#include <cstdlib>
#include <functional>
#include <memory>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"

namespace tandor::protectedPlaces {
namespace {

// An existing path with its links resolved, else as written.
std::string resolved(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                           &std::free);
    return real ? std::string(real.get()) : path;
}

// The item that would move: its folder resolved, its own name kept.
std::string resolvedItem(const std::string& path) {
    if (path == "/") {
        return path;
    }
    return paths::join(resolved(paths::deletingLastComponent(path)), paths::lastComponent(path));
}

bool holds(const std::string& item, const std::string& folder) {
    return paths::isInside(folder, item);
}

bool touches(const std::string& item, const std::string& folder) {
    return item == folder || paths::isInside(item, folder) || holds(item, folder);
}

// True when test holds for the item and the place both as written or both
// resolved.
template <typename Test>
bool either(const std::string& item, const std::string& place, Test test) {
    return test(item, place) || test(resolvedItem(item), resolved(place));
}

}  // namespace

std::optional<std::string> refusal(const std::string& path) {
    const std::string home = FileNode::normalize(homeFolderPath());
    const std::string support = FileNode::normalize(supportFolderPath());
    const std::string trash = FileNode::normalize(paths::join(dataHomePath(), "Trash"));
    if (either(path, home, std::equal_to<>())) {
        return "The home folder itself cannot be proposed.";
    }
    if (either(path, home, holds)) {
        return "A folder holding the home folder cannot be proposed.";
    }
    if (either(path, support, touches)) {
        return "Tandor's own data cannot be proposed.";
    }
    if (either(path, trash, touches)) {
        return "The Trash cannot be proposed.";
    }
    return std::nullopt;
}

}  // namespace tandor::protectedPlaces
