#include "TandorScanner/DiskReadWatch.hpp"

#include <sys/resource.h>

namespace tandor {

DiskReadWatch::DiskReadWatch(std::function<void()> onReadsWait, BlockCount blocksRead)
    : onReadsWait_(std::move(onReadsWait)), blocksRead_(std::move(blocksRead)) {
}

DiskReadWatch::Sample DiskReadWatch::starting() {
    if (waited_.load(std::memory_order_relaxed) >= listingsThatWait ||
        listings_.fetch_add(1, std::memory_order_relaxed) % sampledEvery != 0) {
        return std::nullopt;
    }
    return blocksRead_();
}

void DiskReadWatch::finished(const Sample& before) {
    if (!before || blocksRead_() <= *before) {
        return;
    }
    if (waited_.fetch_add(1, std::memory_order_relaxed) + 1 == listingsThatWait) {
        onReadsWait_();
    }
}

std::int64_t DiskReadWatch::threadBlocksRead() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_inblock;
}

}  // namespace tandor
