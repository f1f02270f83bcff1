#include "TandorAnalyzers/InstallerMatcher.hpp"

#include <utf8proc.h>

#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

// A run of letters and digits of a lowercased name.
struct Word {
    std::string text;
    bool startsWithDigit = false;
    // "v" followed by one or more digits, a version number.
    bool isVersion = false;
};

bool isDigit(utf8proc_int32_t codePoint) {
    return codePoint >= 0 && unicode::isNumber(static_cast<char32_t>(codePoint));
}

bool isLetterOrDigit(utf8proc_int32_t codePoint) {
    return codePoint >= 0 && (unicode::isLetter(static_cast<char32_t>(codePoint)) ||
                              unicode::isNumber(static_cast<char32_t>(codePoint)));
}

std::vector<Word> words(std::string_view lowercased) {
    std::vector<Word> found;
    bool inWord = false;
    bool restAreDigits = true;
    std::size_t length = 0;
    const auto finish = [&] {
        if (inWord) {
            found.back().isVersion =
                length >= 2 && found.back().text.front() == 'v' && restAreDigits;
        }
        inWord = false;
    };
    unicode::forEachCodePoint(lowercased, [&](utf8proc_int32_t codePoint, std::string_view bytes) {
        if (!isLetterOrDigit(codePoint)) {
            finish();
            return;
        }
        if (!inWord) {
            found.push_back(Word{"", isDigit(codePoint), false});
            inWord = true;
            restAreDigits = true;
            length = 0;
        } else {
            restAreDigits = restAreDigits && isDigit(codePoint);
        }
        found.back().text.append(bytes);
        ++length;
    });
    finish();
    return found;
}

std::string appKey(std::string_view name) {
    std::string lower = unicode::lowercased(name);
    if (lower.ends_with(".app")) {
        lower.resize(lower.size() - 4);
    }
    std::string key;
    unicode::forEachCodePoint(lower, [&key](utf8proc_int32_t codePoint, std::string_view bytes) {
        if (isLetterOrDigit(codePoint)) {
            key.append(bytes);
        }
    });
    return key;
}

}  // namespace

InstallerMatcher::InstallerMatcher(const std::vector<std::string>& installedApps) {
    for (const auto& name : installedApps) {
        auto appKeyText = appKey(name);
        if (!appKeyText.empty()) {
            apps_.push_back(App{std::move(appKeyText), name});
        }
    }
}

const std::unordered_set<std::string_view>& InstallerMatcher::installerExtensions() {
    static const std::unordered_set<std::string_view> extensions{"dmg", "pkg", "mpkg",
                                                                 "xip", "deb", "rpm"};
    return extensions;
}

const std::unordered_set<std::string_view>& InstallerMatcher::noiseWords() {
    static const std::unordered_set<std::string_view> words{
        "arm64",   "aarch64", "x64",    "x86",     "amd64",  "universal", "intel",
        "apple",   "silicon", "mac",    "macos",   "osx",    "darwin",    "installer",
        "install", "setup",   "latest", "release", "stable", "beta",
    };
    return words;
}

std::string InstallerMatcher::key(std::string_view fileName) {
    std::string joined;
    for (const auto& word : words(unicode::lowercased(paths::nameWithoutExtension(fileName)))) {
        if (word.startsWithDigit || word.isVersion) {
            break;
        }
        if (!noiseWords().contains(word.text)) {
            joined += word.text;
        }
    }
    return joined;
}

std::optional<std::string_view> InstallerMatcher::debianPackage(std::string_view fileName) {
    if (unicode::lowercased(paths::extension(fileName)) != "deb") {
        return std::nullopt;
    }
    const std::string_view stem = fileName.substr(0, fileName.size() - 4);
    const auto first = stem.find('_');
    const auto second = stem.rfind('_');
    const bool threeParts =
        first != std::string_view::npos && second != first && stem.find('_', first + 1) == second;
    if (!threeParts || first == 0 || second == first + 1 || second + 1 == stem.size()) {
        return std::nullopt;
    }
    return stem.substr(0, first);
}

std::optional<std::string> InstallerMatcher::installedApp(std::string_view fileName) const {
    const std::string installerKey = key(fileName);
    const std::size_t installerLength = unicode::graphemeCount(installerKey);
    if (installerLength < 3) {
        return std::nullopt;
    }
    for (const auto& app : apps_) {
        if (app.key == installerKey) {
            return app.name;
        }
    }
    for (const auto& app : apps_) {
        const bool appExtendsInstaller = installerLength >= 4 && app.key.starts_with(installerKey);
        const bool installerExtendsApp =
            installerKey.starts_with(app.key) && unicode::graphemeCount(app.key) >= 4;
        if (appExtendsInstaller || installerExtendsApp) {
            return app.name;
        }
    }
    return std::nullopt;
}

}  // namespace tandor
