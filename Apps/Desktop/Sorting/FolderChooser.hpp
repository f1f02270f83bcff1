#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace tandor {

// Lets the user pick one folder. The application shows a folder dialog; tests
// answer at once.
class FolderChooser {
  public:
    // The chosen folder's path as bytes, or nothing when the user cancelled.
    using Done = std::function<void(std::optional<std::string> path)>;

    virtual ~FolderChooser() = default;

    // Asks for a folder, prompt being the title of the accepting button, and
    // calls done exactly once, now or later. A new request cancels one that is
    // still open.
    virtual void choose(const QString& prompt, Done done) = 0;
};

}  // namespace tandor
