#include "Support/BackgroundPool.hpp"

#include <QCoreApplication>
#include <mutex>
#include <utility>

namespace tandor {
namespace {

std::mutex poolMutex;
QThreadPool* pool = nullptr;

// Runs while the application object still exists, so that work finishing
// now can still post its results (they are then dropped with the objects).
void endPool() {
    QThreadPool* ending = nullptr;
    {
        const std::lock_guard lock(poolMutex);
        ending = std::exchange(pool, nullptr);
    }
    delete ending;  // waits for the work still running
}

}  // namespace

QThreadPool* BackgroundPool::shared() {
    const std::lock_guard lock(poolMutex);
    if (pool == nullptr) {
        pool = new QThreadPool;
        qAddPostRoutine(endPool);
    }
    return pool;
}

}  // namespace tandor
