#include "TandorScanner/ScanOptions.hpp"

#include "TandorCore/FileNode.hpp"

namespace tandor {

ScanOptions::ScanOptions(bool staysOnSameVolume, std::optional<int> maxKeptDepth,
                         std::int64_t minimumKeptFileSize,
                         const std::unordered_set<std::string>& excludedPaths, int parallelDepth,
                         bool usesBulkAttributes, std::unordered_set<std::string> alwaysKeptNames)
    : staysOnSameVolume(staysOnSameVolume),
      maxKeptDepth(maxKeptDepth),
      minimumKeptFileSize(minimumKeptFileSize),
      parallelDepth(parallelDepth),
      usesBulkAttributes(usesBulkAttributes),
      alwaysKeptNames(std::move(alwaysKeptNames)) {
    for (const auto& path : excludedPaths) {
        this->excludedPaths.insert(FileNode::normalize(path));
    }
}

const std::unordered_set<std::string>& ScanOptions::projectMarkers() {
    static const std::unordered_set<std::string> markers = {
        "package.json",
        "Package.swift",
        "Cargo.toml",
        "Podfile",
        "pyproject.toml",
        "requirements.txt",
        "setup.py",
        "build.gradle",
        "build.gradle.kts",
        "settings.gradle",
        "settings.gradle.kts",
        "pom.xml",
        "go.mod",
        "Gemfile",
        "composer.json",
    };
    return markers;
}

}  // namespace tandor
