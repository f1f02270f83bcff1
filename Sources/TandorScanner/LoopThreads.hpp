#pragma once

#include <functional>
#include <memory>

namespace tandor {

// The threads that the parallel loops inside run() share. Loops whose bodies
// mostly wait on the disk gain from more threads than cores; loops that keep
// their threads busy lose to the switching between them. So the loops start on
// threads threads (the caller included) and may use widened threads once
// widen() is called, from any thread, also from inside a loop. The limit is the
// process's: while two of these run at once, the lower of their limits holds.
class LoopThreads {
  public:
    LoopThreads(int threads, int widened);
    ~LoopThreads();
    LoopThreads(const LoopThreads&) = delete;
    LoopThreads& operator=(const LoopThreads&) = delete;

    // Runs work on the calling thread; returns when work has.
    void run(const std::function<void()>& work);
    // Lets the loops use widened threads from now on; later calls do nothing.
    void widen();

  private:
    struct Limits;
    std::unique_ptr<Limits> limits_;
};

}  // namespace tandor
