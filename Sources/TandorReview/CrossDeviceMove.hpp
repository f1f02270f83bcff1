#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "TandorReview/MoveOutcome.hpp"

namespace tandor {

// FileMover::moveItem's move between two file systems, which no rename can do:
// a copy that never overwrites, then the removal of the source. Callers go
// through FileMover::moveItem; this type stands apart so that tests can change
// the source while it is being copied.
class CrossDeviceMove {
  public:
    // Called with each source entry once its copy is complete, a folder after
    // everything in it.
    using Observer = std::function<void(const std::string& source)>;

    CrossDeviceMove(std::string from, std::string to, Observer afterEachCopy = {});

    // Does the move as FileMover::moveItem describes it. Runs once.
    MoveOutcome run();

  private:
    // Each copy sets made to true as soon as it has created its own item at
    // `to`, so that the caller knows whether there is anything of its own to
    // remove.
    void copyItem(const std::string& from, const std::string& to, bool& made);
    void copyFile(const std::string& from, const std::string& to, bool& made);
    void copyFolder(const std::string& from, const std::string& to, const struct stat& info,
                    bool& made);
    void copyLink(const std::string& from, const std::string& to, const struct stat& info,
                  bool& made);
    void copied(const std::string& source);

    std::string from_;
    std::string to_;
    Observer afterEachCopy_;
};

}  // namespace tandor
