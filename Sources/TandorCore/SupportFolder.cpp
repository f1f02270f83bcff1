#include "TandorCore/SupportFolder.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

bool isAbsolute(const char* value) {
    return value != nullptr && value[0] == '/';
}

std::string passwordDatabaseHome() {
    long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && isAbsolute(found->pw_dir)) {
        return found->pw_dir;
    }
    return "/";
}

}  // namespace

std::string homeFolderPath() {
    const char* home = std::getenv("HOME");
    return isAbsolute(home) ? std::string(home) : passwordDatabaseHome();
}

std::string dataHomePath() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    return isAbsolute(dataHome) ? std::string(dataHome)
                                : paths::join(homeFolderPath(), ".local/share");
}

std::string trashFolderPath(std::string_view home) {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const std::string base =
        isAbsolute(dataHome) ? std::string(dataHome) : paths::join(home, ".local/share");
    return FileNode::normalize(paths::join(base, "Trash"));
}

std::string supportFolderPath() {
    return paths::join(dataHomePath(), "Tandor");
}

}  // namespace tandor
