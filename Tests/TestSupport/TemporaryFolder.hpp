#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tandor::testing {

// A folder of its own for one test, removed with everything in it afterwards.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tandor-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        path_ = pattern;
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

  private:
    std::string path_;
};

// Sets environment variables for the lifetime of the object and puts the old
// values back afterwards.
class EnvironmentOverride {
  public:
    EnvironmentOverride() = default;
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;
    ~EnvironmentOverride() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
    }

    // A value of nullopt removes the variable.
    EnvironmentOverride& set(const std::string& name, const std::optional<std::string>& value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
        return *this;
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// Points HOME, XDG_DATA_HOME and XDG_CONFIG_HOME into a fresh folder so that no
// test touches the real home folder, the real Trash or the real stores.
class FixtureHome {
  public:
    FixtureHome() {
        environment_.set("HOME", folder_.path())
            .set("XDG_DATA_HOME", folder_ / ".local/share")
            .set("XDG_CONFIG_HOME", folder_ / ".config");
    }

    const std::string& path() const { return folder_.path(); }
    std::string operator/(const std::string& relative) const { return folder_ / relative; }

  private:
    TemporaryFolder folder_;
    EnvironmentOverride environment_;
};

}  // namespace tandor::testing
