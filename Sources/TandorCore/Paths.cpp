#include "TandorCore/Paths.hpp"

#include <cerrno>

#include "TandorCore/FileError.hpp"

namespace tandor::paths {
namespace {

std::string_view trimmingTrailingSlashes(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

}  // namespace

std::string lastComponent(std::string_view path) {
    const std::string_view trimmed = trimmingTrailingSlashes(path);
    if (trimmed == "/") {
        return "/";
    }
    const auto slash = trimmed.rfind('/');
    return std::string(slash == std::string_view::npos ? trimmed : trimmed.substr(slash + 1));
}

std::string deletingLastComponent(std::string_view path) {
    const std::string_view trimmed = trimmingTrailingSlashes(path);
    const auto slash = trimmed.rfind('/');
    if (slash == std::string_view::npos) {
        return "";
    }
    if (slash == 0) {
        return "/";
    }
    return std::string(trimmingTrailingSlashes(trimmed.substr(0, slash)));
}

std::string extension(std::string_view path) {
    const std::string name = lastComponent(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return "";
    }
    return name.substr(dot + 1);
}

std::string nameWithoutExtension(std::string_view path) {
    const std::string name = lastComponent(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return name;
    }
    return name.substr(0, dot);
}

std::vector<std::string_view> components(std::string_view path) {
    std::vector<std::string_view> pieces;
    while (!path.empty()) {
        const auto slash = path.find('/');
        const std::string_view piece = path.substr(0, slash);
        if (!piece.empty()) {
            pieces.push_back(piece);
        }
        if (slash == std::string_view::npos) {
            break;
        }
        path.remove_prefix(slash + 1);
    }
    return pieces;
}

std::string join(std::string_view folder, std::string_view name) {
    while (!name.empty() && name.front() == '/') {
        name.remove_prefix(1);
    }
    if (folder.empty()) {
        return std::string(name);
    }
    std::string joined(folder);
    if (joined.back() != '/') {
        joined += '/';
    }
    joined += name;
    return joined;
}

bool isInside(std::string_view path, std::string_view folder) {
    if (folder == "/") {
        return path.size() > 1 && path.front() == '/';
    }
    return path.size() > folder.size() + 1 && path.starts_with(folder) &&
           path[folder.size()] == '/';
}

bool isEntryOf(std::string_view path, std::string_view folder) {
    const std::string name = lastComponent(path);
    return name != "." && name != ".." && !name.empty() && path == join(folder, name);
}

bool holdsNul(std::string_view path) {
    return path.find('\0') != std::string_view::npos;
}

void refuseNul(std::string_view path, const std::string& action) {
    if (!holdsNul(path)) {
        return;
    }
    std::string shown;
    for (const char byte : path) {
        shown += byte == '\0' ? std::string_view("\\0") : std::string_view(&byte, 1);
    }
    throw FileError(action, shown, EINVAL);
}

}  // namespace tandor::paths
