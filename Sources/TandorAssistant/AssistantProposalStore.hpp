#pragma once

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "TandorAssistant/AssistantProposal.hpp"

namespace tandor {

// The one reader and writer of "assistant-proposals.json", shared by the
// assistant process (which adds) and the application (which lists and
// dismisses). Holds only the file's location: every call reads the file afresh.
// Every change holds the store lock on "<file>.lock" from reading to writing,
// so a change made by the other process in between is never lost.
class AssistantProposalStore {
  public:
    using Clock = std::function<Date()>;

    // clock names the copy of a file that cannot be decoded.
    explicit AssistantProposalStore(
        std::string path, Clock clock = [] { return std::chrono::system_clock::now(); });

    const std::string& path() const { return path_; }

    // The most proposals load keeps: anyone may write the file, and a sheet
    // that lists them need not hold a million.
    static constexpr std::size_t maximumLoaded = 1000;

    // The first maximumLoaded proposals in file order; empty when the file is
    // missing, unreadable or does not decode. Those after them are read past
    // and never kept. Never throws.
    std::vector<AssistantProposal> load() const;

    // Merges proposals into the file in order: one whose path is stored
    // replaces that proposal in place, any other is appended. Returns how many
    // were appended. Throws FileError when the file cannot be read or written;
    // the file is then unchanged.
    int add(const std::vector<AssistantProposal>& proposals) const;

    // Removes every proposal whose path is in paths, and writes the file also
    // when nothing was removed. Throws FileError like add.
    void dismiss(const std::set<std::string>& paths) const;

  private:
    using Change = std::function<std::vector<AssistantProposal>(std::vector<AssistantProposal>)>;

    // Under the store lock: reads the list, applies change and writes the
    // result. A file that does not decode is never overwritten: it is moved
    // aside first and counts as empty.
    void update(const Change& change) const;
    void moveAside() const;

    std::string path_;
    Clock clock_;
};

}  // namespace tandor
