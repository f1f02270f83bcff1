#pragma once

#include <string>

namespace tandor {

// An on-device language model. No such model exists on the systems this build
// runs on, so the application passes none; the seam lets the model explainer
// and its guard be built and tested all the same.
class LanguageModel {
  public:
    virtual ~LanguageModel() = default;

    // Whether the model can answer now.
    virtual bool isAvailable() const = 0;
    // Opens a new session with these instructions and no tools, asks for one
    // response to prompt with default options and returns its text. Throws what
    // the model throws.
    virtual std::string respond(const std::string& instructions,
                                const std::string& prompt) const = 0;
};

}  // namespace tandor
