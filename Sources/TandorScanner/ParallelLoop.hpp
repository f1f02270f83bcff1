#pragma once

#include <cstddef>
#include <functional>

namespace tandor {

// Runs body(i) once for every i below count on the worker threads and the
// calling thread, and returns when every call has finished. What the caller
// wrote before the loop is visible to every call, and what every call wrote is
// visible to the caller afterwards. Loops nest: a body may run a loop of its
// own. An exception thrown by a body reaches the caller.
void parallelFor(std::size_t count, const std::function<void(std::size_t)>& body);

}  // namespace tandor
