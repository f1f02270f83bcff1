#include "TandorScanner/ThreadHandOff.hpp"

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>

// libtbb's own memory calls (its thread pool hands memory over through atomics
// the sanitizer cannot see) are left out; every call from our code stays checked.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libtbb.so.12\n";
}
#endif

namespace tandor::thread_hand_off {

#if defined(__SANITIZE_THREAD__)
void send(const void* key) {
    __tsan_release(const_cast<void*>(key));
}
void receive(const void* key) {
    __tsan_acquire(const_cast<void*>(key));
}
#else
void send(const void*) {
}
void receive(const void*) {
}
#endif

}  // namespace tandor::thread_hand_off
