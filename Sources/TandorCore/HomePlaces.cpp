#include "TandorCore/HomePlaces.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

using UserFolder = HomePlaces::UserFolder;

struct UserFolderNames {
    UserFolder folder;
    // How user-dirs.dirs and place paths name it.
    std::string_view key;
    // Its name below home when user-dirs.dirs does not say.
    std::string_view englishName;
    // Its name below a Mac's home.
    std::string_view macName;
};

constexpr std::array<UserFolderNames, HomePlaces::userFolders.size()> userFolderNames{{
    {UserFolder::desktop, "DESKTOP", "Desktop", "Desktop"},
    {UserFolder::documents, "DOCUMENTS", "Documents", "Documents"},
    {UserFolder::download, "DOWNLOAD", "Downloads", "Downloads"},
    {UserFolder::videos, "VIDEOS", "Videos", "Movies"},
    {UserFolder::pictures, "PICTURES", "Pictures", "Pictures"},
    {UserFolder::music, "MUSIC", "Music", "Music"},
}};

// user-dirs.dirs is a few lines; anything larger is not one.
constexpr std::streamsize userDirsLimit = 64 * 1024;

const UserFolderNames& namesOf(UserFolder folder) {
    return userFolderNames[static_cast<std::size_t>(folder)];
}

const UserFolderNames* namesWithKey(std::string_view key) {
    const auto found =
        std::find_if(userFolderNames.begin(), userFolderNames.end(),
                     [key](const UserFolderNames& names) { return names.key == key; });
    return found != userFolderNames.end() ? &*found : nullptr;
}

std::string baseFolder(const HomePlaces::Environment& environment, const char* variable,
                       const std::string& fallback) {
    const char* value = environment(variable);
    // The XDG rules ignore a relative or empty value.
    return value != nullptr && value[0] == '/' ? FileNode::normalize(value) : fallback;
}

std::string_view trimmedStart(std::string_view text) {
    const auto start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

// The text between the opening quote (already consumed) and the closing one,
// "\" escaping the next byte; absent when the quote is never closed.
std::optional<std::string> quotedValue(std::string_view text) {
    std::string value;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == '"') {
            return value;
        }
        if (text[index] == '\\' && index + 1 < text.size()) {
            ++index;
        }
        value += text[index];
    }
    return std::nullopt;
}

struct UserDirsEntry {
    std::string_view key;
    std::string path;
};

// One line such as XDG_DOWNLOAD_DIR="$HOME/Scaricati", with the path made
// absolute; absent for comments and anything else.
std::optional<UserDirsEntry> userDirsEntry(std::string_view line, const std::string& home) {
    line = trimmedStart(line);
    if (!consume(line, "XDG_")) {
        return std::nullopt;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view name = line.substr(0, equals);
    name = name.substr(0, name.find_last_not_of(" \t") + 1);
    if (!name.ends_with("_DIR")) {
        return std::nullopt;
    }
    name.remove_suffix(4);
    std::string_view rest = trimmedStart(line.substr(equals + 1));
    if (!consume(rest, "\"")) {
        return std::nullopt;
    }
    auto value = quotedValue(rest);
    if (!value) {
        return std::nullopt;
    }
    std::string_view path = *value;
    if (consume(path, "$HOME")) {
        if (!path.empty() && path.front() != '/') {
            return std::nullopt;
        }
        return UserDirsEntry{name, paths::join(home, path)};
    }
    if (path.empty() || path.front() != '/') {
        return std::nullopt;
    }
    return UserDirsEntry{name, std::string(path)};
}

std::optional<std::string> fileText(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(userDirsLimit), '\0');
    stream.read(text.data(), userDirsLimit);
    text.resize(static_cast<std::size_t>(stream.gcount()));
    return text;
}

void appendUnique(std::vector<std::string>& list, std::string path) {
    if (std::find(list.begin(), list.end(), path) == list.end()) {
        list.push_back(std::move(path));
    }
}

}  // namespace

HomePlaces::HomePlaces(std::string_view home)
    : home_(FileNode::normalize(home)),
      cacheHome_(paths::join(home_, ".cache")),
      configHome_(paths::join(home_, ".config")),
      dataHome_(paths::join(home_, ".local/share")),
      stateHome_(paths::join(home_, ".local/state")) {
    for (const auto& names : userFolderNames) {
        userFolderPaths_[static_cast<std::size_t>(names.folder)] =
            paths::join(home_, names.englishName);
    }
}

HomePlaces HomePlaces::read(std::string_view home, const Environment& environment) {
    HomePlaces places(home);
    places.cacheHome_ = baseFolder(environment, "XDG_CACHE_HOME", places.cacheHome_);
    places.configHome_ = baseFolder(environment, "XDG_CONFIG_HOME", places.configHome_);
    places.dataHome_ = baseFolder(environment, "XDG_DATA_HOME", places.dataHome_);
    places.stateHome_ = baseFolder(environment, "XDG_STATE_HOME", places.stateHome_);
    if (const auto text = fileText(paths::join(places.configHome_, "user-dirs.dirs"))) {
        places.applyUserDirs(*text);
    }
    return places;
}

void HomePlaces::applyUserDirs(std::string_view text) {
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        const auto entry = userDirsEntry(text.substr(0, end), home_);
        text.remove_prefix(std::min(end + 1, text.size()));
        const auto* names = entry ? namesWithKey(entry->key) : nullptr;
        if (names == nullptr) {
            continue;
        }
        const std::string path = FileNode::normalize(entry->path);
        if (path != home_) {
            userFolderPaths_[static_cast<std::size_t>(names->folder)] = path;
        }
    }
}

std::string HomePlaces::trashFolder() const {
    return paths::join(dataHome_, "Trash");
}

std::vector<std::string> HomePlaces::programFolders() const {
    std::vector<std::string> folders;
    for (const auto* folder : {&cacheHome_, &configHome_, &dataHome_, &stateHome_}) {
        if (*folder != home_ && !paths::isInside(home_, *folder)) {
            appendUnique(folders, *folder);
        }
    }
    return folders;
}

const std::string& HomePlaces::userFolder(UserFolder folder) const {
    return userFolderPaths_[static_cast<std::size_t>(folder)];
}

void HomePlaces::setUserFolder(UserFolder folder, std::string_view path) {
    userFolderPaths_[static_cast<std::size_t>(folder)] = FileNode::normalize(path);
}

std::vector<std::string> HomePlaces::foldersOf(UserFolder folder) const {
    std::vector<std::string> folders{userFolder(folder)};
    appendUnique(folders, paths::join(home_, namesOf(folder).macName));
    return folders;
}

std::vector<std::string> HomePlaces::resolve(std::string_view placePath) const {
    if (!placePath.starts_with('$')) {
        return {FileNode::normalize(paths::join(home_, placePath))};
    }
    const auto slash = std::min(placePath.find('/'), placePath.size());
    const std::string_view name = placePath.substr(1, slash - 1);
    const std::string_view rest = placePath.substr(slash);
    std::vector<std::string> bases;
    if (const auto* names = namesWithKey(name)) {
        bases = foldersOf(names->folder);
    } else if (name == "XDG_CACHE_HOME") {
        bases = {cacheHome_};
    } else if (name == "XDG_CONFIG_HOME") {
        bases = {configHome_};
    } else if (name == "XDG_DATA_HOME") {
        bases = {dataHome_};
    } else if (name == "XDG_STATE_HOME") {
        bases = {stateHome_};
    } else {
        throw std::invalid_argument("unknown place " + std::string(placePath));
    }
    std::vector<std::string> resolved;
    for (const auto& base : bases) {
        appendUnique(resolved, FileNode::normalize(paths::join(base, rest)));
    }
    return resolved;
}

const char* HomePlaces::processEnvironment(const char* name) {
    return std::getenv(name);
}

}  // namespace tandor
