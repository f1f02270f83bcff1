#pragma once

#include <memory>
#include <string>

namespace tandor {

// An exclusive advisory lock (flock) on a sidecar "<store file>.lock", held for
// the object's lifetime. Every store takes it around "read the file, merge, write
// it back", so that two instances on one file (two windows, the application and
// the assistant process) never write back a stale view and erase each other's
// records. Creates the folder and the lock file when needed; throws FileError.
class StoreLock {
  public:
    explicit StoreLock(const std::string& storePath);
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    ~StoreLock();

    // The lock when no one else holds it, else nothing at once: for work that
    // must leave the store alone while another process is busy with it.
    static std::unique_ptr<StoreLock> tryTake(const std::string& storePath);

  private:
    StoreLock(const std::string& storePath, bool wait);

    int fd_;
};

}  // namespace tandor
