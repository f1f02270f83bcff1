#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tandor {

// Runs work(0), work(1), ... on a few threads and hands every result to the
// calling thread strictly in index order, so that the caller sees exactly what
// a loop on its own thread would have seen, only sooner.
//
// Before taking result i the calling thread calls beforeItem(i) (for i = 0
// before any work starts); if that throws, no further item starts, the items
// under way are finished and their results dropped, and the exception reaches
// the caller. work runs on the worker threads and must be safe to run
// concurrently; an exception it throws reaches the caller when its item's turn
// comes. The threads start the items in startOrder when it is given (a
// permutation of the indices, such as the longest work first), else in index
// order; the results are handed over in index order either way.
template <typename Result>
class InOrderWorkers {
  public:
    static void run(std::size_t count, unsigned threadCount,
                    const std::function<Result(std::size_t)>& work,
                    const std::function<void(std::size_t)>& beforeItem,
                    const std::function<void(std::size_t, Result&&)>& takeResult,
                    std::vector<std::size_t> startOrder = {}) {
        if (count == 0) {
            return;
        }
        beforeItem(0);
        InOrderWorkers workers(count, work, std::move(startOrder));
        workers.start(std::clamp<std::size_t>(threadCount, 1, count));
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0) {
                beforeItem(i);
            }
            takeResult(i, workers.wait(i));
        }
    }

    InOrderWorkers(const InOrderWorkers&) = delete;
    InOrderWorkers& operator=(const InOrderWorkers&) = delete;

    // Lets the threads finish the item each is on, then joins them.
    ~InOrderWorkers() {
        stopped_ = true;
        for (auto& thread : threads_) {
            thread.join();
        }
    }

  private:
    struct Slot {
        std::optional<Result> value;
        std::exception_ptr error;
        bool ready = false;
    };

    InOrderWorkers(std::size_t count, const std::function<Result(std::size_t)>& work,
                   std::vector<std::size_t> startOrder)
        : work_(work), slots_(count), startOrder_(std::move(startOrder)) {}

    void start(std::size_t threadCount) {
        threads_.reserve(threadCount);
        for (std::size_t t = 0; t < threadCount; ++t) {
            threads_.emplace_back([this] { runItems(); });
        }
    }

    void runItems() {
        while (!stopped_) {
            const std::size_t started = next_.fetch_add(1);
            if (started >= slots_.size()) {
                return;
            }
            const std::size_t index = startOrder_.empty() ? started : startOrder_[started];
            Slot slot;
            try {
                slot.value.emplace(work_(index));
            } catch (...) {
                slot.error = std::current_exception();
            }
            slot.ready = true;
            {
                const std::lock_guard lock(mutex_);
                slots_[index] = std::move(slot);
            }
            resultReady_.notify_one();
        }
    }

    Result wait(std::size_t index) {
        std::unique_lock lock(mutex_);
        resultReady_.wait(lock, [&] { return slots_[index].ready; });
        Slot slot = std::move(slots_[index]);
        lock.unlock();
        if (slot.error) {
            std::rethrow_exception(slot.error);
        }
        return std::move(*slot.value);
    }

    const std::function<Result(std::size_t)>& work_;
    std::vector<Slot> slots_;
    std::vector<std::size_t> startOrder_;
    std::vector<std::thread> threads_;
    std::atomic<std::size_t> next_{0};
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::condition_variable resultReady_;
};

}  // namespace tandor
