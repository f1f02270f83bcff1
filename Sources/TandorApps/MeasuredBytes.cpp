#include "TandorApps/MeasuredBytes.hpp"

#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/ScanError.hpp"

namespace tandor {

std::int64_t measuredBytes(const std::string& path) {
    const ScanOptions options(true, 0, 0, {}, 3, true, ScanOptions::projectMarkers());
    try {
        return DirectoryScanner(options).scan(path).root->allocatedSize();
    } catch (const ScanError&) {
        return 0;
    }
}

}  // namespace tandor
