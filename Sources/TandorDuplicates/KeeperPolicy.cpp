#include "TandorDuplicates/KeeperPolicy.hpp"

#include <algorithm>
#include <regex>

#include "TandorCore/Paths.hpp"
#include "TandorCore/UnicodeText.hpp"

namespace tandor {
namespace {

using DownloadsFolders = KeeperPolicy::DownloadsFolders;

bool isInTemporaryFolder(std::string_view path, DownloadsFolders /*downloadsFolders*/) {
    return path.starts_with("/private/var/folders/") || path.starts_with("/tmp/") ||
           path.starts_with("/private/tmp/");
}

bool isInDownloads(std::string_view path, DownloadsFolders downloadsFolders) {
    return path.find("/Downloads/") != std::string_view::npos ||
           std::ranges::any_of(downloadsFolders, [path](const std::string& folder) {
               return paths::isInside(path, folder);
           });
}

bool isNamedLikeCopy(std::string_view path, DownloadsFolders /*downloadsFolders*/) {
    return KeeperPolicy::looksLikeCopy(paths::lastComponent(path));
}

const std::vector<std::regex>& copyPatterns() {
    static const std::vector<std::regex> patterns{
        std::regex(R"( copy( \d+)?$)"), std::regex(R"( \(\d+\)$)"), std::regex(R"([-_ ]copy$)"),
        std::regex(R"( kopie$)"), std::regex(R"( copia( \d+)?$)")};
    return patterns;
}

// A missing date ranks after every real one.
Date dateOrLatest(const DuplicateFile& file) {
    return file.modificationDate.value_or(Date::max());
}

bool ranksBefore(const DuplicateFile& a, const DuplicateFile& b,
                 DownloadsFolders downloadsFolders) {
    const auto penaltyA = KeeperPolicy::penalty(a.path, downloadsFolders);
    const auto penaltyB = KeeperPolicy::penalty(b.path, downloadsFolders);
    if (penaltyA != penaltyB) {
        return penaltyA < penaltyB;
    }
    const auto dateA = dateOrLatest(a);
    const auto dateB = dateOrLatest(b);
    if (dateA != dateB) {
        return dateA < dateB;
    }
    const auto depthA = paths::components(a.path).size();
    const auto depthB = paths::components(b.path).size();
    if (depthA != depthB) {
        return depthA < depthB;
    }
    return a.path < b.path;
}

}  // namespace

const std::vector<KeeperPolicy::Factor>& KeeperPolicy::factors() {
    static const std::vector<Factor> table{
        {4, "Keeps the copy outside temporary folders", isInTemporaryFolder},
        {2, "Keeps the copy outside Downloads", isInDownloads},
        {1, "Keeps the copy that is not named like a copy", isNamedLikeCopy},
    };
    return table;
}

bool KeeperPolicy::looksLikeCopy(std::string_view name) {
    const std::string stem = unicode::lowercased(paths::nameWithoutExtension(name));
    return std::ranges::any_of(copyPatterns(), [&stem](const std::regex& pattern) {
        return std::regex_search(stem, pattern);
    });
}

std::int64_t KeeperPolicy::penalty(std::string_view path, DownloadsFolders downloadsFolders) {
    std::int64_t total = 0;
    for (const auto& factor : factors()) {
        if (factor.matches(path, downloadsFolders)) {
            total += factor.weight;
        }
    }
    return total;
}

std::vector<DuplicateFile> KeeperPolicy::rank(std::vector<DuplicateFile> files,
                                              DownloadsFolders downloadsFolders) {
    std::stable_sort(files.begin(), files.end(),
                     [downloadsFolders](const DuplicateFile& a, const DuplicateFile& b) {
                         return ranksBefore(a, b, downloadsFolders);
                     });
    return files;
}

}  // namespace tandor
