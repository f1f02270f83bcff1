#include "TandorReview/FileMover.hpp"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorReview/CrossDeviceMove.hpp"
#include "TandorReview/MoveError.hpp"

namespace tandor {

std::string FileMover::clean(std::string_view path) {
    std::vector<std::string_view> kept;
    for (const auto piece : paths::components(path)) {
        if (piece == ".") {
            continue;
        }
        if (piece == "..") {
            if (!kept.empty()) {
                kept.pop_back();
            }
            continue;
        }
        kept.push_back(piece);
    }
    std::string cleaned = path.starts_with('/') ? "/" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) {
            cleaned += '/';
        }
        cleaned += kept[i];
    }
    return cleaned;
}

std::string FileMover::freeName(std::string_view name, std::string_view folder) {
    std::string candidate = paths::join(folder, name);
    if (!exists(candidate)) {
        return candidate;
    }
    const std::string extension = paths::extension(name);
    const std::string_view stem =
        extension.empty() ? name : name.substr(0, name.size() - extension.size() - 1);
    for (unsigned long long number = 2;; ++number) {
        std::string numbered = std::string(stem) + " " + std::to_string(number);
        if (!extension.empty()) {
            numbered += "." + extension;
        }
        candidate = paths::join(folder, numbered);
        if (!exists(candidate)) {
            return candidate;
        }
    }
}

bool FileMover::exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::string FileMover::destination(const std::string& source, const std::string& folder) const {
    paths::refuseNul(source, "Cannot move");
    paths::refuseNul(folder, "Cannot move");
    const std::string cleanSource = clean(source);
    const std::string cleanFolder = clean(folder);
    if (!exists(cleanSource)) {
        throw MoveError::sourceMissing(source);
    }
    if (paths::deletingLastComponent(cleanSource) == cleanFolder) {
        throw MoveError::alreadyThere(source);
    }
    if (cleanFolder == cleanSource || paths::isInside(cleanFolder, cleanSource)) {
        throw MoveError::intoItself(source);
    }
    createFolders(cleanFolder);
    return freeName(paths::lastComponent(cleanSource), cleanFolder);
}

MoveOutcome FileMover::move(const std::string& source, const std::string& folder) const {
    const std::string target = destination(source, folder);
    return moveItem(clean(source), target);
}

MoveOutcome FileMover::moveItem(const std::string& from, const std::string& to) {
    paths::refuseNul(from, "Cannot move");
    paths::refuseNul(to, "Cannot move");
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return {to, {}};
    }
    if (errno != EXDEV) {
        throw FileError("Cannot move " + from + " to", to, errno);
    }
    return CrossDeviceMove(from, to).run();
}

}  // namespace tandor
