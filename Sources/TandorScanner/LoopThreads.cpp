#include "TandorScanner/LoopThreads.hpp"

#include <tbb/global_control.h>
#include <tbb/task_arena.h>

#include <cstddef>
#include <mutex>
#include <optional>

namespace tandor {

// The scheduler allows no more workers than cores unless told otherwise, and
// of several limits set at once the lowest holds: the narrow one must go for
// the wide one to count. It also warns on the standard error when an arena asks
// for more workers than the limit of the moment, so the arena is made under
// the wide limit and only then narrowed.
struct LoopThreads::Limits {
    Limits(int threads, int widened) : widened(widened), arena(widened) {
        allow(wide, widened);
        arena.initialize();
        allow(narrow, threads);
        wide.reset();
    }

    static void allow(std::optional<tbb::global_control>& limit, int threads) {
        limit.emplace(tbb::global_control::max_allowed_parallelism,
                      static_cast<std::size_t>(threads));
    }

    int widened;
    std::mutex lock;
    std::optional<tbb::global_control> narrow;
    std::optional<tbb::global_control> wide;
    tbb::task_arena arena;
};

LoopThreads::LoopThreads(int threads, int widened)
    : limits_(std::make_unique<Limits>(threads, widened)) {
}

LoopThreads::~LoopThreads() = default;

void LoopThreads::run(const std::function<void()>& work) {
    limits_->arena.execute(work);
}

void LoopThreads::widen() {
    const std::lock_guard guard(limits_->lock);
    if (limits_->wide) {
        return;
    }
    Limits::allow(limits_->wide, limits_->widened);
    limits_->narrow.reset();
}

}  // namespace tandor
