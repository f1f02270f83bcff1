#pragma once

// Tells ThreadSanitizer about an ordering that code it cannot see into already
// guarantees: libtbb is not instrumented, and neither is ParallelLoop.cpp, so
// that none of the scheduler's inline code is half visible. These functions are
// built with the sanitizer when it is on (called from the uninstrumented loop)
// and do nothing in other builds.
namespace tandor::thread_hand_off {

// Everything this thread wrote so far happens before a later receive(key).
void send(const void* key);
// Everything written before an earlier send(key) happens before what follows.
void receive(const void* key);

}  // namespace tandor::thread_hand_off
