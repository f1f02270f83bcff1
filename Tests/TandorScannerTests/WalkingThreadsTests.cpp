#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "TandorScanner/DiskReadWatch.hpp"
#include "TandorScanner/LoopThreads.hpp"
#include "TandorScanner/ParallelLoop.hpp"

namespace tandor {
namespace {

// Lists count folders one after another; readsDisk(i) tells whether listing i
// reads from the disk. Returns the listing during which onReadsWait was
// called, or none.
std::optional<int> listingThatWidens(int count, const std::function<bool(int)>& readsDisk) {
    std::int64_t blocks = 0;
    int listing = 0;
    std::optional<int> widenedAt;
    int calls = 0;
    DiskReadWatch watch(
        [&] {
            widenedAt = listing;
            ++calls;
        },
        [&blocks] { return blocks; });
    for (; listing < count; ++listing) {
        const auto sample = watch.starting();
        blocks += readsDisk(listing) ? 8 : 0;
        watch.finished(sample);
    }
    EXPECT_LE(calls, 1) << "called once at most";
    return widenedAt;
}

TEST(DiskReadWatch, CallsOnceWhenEnoughSampledListingsReadTheDisk) {
    constexpr int every = DiskReadWatch::sampledEvery;
    constexpr int enough = DiskReadWatch::listingsThatWait;
    struct Case {
        const char* name;
        std::function<bool(int)> readsDisk;
        std::optional<int> widenedAt;
    };
    const Case cases[] = {
        {"a cold walk", [](int) { return true; }, (enough - 1) * every},
        {"a warm walk", [](int) { return false; }, std::nullopt},
        {"a few folders dropped from the cache",
         [](int listing) { return listing < (enough - 1) * every; }, std::nullopt},
        {"cold after a warm start", [](int listing) { return listing >= 100; },
         100 + (enough - 1) * every + (every - 100 % every) % every},
    };
    for (const auto& [name, readsDisk, widenedAt] : cases) {
        EXPECT_EQ(listingThatWidens(1000, readsDisk), widenedAt) << name;
    }
}

// The most bodies of count that ran at once, each holding its thread a while.
int mostAtOnce(std::size_t count) {
    std::atomic<int> running = 0;
    std::atomic<int> most = 0;
    parallelFor(count, [&](std::size_t) {
        const int now = ++running;
        int seen = most.load();
        while (seen < now && !most.compare_exchange_weak(seen, now)) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        --running;
    });
    return most;
}

// Whether count bodies were all running at one moment, waiting a generous
// time for each other.
bool allMeet(std::size_t count) {
    std::mutex lock;
    std::condition_variable arrival;
    std::size_t arrived = 0;
    std::atomic<bool> met = true;
    parallelFor(count, [&](std::size_t) {
        std::unique_lock guard(lock);
        ++arrived;
        arrival.notify_all();
        if (!arrival.wait_for(guard, std::chrono::seconds(20), [&] { return arrived == count; })) {
            met = false;
        }
    });
    return met;
}

TEST(LoopThreads, LoopsUseTheWidenedThreadsOnlyOnceWidened) {
    LoopThreads threads(2, 6);
    threads.run([&] {
        EXPECT_LE(mostAtOnce(24), 2);
        threads.widen();
        threads.widen();
        EXPECT_TRUE(allMeet(6)) << "six bodies at once";
    });
}

}  // namespace
}  // namespace tandor
