#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

namespace tandor {

// Tells whether a scan's listings wait on the disk, as on a first scan after a
// boot: it compares the blocks the listing thread has read from the disk
// before and after one listing in every sampledEvery (a system call each, too
// dear for every listing), and calls onReadsWait once, when
// listingsThatWait sampled listings have read from the disk. A lone folder
// dropped from a warm cache does not count as a cold walk.
class DiskReadWatch {
  public:
    // The blocks the calling thread has read from the disk so far.
    using BlockCount = std::function<std::int64_t()>;
    // Absent for a listing that is not sampled.
    using Sample = std::optional<std::int64_t>;

    static constexpr int sampledEvery = 32;
    static constexpr int listingsThatWait = 4;

    explicit DiskReadWatch(std::function<void()> onReadsWait,
                           BlockCount blocksRead = threadBlocksRead);

    // Call before a listing, on the thread that lists, and hand the result to
    // finished() after it. Safe from several threads at once.
    Sample starting();
    void finished(const Sample& before);

    static std::int64_t threadBlocksRead();

  private:
    std::function<void()> onReadsWait_;
    BlockCount blocksRead_;
    std::atomic<std::int64_t> listings_ = 0;
    std::atomic<int> waited_ = 0;
};

}  // namespace tandor
