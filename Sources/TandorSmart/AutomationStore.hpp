#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorSmart/AutomationPreview.hpp"
#include "TandorSmart/AutomationRule.hpp"
#include "TandorSmart/EnabledAutomation.hpp"

namespace tandor {

// The automations the user turned on, kept in "automations.json" in the support
// folder as an array in the order of enabling. A rule is enabled only together
// with a valid preview of that very rule.
//
// Every change is written at once: under the file's lock the store re-reads the
// file, applies the change to what it holds (so changes made meanwhile by
// another instance survive), writes it atomically and only then adopts the
// result. A failed write throws and leaves both the store and the file as they
// were. A file that cannot be read or decoded is never written over.
class AutomationStore final {
  public:
    // The support folder's "automations.json"; creates nothing.
    static std::string defaultURL();

    // Loads the file; a missing file is an empty store and writes nothing.
    // Throws FileError when the file cannot be read and DecodingError when it
    // is not an array of automations.
    explicit AutomationStore(std::string fileURL);
    AutomationStore(const AutomationStore&) = delete;
    AutomationStore& operator=(const AutomationStore&) = delete;

    const std::string& fileURL() const { return file_.path(); }

    // A copy of the current list.
    std::vector<EnabledAutomation> enabled() const;
    bool isEnabled(const std::string& id) const;

    // Throws AutomationError::previewMissingOrStale (before anything is read or
    // written) unless preview.isValid(rule, now); then replaces any entry of the
    // rule by a new one at the end, with the preview's totals and no last run.
    void enable(const AutomationRule& rule, const AutomationPreview& preview, Date now);
    // Removes every entry of the id and writes the file, also when there was none.
    void disable(const std::string& id);
    // Sets the last run of the entry with that id. Throws
    // AutomationError::unknownRule, writing nothing, when no entry has the id.
    void markRun(const std::string& id, Date date);

  private:
    using Change = std::function<void(std::vector<EnabledAutomation>&)>;

    // Applies change to the file's current list and writes it; the caller holds
    // mutex_. The store takes the written list only once the write succeeded.
    void commit(const Change& change);

    JSONStoreFile file_;
    mutable std::mutex mutex_;
    std::vector<EnabledAutomation> enabled_;
};

}  // namespace tandor
