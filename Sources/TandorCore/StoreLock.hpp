#pragma once

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

  private:
    int fd_;
};

}  // namespace tandor
