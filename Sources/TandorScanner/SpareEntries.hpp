#pragma once

#include <vector>

#include "TandorScanner/ScanEntry.hpp"

// Each thread's spare list of entries, so that listing folder after folder
// reuses one list's memory: a fresh list for every folder cost more than
// reading the folder, as its larger allocations make the allocator tidy up.
namespace tandor::spare_entries {

// An empty list with the capacity of the last one handed back on this thread.
std::vector<ScanEntry> take();
// Keeps the memory of entries for this thread's next take(), unless it is so
// large that keeping it would hold on to much memory after the scan.
void handBack(std::vector<ScanEntry> entries);

}  // namespace tandor::spare_entries
