#pragma once

#include <stdexcept>
#include <string>

namespace tandor {

// The automation store refused a change. Describes itself in one English
// sentence (what()) naming the id concerned.
class AutomationError : public std::runtime_error {
  public:
    enum class Case { previewMissingOrStale, unknownRule };

    // No valid preview of this very rule: "Preview the rule <id> again before
    // turning it on."
    static AutomationError previewMissingOrStale(std::string ruleID);
    // "No automation with id <id>."
    static AutomationError unknownRule(std::string id);

    Case errorCase() const { return case_; }
    const std::string& id() const { return id_; }

    friend bool operator==(const AutomationError& a, const AutomationError& b) {
        return a.case_ == b.case_ && std::string(a.what()) == b.what();
    }

  private:
    AutomationError(Case errorCase, std::string id, const std::string& sentence);

    Case case_;
    std::string id_;
};

}  // namespace tandor
