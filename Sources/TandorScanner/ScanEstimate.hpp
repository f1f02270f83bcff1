#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "TandorScanner/ScanProgress.hpp"

// Guesses how far a running scan has come, for the progress bar.
namespace tandor::ScanEstimate {

// The largest fraction an estimate ever reports: a scan is never shown done
// before it is.
inline constexpr double ceiling = 0.97;

// The larger of files seen against the previous scan's file count and bytes
// seen against the bytes in use on the disk, kept within 0 and ceiling. A hint
// below 1 is ignored; absent when neither hint remains.
std::optional<double> fraction(const ScanProgress& progress,
                               std::optional<std::int64_t> previousFileCount,
                               std::optional<std::int64_t> diskUsedBytes);

// The first two components of path below root ("Library/Caches"), or the only
// one; absent when path is root itself or lies outside it.
std::optional<std::string> shortFolder(std::string_view path, std::string_view root);

}  // namespace tandor::ScanEstimate
