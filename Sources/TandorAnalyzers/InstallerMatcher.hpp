#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tandor {

// Tells which installed application an installer file holds, by comparing
// matching keys made of the letters and digits of the names.
class InstallerMatcher {
  public:
    struct App {
        std::string key;
        std::string name;
    };

    // One App per name whose key is not empty, in the order given. A key is
    // the lowercased name without a final ".app", letters and digits only.
    explicit InstallerMatcher(const std::vector<std::string>& installedApps);

    const std::vector<App>& apps() const { return apps_; }

    // The lowercase extensions of installer files.
    static const std::unordered_set<std::string_view>& installerExtensions();
    // Lowercase words that say nothing about which application an installer holds.
    static const std::unordered_set<std::string_view>& noiseWords();

    // The installer's key: the words of its lowercased name without its
    // extension, up to the first version-like word, noise words left out,
    // joined without separator. May be empty.
    static std::string key(std::string_view fileName);

    // The package of a Debian package file named "<package>_<version>_<arch>.deb"
    // (the extension in any case), or absent for any other name.
    static std::optional<std::string_view> debianPackage(std::string_view fileName);

    // The installed application the installer holds: an equal key first, then
    // a key that begins the other when the shorter of the two has at least 4
    // characters. Keys of fewer than 3 characters match nothing.
    std::optional<std::string> installedApp(std::string_view fileName) const;

  private:
    std::vector<App> apps_;
};

}  // namespace tandor
