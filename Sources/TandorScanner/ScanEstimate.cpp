#include "TandorScanner/ScanEstimate.hpp"

#include <algorithm>

#include "TandorCore/Paths.hpp"

namespace tandor::ScanEstimate {

std::optional<double> fraction(const ScanProgress& progress,
                               std::optional<std::int64_t> previousFileCount,
                               std::optional<std::int64_t> diskUsedBytes) {
    std::optional<double> largest;
    const auto consider = [&largest](std::int64_t seen, std::optional<std::int64_t> total) {
        if (total && *total >= 1) {
            const double ratio = static_cast<double>(seen) / static_cast<double>(*total);
            largest = largest ? std::max(*largest, ratio) : ratio;
        }
    };
    consider(progress.filesSeen, previousFileCount);
    consider(progress.bytesSeen, diskUsedBytes);
    if (!largest) {
        return std::nullopt;
    }
    return std::clamp(*largest, 0.0, ceiling);
}

std::optional<std::string> shortFolder(std::string_view path, std::string_view root) {
    std::string prefix(root);
    if (!prefix.ends_with('/')) {
        prefix += '/';
    }
    if (!path.starts_with(prefix)) {
        return std::nullopt;
    }
    const auto pieces = paths::components(path.substr(prefix.size()));
    if (pieces.empty()) {
        return std::nullopt;
    }
    std::string label(pieces[0]);
    if (pieces.size() > 1) {
        label += '/';
        label += pieces[1];
    }
    return label;
}

}  // namespace tandor::ScanEstimate
