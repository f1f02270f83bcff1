#include "TandorScanner/ParallelLoop.hpp"

#include <tbb/parallel_for.h>

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

}  // namespace tandor
