#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tandor {

// Where the user's folders and the platform's per-user places are, for one
// home folder: the XDG user folders (a localised "Scaricati" is Downloads) and
// the XDG base folders. Read once per scan and passed to whatever looks for
// these places, so that tests can hand in a fixture. Every path it gives is
// absolute and normalised.
class HomePlaces {
  public:
    // The user folders, as user-dirs.dirs names them.
    enum class UserFolder { desktop, documents, download, videos, pictures, music };
    static constexpr std::array<UserFolder, 6> userFolders{
        UserFolder::desktop, UserFolder::documents, UserFolder::download,
        UserFolder::videos,  UserFolder::pictures,  UserFolder::music};

    // Looks up an environment variable; null when it is not set.
    using Environment = std::function<const char*(const char*)>;

    // The defaults, without reading anything: the English user folder names
    // below home, and ~/.cache, ~/.config, ~/.local/share and ~/.local/state.
    explicit HomePlaces(std::string_view home);

    // The defaults, overridden by the absolute XDG_CACHE_HOME,
    // XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_STATE_HOME of the environment and
    // by the entries of user-dirs.dirs in the config folder. A missing or
    // unreadable file keeps the English names. Never fails.
    static HomePlaces read(std::string_view home,
                           const Environment& environment = processEnvironment);

    // The user folders that the text of a user-dirs.dirs file names, each
    // "$HOME/…" or absolute and quoted, with "\" escapes. A value that is not
    // of that shape, or that names the home folder itself (how the file
    // disables a folder), is ignored.
    void applyUserDirs(std::string_view text);

    const std::string& home() const { return home_; }
    const std::string& cacheHome() const { return cacheHome_; }
    const std::string& configHome() const { return configHome_; }
    const std::string& dataHome() const { return dataHome_; }
    const std::string& stateHome() const { return stateHome_; }
    // The freedesktop.org home Trash: dataHome()/Trash.
    std::string trashFolder() const;
    // Where programs keep their data, never the user's own files: the cache,
    // config, data and state folders, without any that is home or holds it.
    std::vector<std::string> programFolders() const;

    // The platform's folder for it.
    const std::string& userFolder(UserFolder folder) const;
    // Replaces the platform's folder for it (normalised).
    void setUserFolder(UserFolder folder, std::string_view path);

    // Every folder that may hold it: the platform's folder, then the name a
    // Mac gives it below home ("Movies" for the videos) when that differs.
    std::vector<std::string> foldersOf(UserFolder folder) const;

    // The absolute paths a place path stands for. A place path is relative to
    // home, or begins with one of these names, followed by nothing or by "/"
    // and a relative path: $DESKTOP, $DOCUMENTS, $DOWNLOAD, $VIDEOS, $PICTURES,
    // $MUSIC (each every folder foldersOf gives), $XDG_CACHE_HOME,
    // $XDG_CONFIG_HOME, $XDG_DATA_HOME, $XDG_STATE_HOME. The rest may hold
    // wildcards; it is joined as it stands. Throws std::invalid_argument for
    // any other name after "$".
    std::vector<std::string> resolve(std::string_view placePath) const;

    static const char* processEnvironment(const char* name);

    friend bool operator==(const HomePlaces&, const HomePlaces&) = default;

  private:
    std::string home_;
    std::string cacheHome_;
    std::string configHome_;
    std::string dataHome_;
    std::string stateHome_;
    std::array<std::string, userFolders.size()> userFolderPaths_;
};

}  // namespace tandor
