#pragma once

#include <stdexcept>

namespace tandor {

// An explainer could not answer.
class ExplanationError : public std::runtime_error {
  public:
    enum class Case { unavailable, ungrounded };

    // No language model on this system.
    static ExplanationError unavailable();
    // An answer not backed by its facts.
    static ExplanationError ungrounded();

    Case errorCase() const { return case_; }

    friend bool operator==(const ExplanationError& a, const ExplanationError& b) {
        return a.case_ == b.case_;
    }

  private:
    ExplanationError(Case errorCase, const char* sentence)
        : std::runtime_error(sentence), case_(errorCase) {}

    Case case_;
};

}  // namespace tandor
