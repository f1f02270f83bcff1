#include "TandorApps/AppImageFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>

#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/OpenWithoutAccessTime.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor::AppImageFile {
namespace {

constexpr std::string_view elfMagic(
    "\x7f"
    "ELF",
    4);
constexpr std::string_view appImageMagic("AI\x02", 3);
constexpr std::size_t appImageMagicOffset = 8;

constexpr std::string_view separators = "-_ ";

// Lower-case tokens that name a platform, not the application.
constexpr std::array<std::string_view, 10> platformTokens{
    "x86", "x64", "amd64", "i386", "i686", "aarch64", "arm64", "armhf", "armv7l", "linux"};

bool isDigit(char character) {
    return std::isdigit(static_cast<unsigned char>(character)) != 0;
}

// The first count bytes of the file, fewer when it is shorter.
std::string leadingBytes(const FileDescriptor& file, std::size_t count) {
    std::string bytes(count, '\0');
    std::size_t done = 0;
    while (done < count) {
        const ssize_t read =
            ::pread(file.get(), bytes.data() + done, count - done, static_cast<off_t>(done));
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read <= 0) {
            break;
        }
        done += static_cast<std::size_t>(read);
    }
    bytes.resize(done);
    return bytes;
}

bool startsVersionOrPlatform(std::string_view rest) {
    const auto token = unicode::lowercased(rest.substr(0, rest.find_first_of(separators)));
    if (!token.empty() && isDigit(token[0])) {
        return true;
    }
    if (token.size() > 1 && token[0] == 'v' && isDigit(token[1])) {
        return true;
    }
    return std::find(platformTokens.begin(), platformTokens.end(), token) != platformTokens.end();
}

}  // namespace

bool isAppImage(const std::string& path) {
    // Reading the mark must not make the application look opened today.
    const FileDescriptor file(
        openWithoutAccessTime(path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const auto header = leadingBytes(file, appImageMagicOffset + appImageMagic.size());
    return header.size() == appImageMagicOffset + appImageMagic.size() &&
           header.starts_with(elfMagic) && header.ends_with(appImageMagic);
}

std::string nameFromFileName(std::string_view fileName) {
    constexpr std::string_view suffix = ".appimage";
    std::string_view name = fileName;
    if (name.size() > suffix.size() &&
        unicode::lowercased(name.substr(name.size() - suffix.size())) == suffix) {
        name.remove_suffix(suffix.size());
    }
    for (auto cut = name.find_first_of(separators, 1); cut != std::string_view::npos;
         cut = name.find_first_of(separators, cut + 1)) {
        if (startsVersionOrPlatform(name.substr(cut + 1))) {
            name = name.substr(0, cut);
            break;
        }
    }
    return name.empty() ? std::string(fileName) : std::string(name);
}

}  // namespace tandor::AppImageFile
