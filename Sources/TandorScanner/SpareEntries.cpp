#include "TandorScanner/SpareEntries.hpp"

#include <cstddef>
#include <utility>

namespace tandor::spare_entries {
namespace {

constexpr std::size_t mostKept = 1024;

std::vector<ScanEntry>& spare() {
    thread_local std::vector<ScanEntry> entries;
    return entries;
}

}  // namespace

std::vector<ScanEntry> take() {
    return std::exchange(spare(), {});
}

void handBack(std::vector<ScanEntry> entries) {
    if (entries.capacity() > mostKept || entries.capacity() <= spare().capacity()) {
        return;
    }
    entries.clear();
    spare() = std::move(entries);
}

}  // namespace tandor::spare_entries
