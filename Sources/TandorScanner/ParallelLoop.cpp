#include "TandorScanner/ParallelLoop.hpp"

#include <tbb/global_control.h>
#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

#include "TandorScanner/ThreadHandOff.hpp"

namespace tandor {

void parallelFor(std::size_t count, const std::function<void(std::size_t)>& body) {
    thread_hand_off::send(&body);
    tbb::parallel_for(std::size_t{0}, count, [&body](std::size_t index) {
        thread_hand_off::receive(&body);
        body(index);
        thread_hand_off::send(&body);
    });
    thread_hand_off::receive(&body);
}

void withLoopThreads(int threads, const std::function<void()>& work) {
    // The scheduler allows no more workers than cores unless told otherwise.
    const tbb::global_control allowed(tbb::global_control::max_allowed_parallelism,
                                      static_cast<std::size_t>(threads));
    tbb::task_arena arena(threads);
    arena.execute(work);
}

}  // namespace tandor
